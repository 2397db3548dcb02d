#include "workspace/PersonalCalendar.h"

#include "platform/Files.h"
#include "platform/Text.h"

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

bool IsValidMonthText(const QString& text) {
    bool ok = false;
    const int m = trimBlanks(text).toInt(&ok);
    return ok && m >= 1 && m <= 12;
}

bool IsValidYearText(const QString& text) {
    bool ok = false;
    trimBlanks(text).toInt(&ok);
    return ok && text.size() == 4;
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
