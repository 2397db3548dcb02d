#include "reports/ReportPrinting.h"

#include "platform/ReportPrinter.h"

#include <QRegularExpression>

namespace rp {

namespace {
const QRegularExpression& lineBreak() {
    static const QRegularExpression re(QStringLiteral("\r\n|\r|\n"));
    return re;
}
} // namespace

QString CrLfText(const QString& text) {
    return text.split(lineBreak()).join(QStringLiteral("\r\n"));
}

QStringList PrintedLines(const QString& item) {
    return item.split(lineBreak());
}

bool PrintItem(ReportPrinter& printer, const QString& item) {
    for (const QString& line : PrintedLines(item)) {
        if (!printer.line(line))
            return false;
    }
    return true;
}

} // namespace rp
