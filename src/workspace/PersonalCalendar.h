#pragma once

#include <QDate>
#include <QString>

namespace rp {

// The personal calendar's files in the Personal folder: LastCalendar.txt (month and year last chosen)
// and one file per month, e.g. "32026.txt" for March 2026.

struct PersonalMonth {
    int month = 0;
    int year = 0;
    QString monthText() const { return QString::number(month); }
    QString yearText() const { return QString::number(year); }
};

QString PersonalFolder(const QString& appFolder);
QString LastCalendarPath(const QString& appFolder);
QString PersonalMonthPath(const QString& appFolder, int month, int year);

// The month last chosen; today's month when the file is missing, short or damaged. A month typed with a
// leading zero ("03") reads as 3, so reading and saving name the same file.
PersonalMonth ReadLastCalendar(const QString& appFolder, const QDate& today);
void WriteLastCalendar(const QString& appFolder, const QString& monthText, const QString& yearText);

// The checks of the personal calendar dialog's two boxes: a month of one or two digits from 1 to 12, a
// year of four digits from 1900 on; no blanks or signs.
bool IsValidMonthText(const QString& text);
bool IsValidYearText(const QString& text);

} // namespace rp
