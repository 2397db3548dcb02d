#pragma once

#include "export/SlotTimeRange.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <optional>
#include <vector>

namespace rp {

struct GeneratedMonth;

// One duty of an agent in a generated month, as the exports write it.
struct Duty {
    QDate date;
    int calendar = 0;
    QString site;       // the site name of the calendar
    QString siteNumber; // its number text
    QChar slot;
    QString initials; // as the records hold them, padded to four with "_"
    QString name;
    std::optional<SlotTimeRange> times; // from the site's slot times file of that weekday
};

// The shift of a slot letter: "AM" for A and B, "PM1" for C to F, "PM2" for G and H.
QString ShiftOfSlot(QChar slot);

// Every duty of the calendars ("AGT?" slots are none), by date, calendar, slot and initials, with the slot's
// time range where the site's times file for that weekday holds one, and the agent's name by initials.
std::vector<Duty> CollectDuties(const GeneratedMonth& month, const QString& appFolder,
                                const QHash<QString, QString>& namesByInitials);

} // namespace rp
