#include "reports/DatabaseReports.h"

#include "model/OfficeDatabase.h"
#include "platform/Database.h"
#include "platform/ReportPrinter.h"
#include "reports/ReportPrinting.h"

namespace rp {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString shown(const Recordset& rs, const QString& name) {
    const QString text = textField(rs, name);
    return text.isEmpty() ? report::kEmptyField : text;
}

// A number without its sign when it is not negative: a blank stands in its place.
QString signedNumber(const Recordset& rs, const QString& name) {
    const std::optional<qint64> n = numberField(rs, name);
    if (!n)
        return report::kEmptyField;
    return (*n < 0 ? QString() : QStringLiteral(" ")) + QString::number(*n);
}

} // namespace

QString AgentReportBlock(const Recordset& rs) {
    auto f = [&](const char* name) { return shown(rs, QLatin1String(name)); };
    QString block = f("fdName") + QStringLiteral(" / ") + f("fdInitial") + QStringLiteral(". SITES ON: ") +
                    f("fdAssigned") + QStringLiteral(". MAX TIMES: ") +
                    textField(rs, QStringLiteral("fdMaxTimes")) + kCrLf;
    block += QStringLiteral("OFF ALL: ") + f("fdOffAll") + kCrLf;
    block += QStringLiteral("OFF AM: ") + f("fdoffam") + kCrLf;
    block += QStringLiteral("OFF PM1: ") + f("fdoffPM1") + kCrLf;
    block += QStringLiteral("OFF PM2: ") + f("fdoffPM2") + kCrLf;
    block += QStringLiteral("MANUAL (on only): ") + f("fdManOn1") + QLatin1Char(' ') + f("fdManOn2") + kCrLf;
    return block + kCrLf;
}

QString SiteReportBlock(const Recordset& rs) {
    static const char* const days[] = {"SUN:", "MON:", "TUE:", "WED:", "THU:", "FRI:", "SAT:"};
    QString block = shown(rs, QStringLiteral("fdSName")) + QStringLiteral(".  LINK (if any): ") +
                    shown(rs, QStringLiteral("fdLink")) + kCrLf + QStringLiteral("        AM PM1 PM2") +
                    kCrLf;
    for (int k = 1; k <= 7; ++k) {
        const QString n = QString::number(k);
        block += QLatin1String(days[k - 1]) + QStringLiteral("   ") +
                 signedNumber(rs, QStringLiteral("fdAM") + n) + QStringLiteral("  ") +
                 signedNumber(rs, QStringLiteral("fdPM") + n) + QStringLiteral("  ") +
                 signedNumber(rs, QStringLiteral("fdEV") + n) + kCrLf;
    }
    block += kCrLf + QStringLiteral("DAYS CLOSED (if any): ") + shown(rs, QStringLiteral("fdsClose")) + kCrLf;
    return block + kCrLf;
}

QStringList ReadReportBlocks(const QString& databasePath, int reportType) {
    const bool agents = reportType == report::kAgentReport;
    const auto db = Database::open(databasePath);
    const auto rs = db->openTable(agents ? office::kAgents : office::kSites);
    rs->moveLast(); // a table without rows has no last row
    const int count = rs->recordCount();
    rs->moveFirst();
    QStringList blocks;
    for (int k = 1; k <= count; ++k) {
        blocks << (agents ? AgentReportBlock(*rs) : SiteReportBlock(*rs));
        rs->moveNext();
    }
    return blocks;
}

QString DatabaseReportText(int reportType, const QStringList& blocks) {
    QString text = (reportType == report::kAgentReport ? QStringLiteral("AGENT REPORT. ROTAPLAN.")
                                                       : QStringLiteral("SITE REPORT. ROTAPLAN.")) +
                   kCrLf + kCrLf;
    for (const QString& block : blocks)
        text += block + kCrLf;
    return text;
}

bool PrintDatabaseReport(ReportPrinter& printer, int reportType, const QStringList& blocks) {
    const bool agents = reportType == report::kAgentReport;
    const bool headed =
        printer.line(QString()) && printer.bold(true) &&
        printer.line(QStringLiteral("ROTAPLAN REPORT. ") +
                     (agents ? QStringLiteral("Agent Report.") : QStringLiteral("Sites Report."))) &&
        printer.line(QString()) && printer.bold(false);
    if (!headed)
        return false;
    const int perPage = agents ? 8 : 5;
    int counter = 0;
    for (const QString& block : blocks) {
        if (block.size() <= 1)
            continue;
        if (!PrintItem(printer, block))
            return false;
        if (++counter >= perPage) {
            if (!printer.newPage())
                return false;
            counter = 0;
        }
    }
    return printer.endDocument();
}

} // namespace rp
