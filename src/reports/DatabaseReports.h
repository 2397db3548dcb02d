#pragma once

#include <QString>
#include <QStringList>

namespace rp {

class Recordset;
class ReportPrinter;

// The agent and site reports: one text block per row of the Agents or Sites table of the office
// database, in the order the table yields its rows.
namespace report {
inline constexpr int kAgentReport = 1;
inline constexpr int kSiteReport = 2;
// What an empty (Null or blank) field shows.
inline const QString kEmptyField = QStringLiteral("     ");
} // namespace report

// The block of the agent or site on the cursor's current row, ended by an empty line.
QString AgentReportBlock(const Recordset& rs);
QString SiteReportBlock(const Recordset& rs);

// The blocks of every row of the report's table, however many rows there are. Throws the database's
// Error: 3051 when the file cannot be accessed, 3021 (no current record) for a table without rows.
QStringList ReadReportBlocks(const QString& databasePath, int reportType);

// The heading, an empty line, then every block followed by CR LF.
QString DatabaseReportText(int reportType, const QStringList& blocks);

// Prints the blocks and ends the document: a bold heading on the first page, then 8 agent or 5 site
// blocks to a page. False as soon as the printer fails.
bool PrintDatabaseReport(ReportPrinter& printer, int reportType, const QStringList& blocks);

} // namespace rp
