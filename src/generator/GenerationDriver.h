#pragma once

#include "generator/AgentLoader.h"
#include "model/EngineSettings.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <vector>

namespace rp {

struct Program;

struct GenerationOptions {
    // Start position of the random rotation of the agents; tests and the command-line tool fix it.
    RotationSource rotation = randomRotation();
    // Shows calendar 1 in the calendar window once the month is generated; none without a window.
    std::function<void()> showFirstCalendar;
    // Runs the gap-filling pass after the sites are filled; when not set, settings/FillGaps.dat decides.
    std::optional<bool> fillGaps;
    // The month to generate; when not set, the one of settings/month.dat. The file is never written here.
    std::optional<MonthSetting> month;
};

// What a generation did, for the command-line summary and for tests.
struct GenerationSummary {
    struct Calendar {
        QString fileName;
        QString heading;
    };
    std::vector<Calendar> calendars;
    int rotationStart = 0;
    bool ended = false;               // an error ended the command before the calendars were finished
    bool linkError = false;           // an uneven number of linked sites; the calendars were deleted again
    bool databaseUnavailable = false; // the office database or its Sites table could not be read
    std::optional<int> gapsFilled;    // slots the gap-filling pass filled, when it ran
};

// Generates the month of settings/month.dat (or the one of the options) for every site of the office database
// in use: deletes the previous calendar files, loads sites and agents, places manual requests, fills each
// site (fewest open slots first) by the automatic routine or the user's rules, merges linked pairs and writes
// one calendar file pair per calendar. Messages go through the program's Ui.
GenerationSummary Generate(Program& program, const GenerationOptions& options);

// The rule summary of a generation.
QString RulesSummary(bool automatic, const struct TuneSettings& tune);

} // namespace rp
