#pragma once

#include <QString>
#include <QStringList>

namespace rp {

class ReportPrinter;

// Text whose line breaks are all CR LF: a text box gives lone LFs, and a lone CR counts as a break too.
QString CrLfText(const QString& text);

// The printed lines of an item of a report: its text cut at every line break, the last of them closed
// by the item's own line end ("a\r\n" prints "a" and an empty line).
QStringList PrintedLines(const QString& item);

// Prints an item as its lines; false once the printer fails.
bool PrintItem(ReportPrinter& printer, const QString& item);

} // namespace rp
