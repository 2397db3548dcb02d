#include "cli/CliArguments.h"

#include <QSet>

namespace rp {

namespace {

using Command = CliArguments::Command;

// The options each command takes.
QSet<QString> optionsOf(Command command, const QString& report) {
    QSet<QString> common{QStringLiteral("--app-folder")};
    const QSet<QString> generation{QStringLiteral("--rotation-start"), QStringLiteral("--fill-gaps")};
    switch (command) {
    case Command::Generate:
        return common + generation + QSet<QString>{QStringLiteral("--ics"), QStringLiteral("--csv")};
    case Command::Check:
        return common + generation + QSet<QString>{QStringLiteral("--json")};
    case Command::Report:
        if (report == QLatin1String("assignments"))
            return common + generation + QSet<QString>{QStringLiteral("--calendar")};
        return common;
    case Command::Help:
        break;
    }
    return {};
}

std::optional<int> wholeNumber(const QString& text) {
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

} // namespace

CliParse ParseCliArguments(const QStringList& args) {
    CliParse p;
    CliArguments& a = p.arguments;
    if (args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h")))
        return p;
    if (args.isEmpty()) {
        p.problem = QStringLiteral("a command is needed.");
        return p;
    }
    const QString& command = args.first();
    int i = 1;
    if (command == QLatin1String("generate")) {
        a.command = Command::Generate;
    } else if (command == QLatin1String("check")) {
        a.command = Command::Check;
    } else if (command == QLatin1String("report")) {
        a.command = Command::Report;
        a.report = args.value(1);
        if (a.report != QLatin1String("agents") && a.report != QLatin1String("sites") &&
            a.report != QLatin1String("assignments")) {
            p.problem =
                a.report.isEmpty()
                    ? QStringLiteral("report needs agents, sites or assignments.")
                    : QStringLiteral("unknown report '%1': agents, sites or assignments.").arg(a.report);
            return p;
        }
        i = 2;
    } else {
        p.problem = QStringLiteral("unknown command '%1'.").arg(command);
        return p;
    }

    const QSet<QString> allowed = optionsOf(a.command, a.report);
    for (; i < args.size(); ++i) {
        const QString& option = args[i];
        if (!allowed.contains(option)) {
            p.problem = QStringLiteral("Unknown option '%1' for %2.").arg(option, command);
            return p;
        }
        if (option == QLatin1String("--fill-gaps")) {
            a.fillGaps = true;
            continue;
        }
        if (option == QLatin1String("--json")) {
            a.json = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            p.problem = QStringLiteral("%1 needs a value.").arg(option);
            return p;
        }
        const QString value = args[++i];
        if (option == QLatin1String("--app-folder") || option == QLatin1String("--ics") ||
            option == QLatin1String("--csv")) {
            if (value.isEmpty()) {
                p.problem = QStringLiteral("%1 needs a path.").arg(option);
                return p;
            }
            (option == QLatin1String("--app-folder") ? a.appFolder
             : option == QLatin1String("--ics")      ? a.icsFolder
                                                     : a.csvFile) = value;
        } else {
            const std::optional<int> n = wholeNumber(value);
            if (!n || *n < 1) {
                p.problem =
                    QStringLiteral("%1 must be a whole number from 1 up, not '%2'.").arg(option, value);
                return p;
            }
            if (option == QLatin1String("--rotation-start"))
                a.rotationStart = *n;
            else
                a.calendar = *n;
        }
    }
    return p;
}

const char* CliUsage() {
    return "Usage: rotaplan-cli generate [--app-folder DIR] [--rotation-start G] [--fill-gaps]\n"
           "                             [--ics FOLDER] [--csv FILE]\n"
           "       rotaplan-cli check [--app-folder DIR] [--rotation-start G] [--fill-gaps] [--json]\n"
           "       rotaplan-cli report agents|sites [--app-folder DIR]\n"
           "       rotaplan-cli report assignments [--app-folder DIR] [--rotation-start G] [--fill-gaps]\n"
           "                                       [--calendar N]\n"
           "       rotaplan-cli --help\n"
           "\n"
           "generate  Generates the schedule of the month chosen in DIR/settings/month.dat for the office\n"
           "          database DIR/floor.mdb, exactly as the desktop program's Generate command does, and\n"
           "          leaves the calendar files MMYY.n and MMYY.nD in DIR. A summary of the calendars\n"
           "          written, the rules used and the agents' working order goes to standard output.\n"
           "check     Generates the same way, then prints the schedule check: slots per site, duties per\n"
           "          agent against the maximum, the spread of duties, and who could still take each\n"
           "          'AGT?' slot.\n"
           "report    Prints the agent or site report of the office database, or (after generating) the\n"
           "          assignments-by-agent report of a calendar, byte for byte as the program's windows\n"
           "          build them.\n"
           "\n"
           "Messages are printed as 'title: text' on standard error. generate, check and report\n"
           "assignments write into the program folder: they are refused while the desktop program has the\n"
           "folder open, and the desktop program does not start in it while they run.\n"
           "\n"
           "  --app-folder DIR     the program folder (default: the folder the desktop program uses; it is\n"
           "                       created and filled with the installed settings and examples when "
           "missing)\n"
           "  --rotation-start G   start the agents' working order at position G (1 to the number of agent\n"
           "                       entries, team copies included) instead of a random position\n"
           "  --fill-gaps          after generating, fill 'AGT?' slots by moving generated duties within "
           "the\n"
           "                       hard rules (default: as settings/FillGaps.dat says)\n"
           "  --ics FOLDER         write one iCalendar file of duties per agent into FOLDER\n"
           "  --csv FILE           write all duties into the CSV file FILE\n"
           "  --json               print the check as JSON\n"
           "  --calendar N         the calendar of the assignments report (default 1; a month without\n"
           "                       calendars has only an empty calendar 1, as the window shows it)\n"
           "  --help               show this text\n"
           "\n"
           "Exit status: 0 done (check: every open slot filled); 1 the generation stopped with a message "
           "and\n"
           "wrote nothing, or the check found 'AGT?' slots; 2 bad arguments; 3 the office database or a "
           "file\n"
           "cannot be read or written, or the desktop program has the program folder open.\n";
}

} // namespace rp
