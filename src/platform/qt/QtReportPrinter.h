#pragma once

#include "platform/ReportPrinter.h"

#include <QFont>
#include <QPageSize>
#include <QPainter>
#include <memory>

class QPrinter;
class QWidget;

namespace rp {

// The fixed-pitch font of the reports, on screen and on paper: "Courier New", or the system's fixed
// font where it is missing.
QFont ReportFont(int points = 10);

// A report printer on QPrinter: the printer chosen in the print dialog (which also offers printing to a
// PDF file), or a PDF file. Lines are printed in the report font (10 points until the report sets a
// size) and never wrapped; a line that would run past the bottom of the page goes to a new page,
// whatever the font and paper.
class QtReportPrinter : public ReportPrinter {
public:
    // Shows the print dialog; nothing when the user cancels it.
    static std::unique_ptr<ReportPrinter> choose(QWidget* parent, const QString& documentName);
    // Prints to a PDF file on paper of the given size.
    static std::unique_ptr<ReportPrinter> toPdf(const QString& path,
                                                const QPageSize& paper = QPageSize(QPageSize::Letter));
    ~QtReportPrinter() override;

    bool line(const QString& text) override;
    bool bold(bool on) override;
    bool fontSize(int points) override;
    bool newPage() override;
    bool endDocument() override;
    Error lastError() const override;
    QString outputFile() const override;

private:
    explicit QtReportPrinter(std::unique_ptr<QPrinter> printer);
    // Painting begins with the first call, once the printer is set up.
    bool started();
    bool fail();
    void applyFont();

    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    int points_ = 10;
    bool bold_ = false;
    qreal y_ = 0;
    bool pageUsed_ = false;
    bool pageBreakPending_ = false;
    bool failed_ = false;
    bool ended_ = false;
};

} // namespace rp
