#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace rp {

// The calendars a generation left in the program folder, read back from their files: what the schedule
// check, the duty export and the gap-filling pass work on.
struct GeneratedCalendar {
    int number = 0;         // n of the file MMYY.n
    QString heading;        // line 1 of the description file: the site name and ". "
    QString siteNumberText; // line 2 of the description file
    QStringList records;    // 8-character assignment records, in file order

    // The site name: the heading without its ". ", blanks at both ends removed.
    QString siteName() const;
    int siteNumber() const; // 0 when the number text is not a site number
};

struct GeneratedMonth {
    int month = 0;
    int year = 0;
    std::vector<GeneratedCalendar> calendars; // the ones whose records file exists
};

// Reads calendars 1..calendarCount of the month (file names MMYY.n in the folder); a calendar whose
// records file is missing is left out.
GeneratedMonth ReadGeneratedMonth(const QString& appFolder, int month, int year, int calendarCount);

struct ScheduleState;

// The calendars of the month last generated, as the schedule state names them (SchedMonth, SchedYear,
// CalendarCount, CalendarFilePrefix); no calendars when that month has not been generated.
GeneratedMonth ReadLastGeneration(const ScheduleState& state, const QString& appFolder);

// The four-character file name prefix of a month: two-digit month, last two digits of the year.
QString CalendarPrefixOf(int month, int year);

} // namespace rp
