#include "export/DutyList.h"

#include "generator/GeneratedMonth.h"
#include "model/SlotTimesFile.h"
#include "model/Tokens.h"

#include <QMap>
#include <algorithm>
#include <tuple>

namespace rp {

QString ShiftOfSlot(QChar slot) {
    if (slot == QLatin1Char('A') || slot == QLatin1Char('B'))
        return QStringLiteral("AM");
    if (slot >= QLatin1Char('C') && slot <= QLatin1Char('F'))
        return QStringLiteral("PM1");
    return QStringLiteral("PM2");
}

std::vector<Duty> CollectDuties(const GeneratedMonth& month, const QString& appFolder,
                                const QHash<QString, QString>& namesByInitials) {
    std::vector<Duty> duties;
    for (const GeneratedCalendar& cal : month.calendars) {
        // The slot texts of each weekday of this site, read once.
        QMap<int, std::array<QString, 8>> times;
        auto timesOf = [&](int weekday) -> const std::array<QString, 8>& {
            auto it = times.find(weekday);
            if (it == times.end()) {
                std::array<QString, 8> texts;
                try {
                    texts =
                        ReadSiteTimes(TimesFilePath(appFolder, cal.siteNumberText, cal.siteName(), weekday))
                            .SlotText;
                } catch (const Error&) {
                    // A site whose name cannot name a times file, or a file that cannot be read, has no
                    // times.
                }
                it = times.insert(weekday, texts);
            }
            return *it;
        };
        for (const QString& r : cal.records) {
            const QString initials = r.mid(4, 4);
            const QChar slot = r[2];
            const int day = r.left(2).toInt();
            const QDate date(month.year, month.month, day);
            if (initials == kUnfilled || !date.isValid() || day < 1 || slot < QLatin1Char('A') ||
                slot > QLatin1Char('H'))
                continue;
            Duty d;
            d.date = date;
            d.calendar = cal.number;
            d.site = cal.siteName();
            d.siteNumber = cal.siteNumberText;
            d.slot = slot;
            d.initials = initials;
            d.name = namesByInitials.value(initials);
            const int weekday = date.dayOfWeek() % 7 + 1; // 1 = Sunday
            d.times = ParseSlotTimeRange(timesOf(weekday)[size_t(slot.unicode() - 'A')]);
            duties.push_back(std::move(d));
        }
    }
    std::stable_sort(duties.begin(), duties.end(), [](const Duty& a, const Duty& b) {
        return std::tie(a.date, a.calendar, a.slot, a.initials) <
               std::tie(b.date, b.calendar, b.slot, b.initials);
    });
    return duties;
}

} // namespace rp
