// rotaplan-cli generate: the month generated, its summary, and the duties exported when asked.
#include "cli/CliSession.h"
#include "export/DutyExport.h"
#include "platform/ErrorReport.h"
#include "platform/Text.h"

#include <QDir>

namespace rp {

namespace {

void printSummary(CliSession& session) {
    FILE* out = session.out();
    const Program& program = session.program();
    const ScheduleState& s = program.schedule;
    const GenerationSummary& summary = session.summary();
    std::fprintf(out, "Program folder: %s\n", qUtf8Printable(program.paths.AppFolder));
    std::fprintf(out, "Month: %s/%s\n", qUtf8Printable(s.SchedMonth), qUtf8Printable(s.SchedYear));
    std::fprintf(out, "Calendars written: %d\n", summary.linkError ? 0 : s.CalendarCount);
    if (!summary.linkError) {
        for (const auto& c : summary.calendars)
            std::fprintf(out, "  %s  %s\n", qUtf8Printable(c.fileName),
                         qUtf8Printable(trimBlanks(c.heading)));
    }
    std::fprintf(out, "Rules: %s\n", qUtf8Printable(s.RulesText));
    if (summary.gapsFilled)
        std::fprintf(out, "Gaps filled: %d\n", *summary.gapsFilled);
    std::fprintf(out, "Rotation start: %d\n", summary.rotationStart);
    std::fprintf(out, "Agent working order: %s\n", qUtf8Printable(s.AgentInitials.join(QLatin1Char(' '))));
}

int exportDuties(CliSession& session, const CliArguments& arguments) {
    DutyExportTarget target;
    target.calendarFolder = arguments.icsFolder;
    target.csvFile = arguments.csvFile;
    if (!target.calendarFolder.isEmpty() && !QDir().mkpath(target.calendarFolder)) {
        session.complain(QStringLiteral("the folder %1 cannot be created.").arg(target.calendarFolder));
        return kExitFailure;
    }
    try {
        const DutyExportResult result = ExportDuties(session.program(), target);
        if (!result.problem.isEmpty()) {
            session.complain(result.problem);
            return kExitIncomplete;
        }
        std::fprintf(session.out(), "Duties exported: %d, in %d files\n", result.duties,
                     int(result.files.size()));
    } catch (const Error& e) {
        session.complain(QStringLiteral("the duties cannot be written. ") + ErrorReportText(e));
        return kExitFailure;
    }
    return kExitOk;
}

} // namespace

int RunGenerate(CliSession& session, const CliArguments& arguments) {
    const std::optional<int> stopped = session.generate();
    if (session.generated())
        printSummary(session);
    if (stopped)
        return *stopped;
    if (!arguments.icsFolder.isEmpty() || !arguments.csvFile.isEmpty())
        return exportDuties(session, arguments);
    return kExitOk;
}

} // namespace rp
