#include "model/Tokens.h"

#include "platform/Calendar.h"
#include "platform/Text.h"

namespace rp {

QString padInitials(const QString& initials) {
    return fitRight(trimBlanks(initials), 4, QLatin1Char('_'));
}

QString UnpaddedInitials(const QString& initials) {
    QString s = initials;
    while (s.endsWith(QLatin1Char('_')))
        s.chop(1);
    return s;
}

int RecordDay(const QString& record, int daysInMonth) {
    const QString text = record.left(2);
    if (text.size() != 2 || !text[0].isDigit() || !text[1].isDigit())
        return 0;
    const int day = text.toInt();
    return day >= 1 && day <= daysInMonth ? day : 0;
}

QString twoDigits(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

QString siteToken(int site) {
    return twoDigits(site) + QLatin1Char('S');
}

QString MonthTokenList(int month, int year) {
    const int days = daysInMonth(month, year);
    QString out;
    out.reserve(days * kSlotLetters * 4);
    const int first = weekdayOf(QDate(year, month, 1)); // 1 = Sunday
    for (int d = 1; d <= days; ++d) {
        const QChar tens = QLatin1Char(char('0' + d / 10)), units = QLatin1Char(char('0' + d % 10));
        const QChar weekday = QLatin1Char(char('1' + (first - 1 + d - 1) % 7));
        for (char letter = 'A'; letter <= 'H'; ++letter) {
            out += tens;
            out += units;
            out += QLatin1Char(letter);
            out += weekday;
        }
    }
    return out;
}

} // namespace rp
