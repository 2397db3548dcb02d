#include "check/CheckReport.h"

#include "check/ScheduleCheck.h"

#include <QDate>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>

namespace rp {

namespace {

const QString kNl = QStringLiteral("\n");

QString number(double value) {
    return QString::number(value, 'f', value == std::floor(value) ? 0 : 2);
}

QString column(const QString& text, int width) {
    return text.rightJustified(width);
}

QString agentLabel(const ScheduleCheck::Agent& a) {
    return a.name.isEmpty() ? a.initials : a.name + QStringLiteral(" (") + a.initials + QLatin1Char(')');
}

QString requestText(const ScheduleCheck::Request& r) {
    return QStringLiteral("%1 at site %2 %3")
        .arg(r.entry)
        .arg(r.site)
        .arg(r.placed ? QStringLiteral("placed") : QStringLiteral("NOT PLACED"));
}

} // namespace

QString CheckDateText(const QDate& date) {
    static const char* const names[] = {"MON", "TUE", "WED", "THU", "FRI", "SAT", "SUN"};
    if (!date.isValid())
        return QStringLiteral("?");
    return QLatin1String(names[date.dayOfWeek() - 1]) + QLatin1Char(' ') +
           date.toString(QStringLiteral("MM/dd/yyyy"));
}

QString ScheduleCheckText(const ScheduleCheck& c) {
    QString t = QStringLiteral("SCHEDULE CHECK. %1/%2.").arg(c.month).arg(c.year) + kNl;
    if (!c.rules.isEmpty())
        t += c.rules + kNl;
    t += kNl;

    t += QStringLiteral("SITES").leftJustified(34) + column(QStringLiteral("OPEN"), 6) +
         column(QStringLiteral("FILLED"), 8) + column(QStringLiteral("AGT?"), 6) +
         column(QStringLiteral("MANUAL"), 8) + kNl;
    for (const ScheduleCheck::Site& s : c.sites) {
        t += (s.name + QStringLiteral(" (site %1, calendar %2)").arg(s.number).arg(s.calendar))
                 .leftJustified(34) +
             column(QString::number(s.open()), 6) + column(QString::number(s.filled), 8) +
             column(QString::number(s.unfilled), 6) + column(QString::number(s.manual), 8) + kNl;
    }
    t += kNl;

    t += QStringLiteral("AGENTS").leftJustified(30) + column(QStringLiteral("DUTIES"), 7) +
         column(QStringLiteral("MAX"), 6) + QStringLiteral("  FEWEST DAYS APART") + kNl;
    for (const ScheduleCheck::Agent& a : c.agents) {
        t += agentLabel(a).leftJustified(30) + column(QString::number(a.duties), 7) +
             column(QString::number(a.maximum), 6) + QStringLiteral("  ") +
             (a.fewestDaysBetween ? QString::number(*a.fewestDaysBetween) : QStringLiteral("-")) + kNl;
        if (!a.requests.empty()) {
            QStringList requests;
            for (const ScheduleCheck::Request& r : a.requests)
                requests << requestText(r);
            t += QStringLiteral("    requests: ") + requests.join(QStringLiteral("; ")) + kNl;
        }
    }
    t += kNl;

    const ScheduleCheck::Spread& s = c.spread;
    t += QStringLiteral("SPREAD over %1 agents who can work: minimum %2, median %3, maximum %4, "
                        "standard deviation %5; %6 with none.")
             .arg(s.agents)
             .arg(s.minimum)
             .arg(number(s.median))
             .arg(s.maximum)
             .arg(number(s.standardDeviation))
             .arg(s.withNone) +
         kNl + kNl;

    t += QStringLiteral("AGT? SLOTS: %1. A maximum matching over the hard rules could fill %2 of them.")
             .arg(c.unfilled)
             .arg(c.matchable) +
         kNl;
    if (c.gapsFilled)
        t += QStringLiteral("Gap filling filled %1.").arg(*c.gapsFilled) + kNl;
    for (const ScheduleCheck::Gap& g : c.gaps) {
        t += CheckDateText(g.date) + QLatin1Char(' ') + g.site + QLatin1Char(' ') + g.slot +
             QStringLiteral(": ") +
             (g.candidates.isEmpty() ? QStringLiteral("nobody") : g.candidates.join(QLatin1Char(' '))) + kNl;
    }
    return t;
}

QByteArray ScheduleCheckJson(const ScheduleCheck& c) {
    QJsonObject root;
    root[QStringLiteral("month")] = c.month;
    root[QStringLiteral("year")] = c.year;
    root[QStringLiteral("rules")] = c.rules;
    QJsonArray sites;
    for (const ScheduleCheck::Site& s : c.sites) {
        sites.append(QJsonObject{{QStringLiteral("calendar"), s.calendar},
                                 {QStringLiteral("name"), s.name},
                                 {QStringLiteral("number"), s.number},
                                 {QStringLiteral("records"), s.records},
                                 {QStringLiteral("open"), s.open()},
                                 {QStringLiteral("manual"), s.manual},
                                 {QStringLiteral("filled"), s.filled},
                                 {QStringLiteral("unfilled"), s.unfilled}});
    }
    root[QStringLiteral("sites")] = sites;
    QJsonArray agents;
    for (const ScheduleCheck::Agent& a : c.agents) {
        QJsonArray requests;
        for (const ScheduleCheck::Request& r : a.requests) {
            requests.append(QJsonObject{{QStringLiteral("entry"), r.entry},
                                        {QStringLiteral("site"), r.site},
                                        {QStringLiteral("placed"), r.placed}});
        }
        agents.append(QJsonObject{{QStringLiteral("initials"), a.initials},
                                  {QStringLiteral("name"), a.name},
                                  {QStringLiteral("duties"), a.duties},
                                  {QStringLiteral("maximum"), a.maximum},
                                  {QStringLiteral("fewestDaysBetween"), a.fewestDaysBetween
                                                                            ? QJsonValue(*a.fewestDaysBetween)
                                                                            : QJsonValue(QJsonValue::Null)},
                                  {QStringLiteral("canWork"), a.canWork},
                                  {QStringLiteral("requests"), requests}});
    }
    root[QStringLiteral("agents")] = agents;
    const ScheduleCheck::Spread& s = c.spread;
    root[QStringLiteral("spread")] = QJsonObject{{QStringLiteral("agents"), s.agents},
                                                 {QStringLiteral("minimum"), s.minimum},
                                                 {QStringLiteral("median"), s.median},
                                                 {QStringLiteral("maximum"), s.maximum},
                                                 {QStringLiteral("standardDeviation"), s.standardDeviation},
                                                 {QStringLiteral("withNone"), s.withNone}};
    QJsonArray gaps;
    for (const ScheduleCheck::Gap& g : c.gaps) {
        gaps.append(QJsonObject{{QStringLiteral("date"), g.date.toString(Qt::ISODate)},
                                {QStringLiteral("calendar"), g.calendar},
                                {QStringLiteral("site"), g.site},
                                {QStringLiteral("slot"), QString(g.slot)},
                                {QStringLiteral("candidates"), QJsonArray::fromStringList(g.candidates)}});
    }
    root[QStringLiteral("unfilledSlots")] = gaps;
    root[QStringLiteral("unfilled")] = c.unfilled;
    root[QStringLiteral("matchable")] = c.matchable;
    root[QStringLiteral("gapsFilled")] =
        c.gapsFilled ? QJsonValue(*c.gapsFilled) : QJsonValue(QJsonValue::Null);
    root[QStringLiteral("allFilled")] = c.allFilled();
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

} // namespace rp
