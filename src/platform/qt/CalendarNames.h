#pragma once

#include <QDate>
#include <QStringList>

namespace rp {

// Day names of the week header, Sunday first.
const QStringList& calendarDayNames();
// Month names of titles and month-start cells, January first.
const QStringList& calendarMonthNames();

// "Mar. 2027": the month name and year of a date.
QString monthTitle(const QDate& date);

// The weeks that hold the dates first..last, each week starting on a Sunday.
struct WeekSpan {
    QDate start; // the Sunday on or before the first date
    int weeks = 0;

    QDate dateAt(int week, int column) const { return start.addDays(qint64(week) * 7 + column); }
    // Row and column of a date (row may fall outside 0..weeks-1).
    int weekOf(const QDate& date) const { return int(start.daysTo(date) / 7); }
    int columnOf(const QDate& date) const { return int(start.daysTo(date) % 7); }
};

// An invalid or reversed range gives no weeks.
WeekSpan weekSpan(const QDate& first, const QDate& last);

} // namespace rp
