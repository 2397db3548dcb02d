#include "reports/ui/CheckPage.h"

#include "check/CheckReport.h"
#include "check/ScheduleCheck.h"
#include "platform/qt/QtReportPrinter.h"
#include "reports/ui/DutyChart.h"

#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QVBoxLayout>

namespace rp {

CheckPage::CheckPage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("pageCheck"));
    txtCheck = new QPlainTextEdit(this);
    txtCheck->setObjectName(QStringLiteral("txtCheck"));
    txtCheck->setReadOnly(true);
    txtCheck->setFont(ReportFont());
    txtCheck->setLineWrapMode(QPlainTextEdit::NoWrap);
    chartDuties = new QChartView(this);
    chartDuties->setObjectName(QStringLiteral("chartDuties"));
    chartDuties->setRenderHint(QPainter::Antialiasing);
    chartDuties->setMinimumHeight(180);
    lstGaps = new QListWidget(this);
    lstGaps->setObjectName(QStringLiteral("lstGaps"));
    lstGaps->setFont(ReportFont());
    lblGaps = new QLabel(QStringLiteral("'AGT?' slots and who could still take them:"), this);
    lblGaps->setObjectName(QStringLiteral("lblGaps"));
    lblGaps->setBuddy(lstGaps);

    auto* lower = new QWidget(this);
    auto* lowerLayout = new QVBoxLayout(lower);
    lowerLayout->setContentsMargins(0, 0, 0, 0);
    lowerLayout->addWidget(lblGaps);
    lowerLayout->addWidget(lstGaps);
    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(txtCheck);
    split->addWidget(chartDuties);
    split->addWidget(lower);
    // The chart gets the most room: squeezed, its axis labels give way to dots.
    split->setSizes({130, 220, 90});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(split);
}

void CheckPage::showCheck(const ScheduleCheckRun& run) {
    lstGaps->clear();
    QChart* old = chartDuties->chart();
    if (!run.check) {
        txtCheck->setPlainText(run.problem);
        chartDuties->setChart(new QChart);
        delete old;
        return;
    }
    const ScheduleCheck& c = *run.check;
    txtCheck->setPlainText(ScheduleCheckText(c));
    chartDuties->setChart(NewDutyChart(c));
    delete old;
    lblGaps->setText(c.gaps.empty() ? QStringLiteral("'AGT?' slots: none, every open slot is filled.")
                                    : QStringLiteral("'AGT?' slots and who could still take them:"));
    for (const ScheduleCheck::Gap& g : c.gaps) {
        lstGaps->addItem(
            CheckDateText(g.date) + QLatin1Char(' ') + g.site + QLatin1Char(' ') + g.slot +
            QStringLiteral(": ") +
            (g.candidates.isEmpty() ? QStringLiteral("nobody") : g.candidates.join(QStringLiteral(", "))));
    }
}

} // namespace rp
