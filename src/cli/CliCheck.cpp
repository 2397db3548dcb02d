// rotaplan-cli check: the month generated, then its schedule check as text or JSON.
#include "check/CheckReport.h"
#include "check/ScheduleCheck.h"
#include "cli/CliSession.h"

namespace rp {

int RunCheck(CliSession& session, const CliArguments& arguments) {
    if (const std::optional<int> stopped = session.generate())
        return *stopped;
    const ScheduleCheckRun run = CheckSchedule(session.program());
    if (!run.check) {
        session.complain(run.problem);
        return kExitIncomplete;
    }
    const QByteArray text =
        arguments.json ? ScheduleCheckJson(*run.check) : ScheduleCheckText(*run.check).toUtf8();
    std::fwrite(text.constData(), 1, size_t(text.size()), session.out());
    return run.check->allFilled() ? kExitOk : kExitIncomplete;
}

} // namespace rp
