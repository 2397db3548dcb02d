#include "reports/ui/rptmenu.h"

#include "model/Program.h"
#include "platform/ErrorReport.h"
#include "platform/Ui.h"
#include "platform/qt/QtReportPrinter.h"
#include "reports/DatabaseReports.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace rp {

rptmenu::rptmenu(Program& program, QWidget* parent) : QDialog(parent), program_(program) {
    setObjectName(QStringLiteral("rptmenu"));
    setWindowTitle(QStringLiteral("REPORT"));
    setModal(true);
    txtReport = NewReportBox(this);
    txtReport->setLineWrapMode(QPlainTextEdit::NoWrap);
    cmdRptPrint = NewReportButton(this, QStringLiteral("cmdRptPrint"), QStringLiteral("PRINT"));
    cmdRptReturn = NewReportButton(this, QStringLiteral("cmdRptReturn"), QStringLiteral("EXIT"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdRptPrint);
    buttons->addWidget(cmdRptReturn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(txtReport);
    layout->addLayout(buttons);
    resize(640, 520);

    openPrinter = [this] { return QtReportPrinter::choose(this, windowTitle()); };
    connect(cmdRptPrint, &QPushButton::clicked, this, &rptmenu::cmdRptPrint_Click);
    connect(cmdRptReturn, &QPushButton::clicked, this, &rptmenu::cmdRptReturn_Click);
}

bool rptmenu::BuildReport() {
    Ui& ui = program_.ui;
    // An earlier report never stays behind, neither on screen nor for PRINT.
    txtReport->clear();
    blocks_.clear();
    builtType_ = 0;
    if (ReportType != report::kAgentReport && ReportType != report::kSiteReport) {
        ui.message(QStringLiteral("No report type chosen"));
        return false;
    }
    try {
        blocks_ = ReadReportBlocks(program_.paths.DatabasePath, ReportType);
    } catch (const Error& e) {
        ReportError(ui, e, QStringLiteral("rptMenu"), program_.paths.DatabasePath);
        return false;
    }
    builtType_ = ReportType;
    SetReportBoxText(txtReport, DatabaseReportText(ReportType, blocks_));
    return true;
}

void rptmenu::cmdRptPrint_Click() {
    Ui& ui = program_.ui;
    Error failure;
    const PrintOutcome outcome = PrintReport(
        ui, openPrinter, [this](ReportPrinter& p) { return PrintDatabaseReport(p, builtType_, blocks_); },
        failure);
    if (outcome == PrintOutcome::Printed)
        ui.message(QStringLiteral("Your report has been sent to the printer"), QStringLiteral("Printing"),
                   Icon::Information);
    else if (outcome == PrintOutcome::Failed)
        ui.message(QStringLiteral("Error") + failure.description, QStringLiteral("Report Menu"), Icon::None,
                   Buttons::Ok);
}

void rptmenu::cmdRptReturn_Click() {
    done(QDialog::Accepted);
}

void rptmenu::reject() {
    cmdRptReturn_Click();
}

} // namespace rp
