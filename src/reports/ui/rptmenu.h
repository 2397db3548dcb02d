#pragma once

#include "reports/ui/ReportBox.h"

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;
class QPushButton;

namespace rp {

struct Program;

// "REPORT": the agent or the site report, read afresh from the office database each time the window is
// opened, and printed from the blocks read (typing in the box changes nothing on paper).
class rptmenu : public QDialog {
    Q_OBJECT
public:
    explicit rptmenu(Program& program, QWidget* parent = nullptr);

    QPlainTextEdit* txtReport;
    QPushButton* cmdRptPrint;
    QPushButton* cmdRptReturn;

    // Which report the next opening builds: report::kAgentReport or report::kSiteReport.
    int ReportType = 0;

    // Builds the chosen report into the box, emptied first, once for each opening of the window. False,
    // after its message, when nothing was built. Throws ProgramEnded when the database cannot be accessed.
    bool BuildReport();
    void cmdRptPrint_Click();
    void cmdRptReturn_Click();

    // The printer of PRINT; the default shows the print dialog. Tests print to a recorder or a file.
    OpenPrinter openPrinter;

protected:
    // Escape and the frame's close button leave the way EXIT does.
    void reject() override;

private:
    Program& program_;
    QStringList blocks_;
    int builtType_ = 0;
};

} // namespace rp
