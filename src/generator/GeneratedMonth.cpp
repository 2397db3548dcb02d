#include "generator/GeneratedMonth.h"

#include "model/CalendarFiles.h"
#include "model/ScheduleState.h"
#include "model/Tokens.h"
#include "platform/Text.h"

#include <QFileInfo>

namespace rp {

QString GeneratedCalendar::siteName() const {
    QString name = heading;
    if (name.endsWith(QStringLiteral(". ")))
        name.chop(2);
    return trimBlanks(name);
}

int GeneratedCalendar::siteNumber() const {
    const QString text = trimBlanks(siteNumberText);
    if (!isNumeric(text))
        return 0;
    const qint64 n = leadingNumber(text);
    return n >= 1 && n <= kMaxSites ? int(n) : 0;
}

QString CalendarPrefixOf(int month, int year) {
    return twoDigits(month) + twoDigits(year % 100);
}

GeneratedMonth ReadGeneratedMonth(const QString& appFolder, int month, int year, int calendarCount) {
    GeneratedMonth out;
    out.month = month;
    out.year = year;
    const QString prefix = CalendarPrefixOf(month, year);
    for (int n = 1; n <= calendarCount; ++n) {
        const QString path = CalendarFilePath(appFolder, prefix, n);
        if (!QFileInfo(path).isFile())
            continue;
        GeneratedCalendar c;
        c.number = n;
        const SiteDescription d = ReadDescriptionFile(DescriptionFilePath(appFolder, prefix, n));
        c.heading = d.heading;
        c.siteNumberText = d.numberText;
        for (const QString& r : SplitRecords(ReadRecordText(path))) {
            if (r.size() == 8)
                c.records << r;
        }
        out.calendars.push_back(std::move(c));
    }
    return out;
}

} // namespace rp

namespace rp {

GeneratedMonth ReadLastGeneration(const ScheduleState& state, const QString& appFolder) {
    const int month = state.SchedMonth.toInt();
    const int year = state.SchedYear.toInt();
    if (month < 1 || month > 12 || year < 100 || state.CalendarCount < 1 ||
        state.CalendarFilePrefix != CalendarPrefixOf(month, year)) {
        GeneratedMonth none;
        none.month = month;
        none.year = year;
        return none;
    }
    return ReadGeneratedMonth(appFolder, month, year, state.CalendarCount);
}

} // namespace rp
