#include "cli/CliCommands.h"

#include "cli/CliArguments.h"
#include "cli/CliSession.h"

namespace rp {

int RunCli(const QStringList& args, const QString& executableDir, FILE* out, FILE* err) {
    const CliParse parse = ParseCliArguments(args);
    if (!parse.problem.isEmpty()) {
        std::fprintf(err, "rotaplan-cli: %s\n\n%s", qUtf8Printable(parse.problem), CliUsage());
        return kExitUsage;
    }
    const CliArguments& arguments = parse.arguments;
    if (arguments.command == CliArguments::Command::Help) {
        std::fputs(CliUsage(), out);
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
        break;
    }
    return kExitOk;
}

} // namespace rp
