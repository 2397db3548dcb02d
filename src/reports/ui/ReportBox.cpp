#include "reports/ui/ReportBox.h"

#include "platform/ReportPrinter.h"
#include "platform/Ui.h"
#include "platform/qt/QtReportPrinter.h"
#include "reports/ReportPrinting.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace rp {

QPlainTextEdit* NewReportBox(QWidget* parent) {
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(QStringLiteral("txtReport"));
    box->setFont(ReportFont());
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return box;
}

QPushButton* NewReportButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
}

void SetReportBoxText(QPlainTextEdit* box, const QString& text) {
    QString shown = CrLfText(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    box->setPlainText(shown);
}

QString ReportBoxText(const QPlainTextEdit* box) {
    return CrLfText(box->toPlainText());
}

PrintOutcome PrintReport(Ui& ui, const OpenPrinter& open, const std::function<bool(ReportPrinter&)>& print,
                         Error& failure) {
    const std::unique_ptr<ReportPrinter> printer = open();
    if (!printer)
        return PrintOutcome::Cancelled;
    ui.setBusy(true);
    const bool printed = print(*printer);
    ui.setBusy(false);
    if (printed && !printer->outputFile().isEmpty()) {
        ui.message(QStringLiteral("Saved to ") + printer->outputFile(), QStringLiteral("Printing"),
                   Icon::Information);
        return PrintOutcome::Saved;
    }
    if (printed)
        return PrintOutcome::Printed;
    failure = printer->lastError();
    return PrintOutcome::Failed;
}

} // namespace rp
