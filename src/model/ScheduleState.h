#pragma once

#include <QString>
#include <QStringList>
#include <array>

namespace rp {

// What a generation leaves for the calendar window and the reports, and the few values that live for the
// whole run of the program. Agent lists are indexed from 0 (agent position 1 is index 0).
struct ScheduleState {
    QString SchedMonth; // 1..12, no leading zero
    QString SchedYear;  // four digits
    int SiteCount = 0;
    int AgentCount = 0;
    QStringList AgentInitials;
    QStringList AgentNames;
    QStringList AgentSummary;
    int CalendarCount = 0;
    QString CalendarFilePrefix;
    QString RulesText;
    int LetterYes = 1;
    int LetterNo = 0;
    int LetterAgt = 0;
    std::array<QString, 32> DayText; // days 1..31
    QString SiteHeading;
    QString SiteNumberText;
    int CurrentSiteCalendar = 0;
    // Pass direction toggles of the manual-rule routine [0] and the automatic routine [1]; they alternate
    // 1, 2, 1, ... across sites and generations.
    std::array<int, 2> PassToggle{0, 0};
};

} // namespace rp
