#include "reports/ui/DutyChart.h"

#include "check/ScheduleCheck.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>

namespace rp {

namespace {

// The maximum an agent gets when it has none of its own.
constexpr int kNoMaximum = 310;

} // namespace

QChart* NewDutyChart(const ScheduleCheck& check) {
    auto* chart = new QChart;
    chart->setTitle(QStringLiteral("Duties per agent"));
    auto* duties = new QBarSet(QStringLiteral("Duties"));
    auto* maxima = new QScatterSeries;
    maxima->setName(QStringLiteral("Maximum"));
    maxima->setMarkerShape(QScatterSeries::MarkerShapeRectangle);
    maxima->setMarkerSize(9);
    QStringList agents;
    int top = 1;
    for (size_t i = 0; i < check.agents.size(); ++i) {
        const ScheduleCheck::Agent& a = check.agents[i];
        agents << a.initials;
        *duties << a.duties;
        top = std::max(top, a.duties);
        if (a.maximum < kNoMaximum) {
            maxima->append(double(i), a.maximum);
            top = std::max(top, a.maximum);
        }
    }
    auto* bars = new QBarSeries;
    bars->append(duties);
    chart->addSeries(bars);
    chart->addSeries(maxima);

    auto* x = new QBarCategoryAxis;
    x->append(agents);
    auto* y = new QValueAxis;
    y->setRange(0, top + 1);
    y->setLabelFormat(QStringLiteral("%d"));
    y->setTickCount(std::clamp(top + 2, 2, 5));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* s : {static_cast<QAbstractSeries*>(bars), static_cast<QAbstractSeries*>(maxima)}) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->setMargins(QMargins(4, 4, 4, 4));
    return chart;
}

} // namespace rp
