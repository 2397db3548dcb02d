#pragma once

#include <QDate>

namespace rp {

// Whole day numbers count days since 30 December 1899, as the saved calendar files store them.
qint64 dayNumber(const QDate& date);
QDate dateFromDayNumber(qint64 day);

// Weekday of a date, 1 = Sunday to 7 = Saturday.
int weekdayOf(const QDate& date);

// Days of a month: from its first day to the first day of the next month.
int daysInMonth(int month, int year);

} // namespace rp
