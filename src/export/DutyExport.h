#pragma once

#include "export/DutyCalendar.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace rp {

struct Program;

// Where the duties of the month last generated go: a folder for one iCalendar file per agent code (a
// team's code has its own), and a CSV file of all duties. Either may be left empty.
struct DutyExportTarget {
    QString calendarFolder;
    QString csvFile;
    DutyCalendarOptions calendar;
};

struct DutyExportResult {
    QStringList files; // written, in order
    int duties = 0;
    QString problem; // why nothing was written, when nothing was
    bool cancelled = false;
};

// Told after each file with how many are written of how many; returns false to stop.
using ExportProgress = std::function<bool(int done, int total)>;

// The file of an agent's duties: "2023-01-AL.ics" (characters that cannot name a file become "_").
QString DutyCalendarFileName(int month, int year, const QString& initials);
// The CSV file a folder gets: "2023-01-duties.csv".
QString DutyCsvFileName(int month, int year);

// Writes the files of the month last generated (the program's schedule state and the calendar files in
// its folder), each atomically; every agent of the generation gets a file, with or without duties.
// Failures to write are thrown as Error.
DutyExportResult ExportDuties(const Program& program, const DutyExportTarget& target,
                              const ExportProgress& progress = {});

} // namespace rp
