#pragma once

#include "workspace/Rendering.h"

#include <QString>

namespace rp {

// The workspace state shared by all windows: which kind of calendar is shown and whether a day of it
// was edited.
struct GetSet {
    bool IsPersonalCalendar = false;
    bool IsGeneratedSchedule = false;
    bool IsSavedSchedule = false;
    bool IsExampleSchedule = false;
    bool EditDay = false;
    bool FullName = false;
    QString DialogueString;
};

// What the calendar window keeps between commands beside the program's schedule state.
struct Workspace {
    GetSet state;
    QString CommentText;          // printed as the second heading of a calendar
    QString ReportText;           // the assignments report as last built or edited
    bool reportNoteShown = false; // the "Report Also" note, once per run
    bool instructionsShown = false;
    SiteTimesLookup times; // the shown site for slot times
};

} // namespace rp
