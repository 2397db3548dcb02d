#pragma once

#include <QString>
#include <functional>
#include <memory>

class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace rp {

class ReportPrinter;
class Ui;
struct Error;

// Opens the printer a report goes to; nothing when the user cancelled the choice.
using OpenPrinter = std::function<std::unique_ptr<ReportPrinter>()>;

// The multi-line text box of the report windows, in the report font with a vertical scroll bar.
QPlainTextEdit* NewReportBox(QWidget* parent);
QPushButton* NewReportButton(QWidget* parent, const QString& name, const QString& caption);
// The box holds lines ended by LF; the reports' texts end them with CR LF.
void SetReportBoxText(QPlainTextEdit* box, const QString& text);
QString ReportBoxText(const QPlainTextEdit* box);

enum class PrintOutcome { Cancelled, Printed, Saved, Failed };
// Prints with the printer the user opens: nothing happens when that is cancelled; the busy pointer shows
// while print produces the pages. Pages that went to a file are reported here as "Saved to FILE"
// (Saved); those sent to a printer are the caller's to report (Printed). On a failure, failure holds the
// printer's error.
PrintOutcome PrintReport(Ui& ui, const OpenPrinter& open, const std::function<bool(ReportPrinter&)>& print,
                         Error& failure);

} // namespace rp
