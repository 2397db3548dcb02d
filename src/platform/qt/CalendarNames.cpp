#include "platform/qt/CalendarNames.h"

#include "platform/Calendar.h"

namespace rp {

const QStringList& calendarDayNames() {
    static const QStringList names =
        QStringLiteral("Sunday,Monday,Tuesday,Wednesday,Thursday,Friday,Saturday").split(QLatin1Char(','));
    return names;
}

const QStringList& calendarMonthNames() {
    static const QStringList names =
        QStringLiteral("Jan.,Feb.,Mar.,Apr.,May,June,July,Aug.,Sept.,Oct.,Nov.,Dec.").split(QLatin1Char(','));
    return names;
}

QString monthTitle(const QDate& date) {
    if (!date.isValid())
        return {};
    return calendarMonthNames().at(date.month() - 1) + QLatin1Char(' ') + QString::number(date.year());
}

WeekSpan weekSpan(const QDate& first, const QDate& last) {
    WeekSpan span;
    if (!first.isValid() || !last.isValid() || last < first)
        return span;
    span.start = first.addDays(-(weekdayOf(first) - 1));
    span.weeks = int(span.start.daysTo(last) / 7) + 1;
    return span;
}

} // namespace rp
