#include "platform/qt/QtReportPrinter.h"

#include <QFontDatabase>
#include <QPrintDialog>
#include <QPrinter>

namespace rp {

namespace {

const QMarginsF kMargins(15, 15, 15, 15); // millimetres
// The runtime's number and description of a failed print job.
const Error kPrinterError{482, QStringLiteral("Printer error")};

} // namespace

QFont ReportFont(int points) {
    const QString family = QStringLiteral("Courier New");
    QFont font = QFontDatabase::hasFamily(family) ? QFont(family)
                                                  : QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    font.setFixedPitch(true);
    font.setPointSize(points);
    return font;
}

std::unique_ptr<ReportPrinter> QtReportPrinter::choose(QWidget* parent, const QString& documentName) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(documentName);
    printer->setPageMargins(kMargins, QPageLayout::Millimeter);
    QPrintDialog dialog(printer.get(), parent);
    if (dialog.exec() != QDialog::Accepted)
        return nullptr;
    return std::unique_ptr<ReportPrinter>(new QtReportPrinter(std::move(printer)));
}

std::unique_ptr<ReportPrinter> QtReportPrinter::toPdf(const QString& path, const QPageSize& paper) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    printer->setPageSize(paper);
    printer->setPageMargins(kMargins, QPageLayout::Millimeter);
    return std::unique_ptr<ReportPrinter>(new QtReportPrinter(std::move(printer)));
}

QtReportPrinter::QtReportPrinter(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}

QtReportPrinter::~QtReportPrinter() {
    if (painter_.isActive())
        painter_.end();
}

bool QtReportPrinter::fail() {
    failed_ = true;
    return false;
}

bool QtReportPrinter::started() {
    if (failed_ || ended_)
        return false;
    if (painter_.isActive())
        return true;
    if (!painter_.begin(printer_.get()))
        return fail();
    applyFont();
    return true;
}

void QtReportPrinter::applyFont() {
    QFont font = ReportFont(points_);
    font.setBold(bold_);
    painter_.setFont(font);
}

bool QtReportPrinter::line(const QString& text) {
    if (!started())
        return false;
    const QFontMetricsF metrics(painter_.font(), printer_.get());
    const bool pageFull = pageUsed_ && y_ + metrics.height() > printer_->height();
    if (pageBreakPending_ || pageFull) {
        if (!printer_->newPage())
            return fail();
        y_ = 0;
        pageBreakPending_ = false;
    }
    painter_.drawText(QPointF(0, y_ + metrics.ascent()), text);
    y_ += metrics.lineSpacing();
    pageUsed_ = true;
    return true;
}

bool QtReportPrinter::bold(bool on) {
    if (!started())
        return false;
    bold_ = on;
    applyFont();
    return true;
}

bool QtReportPrinter::fontSize(int points) {
    if (!started())
        return false;
    if (points > 0)
        points_ = points;
    applyFont();
    return true;
}

bool QtReportPrinter::newPage() {
    if (!started())
        return false;
    // The page starts with the next line, so that a break at the end leaves no empty sheet.
    pageBreakPending_ = pageUsed_;
    return true;
}

bool QtReportPrinter::endDocument() {
    if (!started())
        return false;
    ended_ = true;
    if (!painter_.end())
        return fail();
    return true;
}

Error QtReportPrinter::lastError() const {
    return kPrinterError;
}

QString QtReportPrinter::outputFile() const {
    return printer_->outputFormat() == QPrinter::PdfFormat ? printer_->outputFileName() : QString();
}

} // namespace rp
