#pragma once

#include <QByteArray>
#include <QString>

class QDate;

namespace rp {

struct ScheduleCheck;

// The schedule check as text for people (lines ended by LF) and as JSON for programs.
QString ScheduleCheckText(const ScheduleCheck& check);
QByteArray ScheduleCheckJson(const ScheduleCheck& check);

// The date of a check line: weekday and month/day/year ("THU 01/05/2023").
QString CheckDateText(const QDate& date);

} // namespace rp
