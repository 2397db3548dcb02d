#include "platform/Text.h"

namespace rp {

QString trimBlanks(const QString& s) {
    qsizetype b = 0, e = s.size();
    while (b < e && s[b] == QLatin1Char(' '))
        ++b;
    while (e > b && s[e - 1] == QLatin1Char(' '))
        --e;
    return s.mid(b, e - b);
}

QString trimRightBlanks(const QString& s) {
    qsizetype e = s.size();
    while (e > 0 && s[e - 1] == QLatin1Char(' '))
        --e;
    return s.left(e);
}

namespace {
// Index just past the leading blanks and sign; sets negative.
qsizetype skipLead(const QString& s, bool& negative) {
    qsizetype i = 0;
    while (i < s.size() && (s[i] == QLatin1Char(' ') || s[i] == QLatin1Char('\t')))
        ++i;
    negative = false;
    if (i < s.size() && (s[i] == QLatin1Char('-') || s[i] == QLatin1Char('+'))) {
        negative = s[i] == QLatin1Char('-');
        ++i;
    }
    return i;
}
} // namespace

qint64 leadingNumber(const QString& s) {
    bool negative = false;
    qsizetype i = skipLead(s, negative);
    qint64 value = 0;
    for (; i < s.size() && s[i].isDigit() && s[i].unicode() < 128; ++i) {
        if (value > 100000000000000LL)
            break; // far beyond anything the program stores; stop before overflow
        value = value * 10 + (s[i].unicode() - '0');
    }
    return negative ? -value : value;
}

double leadingReal(const QString& s) {
    bool negative = false;
    qsizetype i = skipLead(s, negative);
    const qsizetype start = i;
    while (i < s.size() && ((s[i].isDigit() && s[i].unicode() < 128) || s[i] == QLatin1Char('.')))
        ++i;
    bool ok = false;
    double v = s.mid(start, i - start).toDouble(&ok);
    if (!ok)
        v = double(leadingNumber(s.mid(start)));
    return negative ? -v : v;
}

bool isNumeric(const QString& s) {
    const QString t = s.trimmed();
    if (t.isEmpty())
        return false;
    bool ok = false;
    t.toDouble(&ok);
    return ok;
}

QString fitRight(const QString& s, int width, QChar fill) {
    if (s.size() >= width)
        return s.left(width);
    return s + QString(width - s.size(), fill);
}

QStringList splitLines(const QString& content) {
    if (content.isEmpty())
        return {};
    QStringList lines = content.split(QLatin1Char('\n'));
    if (lines.last().isEmpty())
        lines.removeLast();
    for (QString& l : lines) {
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
    }
    return lines;
}

} // namespace rp
