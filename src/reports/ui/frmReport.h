#pragma once

#include "reports/ui/ReportBox.h"

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace rp {

class CheckPage;
struct Program;
struct Workspace;

// "REPORT OF ASSIGNMENTS BY AGENT": each agent's duties at the shown site. The user may edit the text
// before printing; the edited text is kept in the workspace's ReportText and wins over a rebuild until the
// main window empties it (Generate, Next Site).
class frmReport : public QDialog {
    Q_OBJECT
public:
    frmReport(Program& program, Workspace& workspace, QWidget* parent = nullptr);

    QTabWidget* tabReport; // the report, and the "Check" page of the month last generated
    QPlainTextEdit* txtReport;
    CheckPage* pageCheck;
    QPushButton* cmdRptPrint;
    QPushButton* cmdRptReturn;
    QLabel* Label1;

    // On each opening: a saved schedule shows its stored report (ReportText); otherwise ReportText when
    // there is one, else the report built from the shown site. The check is made afresh.
    void Form_Activate();
    void cmdRptPrint_Click();
    void cmdRptReturn_Click();

    // The printer of Print; the default shows the print dialog. Tests print to a recorder or a file.
    OpenPrinter openPrinter;

protected:
    // Escape and the frame's close button keep the text the way Close does.
    void reject() override;

private:
    Program& program_;
    Workspace& ws_;
};

} // namespace rp
