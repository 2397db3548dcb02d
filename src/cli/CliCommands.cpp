#include "cli/CliCommands.h"

#include "cli/StreamUi.h"
#include "display_settings/DisplaySettings.h"
#include "generator/AgentLoader.h"
#include "generator/GenerationDriver.h"
#include "model/EngineSettings.h"
#include "model/Program.h"
#include "model/Tokens.h"
#include "platform/Text.h"
#include "workspace/ProgramFolder.h"

#include <QFileInfo>

namespace rp {

namespace {

constexpr int kExitOk = 0;
constexpr int kExitBadArgument = 2;
constexpr int kExitDatabase = 3;

const char* const kUsage =
    "Usage: rotaplan-cli generate [--app-folder DIR] [--rotation-start G]\n"
    "\n"
    "Generates the schedule of the month chosen in DIR/settings/month.dat for the office database\n"
    "DIR/floor.mdb, exactly as the desktop program's Generate command does, and leaves the calendar\n"
    "files MMYY.n and MMYY.nD in DIR. Messages are printed as 'title: text' on standard error; a\n"
    "summary of the calendars written, the rules used and the agents' working order on standard output.\n"
    "\n"
    "  --app-folder DIR     the program folder (default: the folder the desktop program uses; it is\n"
    "                       created and filled with the installed settings and examples when missing)\n"
    "  --rotation-start G   start the agents' working order at position G (1 to the number of agent\n"
    "                       entries, team copies included) instead of a random position\n"
    "  --help               show this text\n";

struct Arguments {
    QString appFolder;
    std::optional<int> rotationStart;
};

// Parses the generate command's options; returns an error text when they are not usable.
QString parse(const QStringList& args, Arguments& out) {
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        auto value = [&](QString& into) -> bool {
            if (i + 1 >= args.size())
                return false;
            into = args[++i];
            return true;
        };
        QString v;
        if (a == QLatin1String("--app-folder")) {
            if (!value(v) || v.isEmpty())
                return QStringLiteral("--app-folder needs a folder.");
            out.appFolder = v;
        } else if (a == QLatin1String("--rotation-start")) {
            if (!value(v))
                return QStringLiteral("--rotation-start needs a number.");
            bool ok = false;
            const int g = v.toInt(&ok);
            if (!ok || g < 1)
                return QStringLiteral("--rotation-start must be a whole number from 1 up, not '%1'.").arg(v);
            out.rotationStart = g;
        } else {
            return QStringLiteral("Unknown option '%1'.").arg(a);
        }
    }
    return {};
}

int generate(const Arguments& args, const QString& executableDir, FILE* out, FILE* err) {
    QString folder = args.appFolder;
    if (folder.isEmpty()) {
        folder = LocateAppFolder(executableDir);
        if (!PrepareAppFolder(folder, LocateResources(executableDir), !QFileInfo::exists(folder))) {
            std::fprintf(err, "rotaplan-cli: the program folder %s cannot be created.\n",
                         qUtf8Printable(folder));
            return kExitDatabase;
        }
    } else if (!QFileInfo(folder).isDir()) {
        std::fprintf(err, "rotaplan-cli: %s is not a folder.\n", qUtf8Printable(folder));
        return kExitBadArgument;
    }

    StreamUi ui(err);
    Program program(ui, QFileInfo(folder).absoluteFilePath());
    DisplaySettings(program).loadAtStart();
    const MonthSetting month = ReadMonthFile(program.paths.MonthFilePath);
    program.schedule.SchedMonth = QString::number(month.month);
    program.schedule.SchedYear = QString::number(month.year);

    GenerationOptions options;
    if (args.rotationStart) {
        const int g = *args.rotationStart;
        const std::optional<int> entries = CountAgentEntries(program.paths.DatabasePath);
        if (entries && *entries <= kMaxAgents && g > *entries) {
            std::fprintf(err,
                         "rotaplan-cli: --rotation-start %d is outside 1 to %d, the number of agent entries "
                         "(team copies included) of %s.\n",
                         g, *entries, qUtf8Printable(program.paths.DatabasePath));
            return kExitBadArgument;
        }
        options.rotation = [g](int) { return g; };
    }

    GenerationSummary summary;
    try {
        summary = Generate(program, options);
    } catch (const ProgramEnded&) {
        std::fprintf(err, "rotaplan-cli: the office database cannot be accessed.\n");
        return kExitDatabase;
    }

    const ScheduleState& s = program.schedule;
    std::fprintf(out, "Program folder: %s\n", qUtf8Printable(program.paths.AppFolder));
    std::fprintf(out, "Month: %s/%s\n", qUtf8Printable(s.SchedMonth), qUtf8Printable(s.SchedYear));
    std::fprintf(out, "Calendars written: %d\n", summary.linkError ? 0 : s.CalendarCount);
    if (!summary.linkError) {
        for (const auto& c : summary.calendars)
            std::fprintf(out, "  %s  %s\n", qUtf8Printable(c.fileName),
                         qUtf8Printable(trimBlanks(c.heading)));
    }
    std::fprintf(out, "Rules: %s\n", qUtf8Printable(s.RulesText));
    std::fprintf(out, "Rotation start: %d\n", summary.rotationStart);
    std::fprintf(out, "Agent working order: %s\n", qUtf8Printable(s.AgentInitials.join(QLatin1Char(' '))));
    if (summary.databaseUnavailable)
        return kExitDatabase;
    return kExitOk;
}

} // namespace

int RunCli(const QStringList& args, const QString& executableDir, FILE* out, FILE* err) {
    if (args.isEmpty() || args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"))) {
        std::fputs(kUsage, args.isEmpty() ? err : out);
        return args.isEmpty() ? kExitBadArgument : kExitOk;
    }
    if (args.first() != QLatin1String("generate")) {
        std::fprintf(err, "rotaplan-cli: unknown command '%s'.\n\n%s", qUtf8Printable(args.first()), kUsage);
        return kExitBadArgument;
    }
    Arguments parsed;
    const QString problem = parse(args, parsed);
    if (!problem.isEmpty()) {
        std::fprintf(err, "rotaplan-cli: %s\n\n%s", qUtf8Printable(problem), kUsage);
        return kExitBadArgument;
    }
    return generate(parsed, executableDir, out, err);
}

} // namespace rp
