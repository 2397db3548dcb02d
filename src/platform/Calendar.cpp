#include "platform/Calendar.h"

namespace rp {

namespace {
const QDate kDayZero(1899, 12, 30);
}

qint64 dayNumber(const QDate& date) {
    return kDayZero.daysTo(date);
}

QDate dateFromDayNumber(qint64 day) {
    return kDayZero.addDays(day);
}

int weekdayOf(const QDate& date) {
    return date.dayOfWeek() % 7 + 1;
}

int daysInMonth(int month, int year) {
    const QDate first(year, month, 1);
    return int(first.daysTo(first.addMonths(1)));
}

} // namespace rp
