#pragma once

#include <QString>
#include <QStringList>

namespace rp {

// The program's text rules: trimming removes blanks only, numbers are read by their leading digits.

QString trimBlanks(const QString& s);
QString trimRightBlanks(const QString& s);

// The leading number of a text, as the program reads numbers typed by users: blanks are skipped, an
// optional sign and the digits that follow count, anything after them is ignored; no digits give 0.
qint64 leadingNumber(const QString& s);
// Same for a text that may hold a fraction ("5.7" gives 5.7).
double leadingReal(const QString& s);
// Whether the whole text, blanks at both ends removed, is a number.
bool isNumeric(const QString& s);

// Cut to width and pad on the right with fill.
QString fitRight(const QString& s, int width, QChar fill = QLatin1Char(' '));

// Lines of a text file's content; CR LF and LF both end a line, a last line without an end counts.
QStringList splitLines(const QString& content);

} // namespace rp
