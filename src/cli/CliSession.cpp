#include "cli/CliSession.h"

#include "display_settings/DisplaySettings.h"
#include "generator/AgentLoader.h"
#include "generator/GeneratedMonth.h"
#include "model/CalendarFiles.h"
#include "model/EngineSettings.h"
#include "model/Tokens.h"
#include "platform/ErrorReport.h"
#include "workspace/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

namespace rp {

CliSession::CliSession(const CliArguments& arguments, const QString& executableDir, FILE* out, FILE* err)
    : arguments_(arguments), executableDir_(executableDir), out_(out), err_(err), ui_(err) {}

void CliSession::complain(const QString& text) const {
    std::fprintf(err_, "rotaplan-cli: %s\n", qUtf8Printable(text));
}

// Every command but the agent and site reports reads or replaces the calendar files of the folder, which
// the desktop program writes and deletes.
bool CliSession::usesCalendarFiles() const {
    return arguments_.command != CliArguments::Command::Report ||
           arguments_.report == QLatin1String("assignments");
}

std::optional<int> CliSession::lockFolder(const QString& folder) {
    if (!usesCalendarFiles())
        return std::nullopt;
    const QString shown = QDir::toNativeSeparators(QFileInfo(folder).absoluteFilePath());
    lock_ = std::make_unique<SingleCopyLock>(folder);
    switch (lock_->take()) {
    case SingleCopyLock::Outcome::Taken:
        return std::nullopt;
    case SingleCopyLock::Outcome::Held:
        if (lock_->holder() == QLatin1String("rotaplan-cli"))
            complain(QStringLiteral("the program folder %1 is in use by another rotaplan-cli command; run "
                                    "this one when it has finished.")
                         .arg(shown));
        else
            complain(QStringLiteral("the program folder %1 is open in the desktop program; close the "
                                    "program, then run the command again.")
                         .arg(shown));
        break;
    case SingleCopyLock::Outcome::Failed:
        complain(QStringLiteral("the program folder %1 cannot be locked for writing.").arg(shown));
        break;
    }
    lock_.reset();
    return kExitFailure;
}

std::optional<int> CliSession::open() {
    QString folder = arguments_.appFolder;
    if (folder.isEmpty()) {
        // As the desktop program does: only the folder itself is made before the lock, which lives there.
        folder = LocateAppFolder(executableDir_);
        const bool isNew = !QFileInfo::exists(folder);
        if (!QDir().mkpath(folder)) {
            complain(QStringLiteral("the program folder %1 cannot be created.").arg(folder));
            return kExitFailure;
        }
        if (const std::optional<int> refused = lockFolder(folder))
            return refused;
        if (!PrepareAppFolder(folder, LocateResources(executableDir_), isNew)) {
            complain(QStringLiteral("the program folder %1 cannot be created.").arg(folder));
            return kExitFailure;
        }
    } else if (!QFileInfo(folder).isDir()) {
        complain(QStringLiteral("%1 is not a folder.").arg(folder));
        return kExitUsage;
    } else if (const std::optional<int> refused = lockFolder(folder)) {
        return refused;
    }
    program_ = std::make_unique<Program>(ui_, QFileInfo(folder).absoluteFilePath());
    DisplaySettings(*program_).loadAtStart();
    monthFile_ = ReadMonthFile(program_->paths.MonthFilePath);
    month_ = arguments_.month.value_or(monthFile_);
    program_->schedule.SchedMonth = QString::number(month_.month);
    program_->schedule.SchedYear = QString::number(month_.year);
    return std::nullopt;
}

void CliSession::warnAboutMonth() {
    if (warned_ || !arguments_.month || (month_.month == monthFile_.month && month_.year == monthFile_.year))
        return;
    warned_ = true;
    const QString file = monthFile_.valid()
                             ? QStringLiteral("%1/%2").arg(monthFile_.month).arg(monthFile_.year)
                             : QStringLiteral("no month");
    std::fprintf(err_,
                 "rotaplan-cli: warning: --month %s is not the month of settings/month.dat (%s): the agents' "
                 "days off and requests are read as days of %d/%d.\n",
                 qUtf8Printable(QStringLiteral("%1-%2").arg(month_.year).arg(twoDigits(month_.month))),
                 qUtf8Printable(file), int(month_.month), int(month_.year));
}

// The number of calendars n = 1, 2, ... whose records file MMYY.n the folder holds for the month.
int CliSession::calendarFilesOfMonth() const {
    if (!month_.valid())
        return 0;
    const QString prefix = CalendarPrefixOf(month_.month, month_.year);
    int n = 0;
    while (n < kMaxSites && QFileInfo(CalendarFilePath(program_->paths.AppFolder, prefix, n + 1)).isFile())
        ++n;
    return n;
}

// The schedule state of the calendar files, as a generation would leave it: the calendars and the agent
// lists, loaded in stored order (the working order of the generation is not kept with the files).
std::optional<int> CliSession::readSchedule(int calendarCount) {
    ScheduleState& s = program_->schedule;
    GenerationTables tables(month_.month, month_.year);
    try {
        if (LoadAgents(*program_, tables) == AgentLoad::TooMany)
            return kExitIncomplete;
    } catch (const ProgramEnded&) {
        complain(QStringLiteral("the office database cannot be accessed."));
        return kExitFailure;
    } catch (const Error& e) {
        complain(ErrorReportText(e));
        return kExitFailure;
    }
    s.AgentInitials = tables.initials;
    s.AgentNames = tables.names;
    s.CalendarCount = calendarCount;
    s.CalendarFilePrefix = CalendarPrefixOf(month_.month, month_.year);
    s.RulesText.clear(); // the rules of that generation are not kept either
    s.CurrentSiteCalendar = 0;
    return std::nullopt;
}

std::optional<int> CliSession::schedule() {
    if (!arguments_.generatesAnew()) {
        if (const int calendars = calendarFilesOfMonth())
            return readSchedule(calendars);
    }
    return generate();
}

std::optional<int> CliSession::generate() {
    GenerationOptions options;
    if (arguments_.rotationStart) {
        const int g = *arguments_.rotationStart;
        const std::optional<int> entries = CountAgentEntries(program_->paths.DatabasePath);
        if (entries && *entries <= kMaxAgents && g > *entries) {
            complain(
                QStringLiteral("--rotation-start %1 is outside 1 to %2, the number of agent entries (team "
                               "copies included) of %3.")
                    .arg(g)
                    .arg(*entries)
                    .arg(program_->paths.DatabasePath));
            return kExitUsage;
        }
        options.rotation = [g](int) { return g; };
    }
    if (arguments_.fillGaps)
        options.fillGaps = true;
    options.month = arguments_.month;
    warnAboutMonth();
    try {
        summary_ = Generate(*program_, options);
        generated_ = true;
    } catch (const ProgramEnded&) {
        complain(QStringLiteral("the office database cannot be accessed."));
        return kExitFailure;
    }
    if (summary_.databaseUnavailable)
        return kExitFailure;
    if (summary_.ended || summary_.linkError)
        return kExitIncomplete;
    return std::nullopt;
}

} // namespace rp
