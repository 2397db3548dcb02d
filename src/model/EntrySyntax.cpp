#include "model/EntrySyntax.h"

#include "platform/Text.h"
#include "platform/Ui.h"

#include <algorithm>

namespace rp {

namespace {

constexpr QChar kBlank = QLatin1Char(' ');
constexpr QChar kDash = QLatin1Char('-');
// A range ends at most this far after its first number: no range of days or sites can mean more numbers
// (0 to 31), and a damaged field such as "1-999999999", or a few long ranges, must exhaust neither memory
// nor the time of the generation, which turns every number into keys for up to eight letters.
constexpr qint64 kMaxRangeLength = 31;

bool isSlotLetter(QChar c) {
    return c >= QLatin1Char('A') && c <= QLatin1Char('H');
}

bool isAllDigits(const QString& s) {
    if (s.isEmpty())
        return false;
    for (QChar c : s) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

qint64 rangePart(const QString& s) {
    if (!isAllDigits(s))
        return 0;
    return leadingNumber(s.right(15)); // more digits than any count could use cannot matter
}

// Cuts text after every slot letter (and after any extra cut letter); a two-character piece gets a
// leading "0". Characters after the last cut are dropped.
QString cutPieces(const QString& text, const QString& extraCuts) {
    QString out;
    out.reserve(text.size() + text.size() / 2);
    qsizetype start = 0; // where the piece being read begins
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (isSlotLetter(c) || extraCuts.contains(c)) {
            if (i + 1 - start == 2)
                out += QLatin1Char('0');
            out += QStringView(text).mid(start, i + 1 - start);
            start = i + 1;
        }
    }
    return out;
}

// Numbers of one or two ASCII digits separated by single blanks, nothing else.
bool isPlainNumberList(const QString& list) {
    qsizetype digits = 0;
    for (QChar c : list) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            if (++digits > 2)
                return false;
        } else if (c == kBlank && digits > 0) {
            digits = 0;
        } else {
            return false;
        }
    }
    return digits > 0;
}

// Whether a list is already in canonical form: no blank before a dash or a blank, none after a dash, no
// leading dash. Most stored lists are, and are then returned as they are.
bool isCanonicalDateList(const QString& text) {
    if (text.startsWith(kDash))
        return false;
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        const QChar c = text[i], next = text[i + 1];
        if ((c == kBlank && (next == kDash || next == kBlank)) || (c == kDash && next == kBlank))
            return false;
    }
    return true;
}

} // namespace

QString CanonicaliseDateList(const QString& text) {
    if (isCanonicalDateList(text))
        return text;
    QString pass1;
    pass1.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool dropped =
            text[i] == kBlank && i + 1 < text.size() && (text[i + 1] == kDash || text[i + 1] == kBlank);
        if (!dropped)
            pass1 += text[i];
    }
    QString pass2;
    pass2.reserve(pass1.size());
    for (qsizetype i = 0; i < pass1.size(); ++i) {
        if (pass1[i] == kBlank && i > 0 && pass1[i - 1] == kDash)
            continue;
        pass2 += pass1[i];
    }
    if (pass2.startsWith(kDash))
        pass2.remove(0, 1);
    return pass2;
}

QString ExpandDateRanges(const QString& text) {
    QString s = text;
    while (true) {
        const qsizetype dash = s.indexOf(kDash);
        if (dash < 0)
            break;
        const qsizetype leftBlank = s.lastIndexOf(kBlank, dash);
        const qsizetype start = leftBlank < 0 ? 0 : leftBlank + 1;
        qsizetype end = s.indexOf(kBlank, dash);
        if (end < 0)
            end = s.size();
        const QString range = s.mid(start, end - start);
        const qsizetype split = range.indexOf(kDash);
        const qint64 low = rangePart(range.left(split));
        qint64 high = rangePart(range.mid(split + 1));
        high = std::min(high, low + kMaxRangeLength);
        QString numbers;
        for (qint64 n = low; n <= high; ++n) {
            if (n > low)
                numbers += kBlank;
            numbers += QString::number(n);
        }
        s.replace(range, numbers);
    }
    return s;
}

QString DateListToDayKeys(const QString& expandedList, const QString& letters) {
    if (expandedList.isEmpty())
        return {};
    if (isPlainNumberList(expandedList)) {
        // Numbers of one or two digits between single blanks: each cut piece is a number and a letter, so
        // the keys are made directly.
        QString keys;
        keys.reserve(letters.size() * (expandedList.size() + 1) * 3 / 2);
        for (QChar letter : letters) {
            for (qsizetype start = 0; start < expandedList.size();) {
                qsizetype end = expandedList.indexOf(kBlank, start);
                if (end < 0)
                    end = expandedList.size();
                if (end - start == 1)
                    keys += QLatin1Char('0');
                keys += QStringView(expandedList).mid(start, end - start);
                keys += letter;
                start = end + 1;
            }
        }
        return keys;
    }
    const QString list = expandedList + kBlank;
    QString joined;
    for (QChar letter : letters) {
        QString copy = list;
        copy.replace(kBlank, letter);
        joined += copy;
    }
    return cutPieces(joined, letters);
}

QString NormaliseManualList(const QString& text) {
    QString packed = text;
    packed.remove(kBlank);
    return cutPieces(packed, QString());
}

QString ManualKeysToSlotTokens(const QString& keys, const QString& monthTokens) {
    QString out;
    for (qsizetype i = 0; i + 3 <= keys.size(); i += 3) {
        const QString key = keys.mid(i, 3).toUpper();
        const qsizetype at = monthTokens.indexOf(key);
        if (at >= 0 && at + 3 < monthTokens.size())
            out += key + monthTokens[at + 3];
    }
    return out;
}

QString AppendInitials(const QString& slotTokens, const QString& initials) {
    QString out;
    for (qsizetype i = 0; i + 4 <= slotTokens.size(); i += 4)
        out += slotTokens.mid(i, 4) + initials;
    return out;
}

QString AppendDay(const QString& fieldText, int day) {
    if (fieldText.endsWith(kDash))
        return fieldText + QString::number(day);
    return fieldText + kBlank + QString::number(day);
}

QString dateListErrorText() {
    return QStringLiteral("Check the dates entered");
}

QString manualListErrorText() {
    return QStringLiteral("       CHECK THE FOLLOWING:\r\n\r\n"
                          "1. Each Date needs a Letter Slot.  \r\n"
                          "2. The Letter follows the Date.  \r\n"
                          "3. Only Dates between 1 and 31.  \r\n"
                          "4. Separate entries with a space. \r\n\r\n"
                          "       [Example: 1A 12G 26C]");
}

bool CheckDateList(QString& field, Ui& ui) {
    if (trimBlanks(field).isEmpty()) {
        field = QString(kBlank);
        return true;
    }
    QString number;
    for (QChar c : field) {
        if (c == kBlank || c == kDash) {
            number.clear();
            continue;
        }
        number += c;
        if (leadingNumber(number) > 31) {
            ui.message(dateListErrorText(), QStringLiteral("Date entry error"), Icon::None, Buttons::Ok);
            return false;
        }
    }
    return true;
}

bool CheckManualList(QString& field, Ui& ui) {
    const QString trimmed = trimBlanks(field);
    if (trimmed.isEmpty()) {
        field = QString(kBlank);
        return true;
    }
    const QString keys = NormaliseManualList(trimmed);
    auto charAt = [&](qsizetype i) { return i < keys.size() ? keys[i] : QChar(); };
    bool ok = true;
    // Each test runs over every key before the next test; the first failing test reports.
    for (qsizetype k = 0; ok && k < keys.size(); k += 3) {
        const QChar c = charAt(k);
        ok = c >= QLatin1Char('0') && c <= QLatin1Char('3');
    }
    for (qsizetype k = 0; ok && k < keys.size(); k += 3) {
        const QChar c = charAt(k + 1);
        const int day = charAt(k).digitValue() * 10 + c.digitValue();
        ok = c.isDigit() && c.unicode() < 128 && day >= 1 && day <= 31;
    }
    for (qsizetype k = 0; ok && k < keys.size(); k += 3)
        ok = isSlotLetter(charAt(k + 2));
    if (ok)
        ok = isSlotLetter(trimmed.back());
    if (!ok)
        ui.message(manualListErrorText(), QStringLiteral("can ONLY work Error"), Icon::None, Buttons::Ok);
    return ok;
}

bool IsSiteNameCharacter(QChar c) {
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z') || (u >= u'0' && u <= u'9') || u == u' ';
}

bool IsValidSiteName(const QString& name) {
    return std::all_of(name.begin(), name.end(), IsSiteNameCharacter);
}

} // namespace rp
