#pragma once

#include "platform/Error.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace rp {

// The files that keep a shown month with its day texts (personal calendars): a few header lines, then
// for every date from the first to the last shown date its text followed by "~". A text with line breaks
// takes several lines; its last line ends with "~".
struct DayTextsFile {
    qint64 start = 0; // first date as a whole day number
    qint64 end = 0;   // last date
    QString heading;
    QString rules;
    QStringList texts; // one per date from start to end
    // Why the file could not be read in full; the texts read until then are kept.
    std::optional<Error> damage;
};

// Reads a personal calendar month file: start, end, heading, rules, then the texts. A missing or empty
// file gives start 0 and no texts. A damaged one says why in damage: a file that cannot be read (70, 75),
// a line 1 or 2 that is no number (13), a range that is no shown month (9), or a file that ends before
// its last text (62, with the texts read so far).
DayTextsFile ReadPersonalMonthFile(const QString& path);
// Writes it atomically with CR LF line ends. A text read back is the text written, as DayTextLines
// writes it.
void WritePersonalMonthFile(const QString& path, const DayTextsFile& file);

// Serialises day texts: each text, "~", CR LF. Every line break of a text is written as CR LF, and a "~"
// on a line before a text's last one is written as "-", since that line would end the text early.
QString DayTextLines(const QStringList& texts);
// Collects day texts from lines, starting at a line index; stops early at the end of the lines.
QStringList ReadDayTexts(const QStringList& lines, qsizetype from, qsizetype count);

} // namespace rp
