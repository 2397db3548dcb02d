#pragma once

#include "export/DutyList.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <vector>

namespace rp {

struct DutyCalendarOptions {
    QByteArray timeZone; // the zone of the timed duties, e.g. "Europe/Berlin"; empty: the system's zone
    QDateTime stamp;     // when the file is made (DTSTAMP); invalid: now
};

// The unique identifier of a duty's event, built from the month, site, day, slot and initials, so that a
// calendar that imports a corrected month updates the same events.
QString DutyUid(const Duty& duty);

// One iCalendar file (RFC 5545) of an agent's duties: one event per duty, its summary naming the site and
// the slot. A duty with a time range is an event at those times in the local time zone; any other is a
// whole-day event whose summary also names the slot's shift (AM, PM1 or PM2).
QByteArray DutyCalendarText(const QString& initials, const QString& name, const std::vector<Duty>& duties,
                            const DutyCalendarOptions& options = {});

} // namespace rp
