#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace rp {

struct Program;

// The schedule check of a generated month: how full each site is, how the duties fall on the agents, and
// who could still take each "AGT?" slot.
struct ScheduleCheck {
    struct Site {
        int calendar = 0;
        QString name;
        QString number;
        int records = 0;  // records of the calendar
        int manual = 0;   // manual requests placed there
        int filled = 0;   // slots the routines filled
        int unfilled = 0; // "AGT?"
        int open() const { return filled + unfilled; }
    };
    struct Request {
        QString entry; // as typed, day and slot letter ("4A")
        int site = 0;
        bool placed = false;
    };
    struct Agent {
        QString initials; // without the "_" padding
        QString name;
        int duties = 0;
        int maximum = 0;                      // a team's own: its two entries share it
        std::optional<int> fewestDaysBetween; // between two duties on different days
        std::vector<Request> requests;
        bool canWork = false; // allowed at a site of the month, with a maximum above 0 and days to work
    };
    struct Spread {
        int agents = 0; // agents who can work at all
        int minimum = 0;
        double median = 0;
        int maximum = 0;
        double standardDeviation = 0;
        int withNone = 0;
    };
    struct Gap {
        QDate date;
        int calendar = 0;
        QString site;
        QChar slot;
        QStringList candidates; // initials of the agents who could still take it
    };

    int month = 0;
    int year = 0;
    QString rules; // the rules text of the generation
    std::vector<Site> sites;
    std::vector<Agent> agents;
    Spread spread;
    std::vector<Gap> gaps;
    int unfilled = 0;
    int matchable = 0; // "AGT?" slots a maximum matching over the hard rules could fill
    std::optional<int> gapsFilled;

    bool allFilled() const { return unfilled == 0; }
};

struct ScheduleCheckRun {
    std::optional<ScheduleCheck> check;
    QString problem; // why there is no check
};

// Checks the month last generated (the program's SchedMonth, SchedYear and CalendarCount, and the
// calendar files in its folder) against the office database in use.
ScheduleCheckRun CheckSchedule(const Program& program);

} // namespace rp
