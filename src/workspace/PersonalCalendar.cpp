#include "workspace/PersonalCalendar.h"

#include "platform/Files.h"
#include "platform/Text.h"

#include <algorithm>

namespace rp {

QString PersonalFolder(const QString& appFolder) {
    return appFolder + QStringLiteral("/Personal");
}

QString LastCalendarPath(const QString& appFolder) {
    return PersonalFolder(appFolder) + QStringLiteral("/LastCalendar.txt");
}

QString PersonalMonthPath(const QString& appFolder, int month, int year) {
    return PersonalFolder(appFolder) + QLatin1Char('/') + QString::number(month) + QString::number(year) +
           QStringLiteral(".txt");
}

namespace {
bool allDigits(const QString& text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}
} // namespace

bool IsValidMonthText(const QString& text) {
    // "3" or "03": both name the file of March, since the month is read back as a number.
    if (text.isEmpty() || text.size() > 2 || !allDigits(text))
        return false;
    const int m = text.toInt();
    return m >= 1 && m <= 12;
}

bool IsValidYearText(const QString& text) {
    // From 1900 on, the first date a month shows has a day number above 0, which its file needs.
    if (text.size() != 4 || !allDigits(text))
        return false;
    return text.toInt() >= 1900;
}

PersonalMonth ReadLastCalendar(const QString& appFolder, const QDate& today) {
    const QStringList lines = splitLines(readTextFile(LastCalendarPath(appFolder)).value_or(QString()));
    const QString month = lines.size() > 0 ? trimBlanks(lines[0]) : QString();
    const QString year = lines.size() > 1 ? trimBlanks(lines[1]) : QString();
    if (IsValidMonthText(month) && IsValidYearText(year) && year.toInt() >= 1000)
        return {month.toInt(), year.toInt()};
    return {today.month(), today.year()};
}

void WriteLastCalendar(const QString& appFolder, const QString& monthText, const QString& yearText) {
    writeTextFileAtomic(LastCalendarPath(appFolder), crlfLines({monthText, yearText}));
}

} // namespace rp
