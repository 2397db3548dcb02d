#pragma once

#include <QString>
#include <QStringList>

namespace rp {

class ReportPrinter;

// The assignments-by-agent report of the shown site: one line per agent with the duties the agent holds
// there, each followed by an empty line.

// Builds the report from the agent lists of the schedule (same index in each list). An agent whose
// summary is shorter than two characters is left out; a team (initials holding "+"), whose entry occurs
// more than once in the lists, is listed once, at its first position.
QString BuildAssignmentsReport(const QStringList& initials, const QStringList& names,
                               const QStringList& summaries);

// The entries a report text prints as, however the user edited it: each line with its CR LF and, when
// an empty line follows, that line's CR LF too; a last line without a break is an entry of its own. Lone
// LFs (as the text box gives them) count as CR LF, so joined, the entries are CrLfText(text).
QStringList SplitReportEntries(const QString& text);

// The pieces an entry prints in, its line breaks counted: characters 1 to 70, then continuation pieces,
// each seven blanks and the next characters: 71-133, 134-196, 197-259, 260-322, and 63 more at a time
// after that. An entry of up to 134, 198, 262 or 322 characters keeps the rest of its characters in its
// 2nd, 3rd, 4th or 5th piece. Every character is printed.
QStringList PrintPieces(const QString& entry);

// What the printout's heading names: the month and year, the site heading and the rules line.
struct AssignmentsHeading {
    QString schedMonth;
    QString schedYear;
    QString siteHeading;
    QString rulesText;
};

// Prints a report text and ends the document: the bold heading at 10 points, then the entries' pieces,
// a new page after the entry whose pieces take the line count past 48 (each entry adds its pieces,
// then 2 for its line breaks). False as soon as the printer fails.
bool PrintAssignmentsReport(ReportPrinter& printer, const QString& text, const AssignmentsHeading& heading);

} // namespace rp
