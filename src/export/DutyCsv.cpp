#include "export/DutyCsv.h"

#include "model/Tokens.h"

#include <QStringList>

namespace rp {

namespace {

QString line(const QStringList& fields) {
    QStringList quoted;
    for (const QString& f : fields)
        quoted << CsvField(f);
    return quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n");
}

QString weekdayName(const QDate& date) {
    static const char* const names[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    return QLatin1String(names[date.dayOfWeek() - 1]);
}

} // namespace

QString CsvField(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\r')) && !text.contains(QLatin1Char('\n')))
        return text;
    QString doubled = text;
    doubled.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + doubled + QLatin1Char('"');
}

QByteArray DutyCsvText(const std::vector<Duty>& duties) {
    QString text = line({QStringLiteral("Date"), QStringLiteral("Weekday"), QStringLiteral("Site"),
                         QStringLiteral("Slot"), QStringLiteral("Times"), QStringLiteral("Initials"),
                         QStringLiteral("Name")});
    for (const Duty& d : duties) {
        text += line({d.date.toString(Qt::ISODate), weekdayName(d.date), d.site, QString(d.slot),
                      d.times ? d.times->text() : QString(), UnpaddedInitials(d.initials), d.name});
    }
    return text.toUtf8();
}

} // namespace rp
