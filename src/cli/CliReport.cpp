// rotaplan-cli report: the agent and site reports of the office database, and the assignments-by-agent
// report of a calendar of the month's schedule, as the report windows build them.
#include "cli/CliSession.h"
#include "model/CalendarFiles.h"
#include "platform/ErrorReport.h"
#include "platform/Text.h"
#include "reports/AssignmentsReport.h"
#include "reports/DatabaseReports.h"
#include "workspace/Rendering.h"

#include <algorithm>

namespace rp {

namespace {

void print(CliSession& session, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), session.out());
}

int databaseReport(CliSession& session, int reportType) {
    try {
        print(session, DatabaseReportText(
                           reportType, ReadReportBlocks(session.program().paths.DatabasePath, reportType)));
    } catch (const Error& e) {
        session.complain(ErrorReportText(e));
        return kExitFailure;
    }
    return kExitOk;
}

int assignmentsReport(CliSession& session, int calendar) {
    if (const std::optional<int> stopped = session.schedule())
        return *stopped;
    const Program& program = session.program();
    const ScheduleState& s = program.schedule;
    // The window shows calendar 1 after every generation, also when the month has no calendar (no site
    // has a slot): an empty calendar, whose report lists every agent without duties.
    const int shown = std::max(s.CalendarCount, 1);
    if (calendar > shown) {
        session.complain(QStringLiteral("--calendar %1: the month has %2 calendar%3.")
                             .arg(calendar)
                             .arg(s.CalendarCount)
                             .arg(s.CalendarCount == 1 ? QString() : QStringLiteral("s")));
        return kExitUsage;
    }
    const QString records =
        ReadRecordText(CalendarFilePath(program.paths.AppFolder, s.CalendarFilePrefix, calendar));
    if (trimBlanks(records).isEmpty())
        program.ui.message(QStringLiteral("Site has no time slots entered."),
                           QStringLiteral("Check site Data"));
    const QStringList summaries = BuildAgentSummaries(s.AgentInitials, records);
    print(session, BuildAssignmentsReport(s.AgentInitials, s.AgentNames, summaries));
    return kExitOk;
}

} // namespace

int RunReport(CliSession& session, const CliArguments& arguments) {
    if (arguments.report == QLatin1String("agents"))
        return databaseReport(session, report::kAgentReport);
    if (arguments.report == QLatin1String("sites"))
        return databaseReport(session, report::kSiteReport);
    return assignmentsReport(session, arguments.calendar);
}

} // namespace rp
