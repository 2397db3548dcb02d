#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace rp {

// Saved schedules: at most one per site number, two files in the Saved folder of the program folder.
//   "<n>_CAL_<name>.TXT": the site number, month, year, first and last shown date as day numbers, the
//     site heading and the rules text, one per line, then every shown date's text followed by "~".
//   "<n>_RPT_<name>.TXT": the assignments report followed by CR LF.
// Files are written as UTF-8 with CR LF line ends; a file that is not valid UTF-8 is read as Latin-1.

QString SavedFolder(const QString& appFolder);

// The site heading trimmed and cut at its first character that is not a letter A-Z or a-z, a digit or a
// blank: "North Office. " gives "North Office".
QString CleanName(const QString& siteHeading);
// "<digit 0-8>_CAL" followed by anything and ".TXT" in any letter case.
bool IsSavedCalendarName(const QString& fileName);
QString SavedCalendarFileName(const QString& siteNumberText, const QString& cleanName);
// The report file beside a calendar file: the same name with "_RPT_" for "_CAL_".
QString SavedReportFileName(const QString& calendarFileName);
// The file of the folder with this name, letter case ignored, so that "2_CAL_North.TXT" names a file
// saved as "2_CAL_North.txt"; the name itself when there is none.
QString SavedFilePath(const QString& folder, const QString& fileName);

// The saved-schedule menu: captions[k] is "<k+1> <name>" for the calendar file of site number k + 1
// (sites 1 to 5), or empty; the last entry is always empty. files[k] is the file the caption came from;
// of two calendar files of one site number (a folder written before a renamed site's save replaced the
// older one) the one modified last is listed.
struct SavedList {
    QStringList captions{QString()};
    QStringList files{QString()};
    bool overLimit = false; // a calendar file of site 0, 6, 7 or 8 was found and left out
};
SavedList ArrayFilesFunction(const QString& appFolder);

// The site number of a saved schedule that the menu lists (1 to 5).
bool IsListedSiteNumber(const QString& siteNumberText);

struct SavedSchedule {
    QString siteNumberText;
    QString month; // no leading zero
    QString year;  // four digits
    qint64 start = 0;
    qint64 end = 0;
    QString heading;
    QString rules;
    QStringList texts; // one per date from start to end
};

// The calendar file's text. Line breaks in the heading and the rules become blanks, so that the header
// keeps its seven lines; a "~" in a day text becomes "-", so that it cannot end the day early.
QString SavedCalendarText(const SavedSchedule& schedule);
// Writes the calendar file, then the report file (Error thrown); when the report cannot be written the
// calendar file is put back as it was.
void WriteSavedSchedule(const QString& calendarPath, const QString& reportPath, const SavedSchedule& schedule,
                        const QString& reportText);

// Saves the schedule as the one saved schedule of its site number: the pair named after its heading is
// written (over a file of that name in any letter case), and only then is every other pair of the same
// site number, saved under an earlier name of the site, removed. Throws Error when the new pair cannot
// be written; the older pairs are then left as they were. Returns the calendar file written.
QString SaveSiteSchedule(const QString& appFolder, const SavedSchedule& schedule, const QString& reportText);

// Reads a calendar file saved for the site number given as one digit. Nothing when the file is missing
// or empty or its header is no saved schedule of that site: a line 1 other than the digit, a month
// outside 1-12, a year of other than four digits, first and last dates that are no numbers, run
// backwards, span more than 42 days or leave out the 1st of the month. Throws Error when the file cannot
// be read (70, 75) or ends before its last day (62).
std::optional<SavedSchedule> ReadSavedCalendar(const QString& path, QChar siteDigit);
// The saved report without the CR LF its file ends with; empty when the file is missing. Throws Error
// when the file cannot be read.
QString ReadSavedReport(const QString& path);

// Deletes the files of the Saved folder whose 2nd and 6th characters are "_"; returns the names of those
// that could not be deleted.
QStringList DeleteSavedSchedules(const QString& appFolder);

} // namespace rp
