#include "export/DutyCalendar.h"

#include "model/Tokens.h"

#include <QTimeZone>
#include <QUrl>
#include <cstdlib>
#include <libical/ical.h>
#include <memory>

namespace rp {

namespace {

struct ComponentFree {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

// The zone the timed duties are written in: a VTIMEZONE of our own naming when the zone database knows
// the zone, UTC times for UTC, and local ("floating") times otherwise.
class EventZone {
public:
    EventZone(const QByteArray& requested, const QDate& from) {
        id_ = requested.isEmpty() ? QTimeZone::systemTimeZoneId() : requested;
        if (id_.isEmpty())
            return;
        icaltimezone* zone = icaltimezone_get_builtin_timezone(id_.constData());
        if (zone == icaltimezone_get_utc_timezone()) {
            zone_ = zone;
            utc_ = true;
            return;
        }
        icalcomponent* known = zone ? icaltimezone_get_component(zone) : nullptr;
        if (!known)
            return;
        zone_ = zone;
        definition_.reset(icalcomponent_new_clone(known));
        // The zone database's own prefix would make the name unknown to most readers.
        if (icalproperty* tzid = icalcomponent_get_first_property(definition_.get(), ICAL_TZID_PROPERTY))
            icalproperty_set_tzid(tzid, id_.constData());
        // Rules of the years before the month are of no use to the reader.
        icaltimetype start = icaltime_null_time();
        start.year = from.addYears(-1).year();
        start.month = 1;
        start.day = 1;
        icaltime_set_timezone(&start, icaltimezone_get_utc_timezone());
        icaltimezone_truncate_vtimezone(definition_.get(), start, icaltime_null_time(), 0);
    }

    // Moves the zone's definition into the calendar, when there is one.
    void addTo(icalcomponent* calendar) {
        if (definition_)
            icalcomponent_add_component(calendar, definition_.release());
    }

    // A date-time property of an event, naming the zone unless the time is UTC or local.
    icalproperty* named(icalproperty* p) const {
        if (zone_ && !utc_)
            icalproperty_add_parameter(p, icalparameter_new_tzid(id_.constData()));
        return p;
    }

    icaltimetype at(const QDate& date, int minutes) const {
        const QDate day = date.addDays(minutes / (24 * 60));
        icaltimetype t = icaltime_null_time();
        t.year = day.year();
        t.month = day.month();
        t.day = day.day();
        t.hour = minutes % (24 * 60) / 60;
        t.minute = minutes % 60;
        if (utc_)
            icaltime_set_timezone(&t, icaltimezone_get_utc_timezone());
        else if (zone_)
            icaltime_set_timezone(&t, zone_);
        return t;
    }

private:
    QByteArray id_;
    icaltimezone* zone_ = nullptr;
    bool utc_ = false;
    Component definition_;
};

icaltimetype dateOf(const QDate& date) {
    icaltimetype t = icaltime_null_date();
    t.year = date.year();
    t.month = date.month();
    t.day = date.day();
    return t;
}

icaltimetype utcStamp(const QDateTime& when) {
    const QDateTime u = when.toUTC();
    icaltimetype t = icaltime_null_time();
    t.year = u.date().year();
    t.month = u.date().month();
    t.day = u.date().day();
    t.hour = u.time().hour();
    t.minute = u.time().minute();
    t.second = u.time().second();
    icaltime_set_timezone(&t, icaltimezone_get_utc_timezone());
    return t;
}

QByteArray utf8(const QString& s) {
    return s.toUtf8();
}

QString agentLabel(const QString& initials, const QString& name) {
    const QString code = UnpaddedInitials(initials);
    return name.isEmpty() ? code : name + QStringLiteral(" (") + code + QLatin1Char(')');
}

} // namespace

QString DutyUid(const Duty& duty) {
    return QStringLiteral("%1-S%2-%3%4-%5@rotaplan")
        .arg(duty.date.toString(QStringLiteral("yyyy-MM")), duty.siteNumber.trimmed(),
             duty.date.toString(QStringLiteral("dd")), QString(duty.slot),
             QString::fromLatin1(QUrl::toPercentEncoding(UnpaddedInitials(duty.initials))));
}

QByteArray DutyCalendarText(const QString& initials, const QString& name, const std::vector<Duty>& duties,
                            const DutyCalendarOptions& options) {
    const QDate first = duties.empty() ? QDate::currentDate() : duties.front().date;
    EventZone zone(options.timeZone, first);
    const icaltimetype stamp =
        utcStamp(options.stamp.isValid() ? options.stamp : QDateTime::currentDateTimeUtc());

    Component calendar(icalcomponent_new_vcalendar());
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid("-//Rotaplan//Duties//EN"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_method(ICAL_METHOD_PUBLISH));
    icalproperty* calName =
        icalproperty_new_x(utf8(QStringLiteral("Duties of ") + agentLabel(initials, name)).constData());
    icalproperty_set_x_name(calName, "X-WR-CALNAME");
    icalcomponent_add_property(calendar.get(), calName);
    zone.addTo(calendar.get());

    QStringList uids;
    for (const Duty& d : duties) {
        if (d.initials != initials)
            continue;
        QString uid = DutyUid(d);
        for (int n = 2; uids.contains(uid); ++n)
            uid = DutyUid(d).replace(QStringLiteral("@rotaplan"), QStringLiteral("-%1@rotaplan").arg(n));
        uids << uid;

        icalcomponent* event = icalcomponent_new_vevent();
        icalcomponent_add_property(event, icalproperty_new_uid(utf8(uid).constData()));
        icalcomponent_add_property(event, icalproperty_new_dtstamp(stamp));
        QString summary = d.site + QStringLiteral(": slot ") + d.slot;
        if (d.times) {
            const icaltimetype start = zone.at(d.date, d.times->start);
            const icaltimetype end = zone.at(d.date, d.times->end);
            icalcomponent_add_property(event, zone.named(icalproperty_new_dtstart(start)));
            icalcomponent_add_property(event, zone.named(icalproperty_new_dtend(end)));
        } else {
            summary += QStringLiteral(" (") + ShiftOfSlot(d.slot) + QLatin1Char(')');
            icalcomponent_add_property(event, icalproperty_new_dtstart(dateOf(d.date)));
            icalcomponent_add_property(event, icalproperty_new_dtend(dateOf(d.date.addDays(1))));
            icalcomponent_add_property(event, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
        }
        icalcomponent_add_property(event, icalproperty_new_summary(utf8(summary).constData()));
        icalcomponent_add_property(event, icalproperty_new_location(utf8(d.site).constData()));
        icalcomponent_add_property(
            event, icalproperty_new_description(
                       utf8(QStringLiteral("Duty of ") + agentLabel(d.initials, d.name)).constData()));
        icalcomponent_add_component(calendar.get(), event);
    }

    char* text = icalcomponent_as_ical_string_r(calendar.get());
    const QByteArray out(text);
    std::free(text);
    return out;
}

} // namespace rp
