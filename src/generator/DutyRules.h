#pragma once

#include "generator/GenerationTables.h"

#include <QString>
#include <optional>
#include <vector>

namespace rp {

struct Program;

// One agent of the office as the hard rules of a month see it. Both entries of a team are one agent here.
struct DutyAgent {
    // A manual request as typed: the day-slot key ("04A") and the site it names.
    struct Request {
        QString key;
        int site = 0;
    };

    QString initials;   // padded to four characters
    QString name;       // trimmed
    QString sites;      // site tokens ("01S03S")
    TokenSet free;      // the month's slots that are not among its days off
    double maximum = 0; // as loaded; the two entries of a team share it
    int manualRecords = 0;
    std::vector<Request> requests;

    bool isTeam() const { return initials.contains(QLatin1Char('+')); }
    bool allowedAt(int site) const;
    // How many duties it may hold beyond its manual records.
    int generatedCapacity() const;
};

// The hard rules of a month: every agent's allowed sites, days off, maximum and manual records, and the
// sites with their link letters and manual records, loaded the way a generation loads them.
struct DutyRules {
    DutyRules(int month, int year) : month(month, year) {}

    MonthTokens month;
    std::array<SiteSlots, 10> sites; // 1..9
    std::vector<DutyAgent> agents;   // in stored order; records without initials are left out

    int indexOf(const QString& initials) const; // -1 when no agent has them
    // The sites whose records a calendar of this site holds: the site, and its linked partner.
    std::vector<int> calendarSites(int site) const;
};

struct DutyRulesLoad {
    std::optional<DutyRules> rules;
    QString problem; // why nothing was loaded
};

// Loads the hard rules of a month from the office database in use, without a word to the user and without
// touching the program's schedule state.
DutyRulesLoad LoadDutyRules(const Program& program, int month, int year);

} // namespace rp
