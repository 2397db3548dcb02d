#include "reports/ui/frmReport.h"

#include "check/ScheduleCheck.h"
#include "model/Program.h"
#include "platform/ErrorReport.h"
#include "platform/Ui.h"
#include "platform/qt/QtReportPrinter.h"
#include "reports/AssignmentsReport.h"
#include "reports/ui/CheckPage.h"
#include "workspace/Workspace.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace rp {

frmReport::frmReport(Program& program, Workspace& workspace, QWidget* parent)
    : QDialog(parent), program_(program), ws_(workspace) {
    setObjectName(QStringLiteral("frmReport"));
    setWindowTitle(QStringLiteral("REPORT OF ASSIGNMENTS BY AGENT"));
    setModal(true);
    tabReport = new QTabWidget(this);
    tabReport->setObjectName(QStringLiteral("tabReport"));
    txtReport = NewReportBox(tabReport);
    pageCheck = new CheckPage(tabReport);
    tabReport->addTab(txtReport, QStringLiteral("&Report"));
    tabReport->addTab(pageCheck, QStringLiteral("Chec&k"));
    cmdRptPrint = NewReportButton(this, QStringLiteral("cmdRptPrint"), QStringLiteral("Print"));
    cmdRptReturn = NewReportButton(this, QStringLiteral("cmdRptReturn"), QStringLiteral("Close"));
    Label1 = new QLabel(
        QStringLiteral("If you've edited the screen calendar,  you must also edit this report."), this);
    Label1->setObjectName(QStringLiteral("Label1"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Label1);
    buttons->addStretch();
    buttons->addWidget(cmdRptPrint);
    buttons->addWidget(cmdRptReturn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabReport);
    layout->addLayout(buttons);
    resize(760, 520);

    openPrinter = [this] { return QtReportPrinter::choose(this, windowTitle()); };
    connect(cmdRptPrint, &QPushButton::clicked, this, &frmReport::cmdRptPrint_Click);
    connect(cmdRptReturn, &QPushButton::clicked, this, &frmReport::cmdRptReturn_Click);
}

void frmReport::Form_Activate() {
    tabReport->setCurrentIndex(0);
    if (ws_.state.IsSavedSchedule) {
        pageCheck->showCheck(
            {std::nullopt,
             QStringLiteral("The check is made for a generated schedule; a saved one is shown.")});
    } else {
        pageCheck->showCheck(CheckSchedule(program_));
    }
    if (ws_.state.IsSavedSchedule || !ws_.ReportText.isEmpty()) {
        SetReportBoxText(txtReport, ws_.ReportText);
        return;
    }
    const ScheduleState& s = program_.schedule;
    SetReportBoxText(txtReport, BuildAssignmentsReport(s.AgentInitials, s.AgentNames, s.AgentSummary));
}

void frmReport::cmdRptReturn_Click() {
    ws_.ReportText = ReportBoxText(txtReport);
    if (!ws_.state.IsSavedSchedule)
        txtReport->clear();
    done(QDialog::Accepted);
}

void frmReport::reject() {
    cmdRptReturn_Click();
}

void frmReport::cmdRptPrint_Click() {
    Ui& ui = program_.ui;
    ws_.ReportText = ReportBoxText(txtReport);
    const ScheduleState& s = program_.schedule;
    const AssignmentsHeading heading{s.SchedMonth, s.SchedYear, s.SiteHeading, s.RulesText};
    Error failure;
    const PrintOutcome outcome = PrintReport(
        ui, openPrinter, [&](ReportPrinter& p) { return PrintAssignmentsReport(p, ws_.ReportText, heading); },
        failure);
    if (outcome == PrintOutcome::Printed)
        ui.message(QStringLiteral("Report sent to printer"), QStringLiteral("Printing"), Icon::Information);
    else if (outcome == PrintOutcome::Failed)
        ui.message(ErrorReportText(failure), QStringLiteral("frmReport.cmdRptPrint"), Icon::Critical);
}

} // namespace rp
