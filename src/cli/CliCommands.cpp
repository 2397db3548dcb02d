#include "cli/CliCommands.h"

#include "cli/CliArguments.h"
#include "cli/CliSession.h"

namespace rp {

int RunCli(const QStringList& args, const QString& executableDir, FILE* out, FILE* err) {
    const CliParse parse = ParseCliArguments(args);
    if (!parse.problem.isEmpty()) {
        std::fprintf(err, "rotaplan-cli: %s\n\n%s", qUtf8Printable(parse.problem),
                     qUtf8Printable(CliUsage()));
        return kExitUsage;
    }
    const CliArguments& arguments = parse.arguments;
    if (arguments.command == CliArguments::Command::Help) {
        std::fputs(qUtf8Printable(CliUsage()), out);
        return kExitOk;
    }
    if (arguments.command == CliArguments::Command::Version) {
        std::fputs(qUtf8Printable(CliVersionText()), out);
        return kExitOk;
    }
    CliSession session(arguments, executableDir, out, err);
    if (const std::optional<int> failed = session.open())
        return *failed;
    switch (arguments.command) {
    case CliArguments::Command::Generate:
        return RunGenerate(session, arguments);
    case CliArguments::Command::Check:
        return RunCheck(session, arguments);
    case CliArguments::Command::Report:
        return RunReport(session, arguments);
    case CliArguments::Command::Help:
    case CliArguments::Command::Version:
        break;
    }
    return kExitOk;
}

} // namespace rp
