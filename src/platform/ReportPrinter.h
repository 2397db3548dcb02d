#pragma once

#include "platform/Error.h"

#include <QString>

namespace rp {

// Where a report is printed, line by line: the printer the user chose, a PDF file, or a test's
// recorder. Each call returns false once the printer has failed; lastError() then says why.
class ReportPrinter {
public:
    virtual ~ReportPrinter() = default;

    // Prints one line of text (without line breaks) and moves to the next line. A printer starts a new
    // page by itself when the line would run past the bottom of the page.
    virtual bool line(const QString& text) = 0;
    virtual bool bold(bool on) = 0;
    virtual bool fontSize(int points) = 0;
    // Starts a new page; a page break with nothing printed after it leaves no empty sheet.
    virtual bool newPage() = 0;
    // Ends the document, which sends it to the printer.
    virtual bool endDocument() = 0;
    virtual Error lastError() const = 0;
    // The file the pages go to when the user chose one in place of a printer; empty for a printer.
    virtual QString outputFile() const { return {}; }
};

} // namespace rp
