// rotaplan-cli check: the schedule check of the month's schedule, as text or JSON.
#include "check/CheckReport.h"
#include "check/ScheduleCheck.h"
#include "cli/CliSession.h"

namespace rp {

int RunCheck(CliSession& session, const CliArguments& arguments) {
    if (const std::optional<int> stopped = session.schedule())
        return *stopped;
    session.warnAboutMonth(); // the check reads the days off and requests too
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
