#include "cli/CliArguments.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace rp {

namespace {

using Command = CliArguments::Command;

// Where an option may stand: before the command, or after one of the commands.
enum Place : unsigned {
    kGlobal = 1,
    kGenerate = 2,
    kCheck = 4,
    kDatabaseReport = 8, // report agents, report sites
    kAssignments = 16,   // report assignments
    kCommands = kGenerate | kCheck | kDatabaseReport | kAssignments,
    kGenerating = kGenerate | kCheck | kAssignments,
};

struct OptionEntry {
    const char* names; // comma-separated, the short one first
    const char* value; // the value's name; none for a switch
    unsigned places;
    const char* help; // lines of the usage text
};

// Every option of rotaplan-cli, in the order of the usage text.
const OptionEntry kOptions[] = {
    {"app-folder", "DIR", kGlobal | kCommands,
     "the program folder, before or after the command (default: the folder the\n"
     "desktop program uses; it is created and filled with the installed settings\n"
     "and examples when missing)"},
    {"month", "YYYY-MM", kGenerating,
     "the month to generate or to read (a year from 1000 to 9999) instead of the\n"
     "one in settings/month.dat, which stays as it is; the agents' days off and\n"
     "requests are read as days of that month"},
    {"generate", nullptr, kCheck | kAssignments,
     "generate the month anew even when DIR holds its calendar files"},
    {"rotation-start", "G", kGenerating,
     "start the agents' working order at position G (1 to the number of agent\n"
     "entries, team copies included) instead of a random position"},
    {"fill-gaps", nullptr, kGenerating,
     "after generating, fill 'AGT?' slots by moving generated duties within the\n"
     "hard rules (default: as settings/FillGaps.dat says)"},
    {"ics", "FOLDER", kGenerate, "write one iCalendar file of duties per agent into FOLDER"},
    {"csv", "FILE", kGenerate, "write all duties into the CSV file FILE"},
    {"json", nullptr, kCheck, "print the check as JSON"},
    {"calendar", "N", kAssignments,
     "the calendar of the assignments report (default 1; a month without\n"
     "calendars has only an empty calendar 1, as the window shows it)"},
    {"h,help", nullptr, kGlobal | kCommands, "show this text"},
    {"v,version", nullptr, kGlobal | kCommands, "print the version of rotaplan-cli"},
};

QStringList namesOf(const OptionEntry& entry) {
    return QString::fromLatin1(entry.names).split(QLatin1Char(','));
}

const OptionEntry* entryNamed(const QString& name) {
    for (const OptionEntry& entry : kOptions) {
        if (namesOf(entry).contains(name))
            return &entry;
    }
    return nullptr;
}

void addOptions(QCommandLineParser& parser, unsigned places) {
    // "-name" is the long option "name", so that a message names the option as typed.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionEntry& entry : kOptions) {
        if (entry.places & places)
            parser.addOption(QCommandLineOption(namesOf(entry), QString::fromLatin1(entry.help),
                                                QString::fromLatin1(entry.value ? entry.value : "")));
    }
}

// The option of that name as it was typed, without its value.
QString typedOption(const QStringList& args, const QString& name) {
    for (const QString& arg : args) {
        if (arg == QLatin1String("--"))
            break;
        if (!arg.startsWith(QLatin1Char('-')))
            continue;
        const QString option = arg.section(QLatin1Char('='), 0, 0);
        QString bare = option;
        while (bare.startsWith(QLatin1Char('-')))
            bare.remove(0, 1);
        if (bare == name)
            return option;
    }
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

// Parses args with the parser; a problem names the first option that is unknown or lacks its value.
bool parseWith(QCommandLineParser& parser, const QStringList& args, const QString& command,
               QString& problem) {
    if (parser.parse(QStringList{QStringLiteral("rotaplan-cli")} + args))
        return true;
    const QStringList unknown = parser.unknownOptionNames();
    if (unknown.isEmpty()) {
        problem = parser.errorText();
    } else {
        problem = QStringLiteral("Unknown option '%1'").arg(typedOption(args, unknown.first()));
        problem += command.isEmpty() ? QStringLiteral(".") : QStringLiteral(" for %1.").arg(command);
    }
    return false;
}

std::optional<int> wholeNumber(const QString& text) {
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok ? std::optional<int>(n) : std::nullopt;
}

std::optional<MonthSetting> monthOf(const QString& text, QString& problem) {
    static const QRegularExpression form(QStringLiteral("^([0-9]{4})-([0-9]{2})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch()) {
        problem =
            QStringLiteral("--month needs a month as YYYY-MM (for example 2027-02), not '%1'.").arg(text);
        return std::nullopt;
    }
    const int year = match.captured(1).toInt();
    const int month = match.captured(2).toInt();
    if (month < 1 || month > 12) {
        problem = QStringLiteral("--month %1: the month must be from 01 to 12.").arg(text);
        return std::nullopt;
    }
    if (year < kFirstMonthYear || year > kLastMonthYear) {
        problem = QStringLiteral("--month %1: the year must be from %2 to %3.")
                      .arg(text)
                      .arg(kFirstMonthYear)
                      .arg(kLastMonthYear);
        return std::nullopt;
    }
    return MonthSetting{int16_t(month), int16_t(year)};
}

// Reads the values of the options of a command into the arguments; false with a problem for a bad value.
bool readValues(const QCommandLineParser& parser, unsigned place, CliArguments& a, QString& problem) {
    // Only the options the parser was given are asked for: it warns about any other.
    auto given = [&](const QString& name) {
        const OptionEntry* entry = entryNamed(name);
        return entry && (entry->places & place) && parser.isSet(name);
    };
    a.generate = given(QStringLiteral("generate"));
    a.fillGaps = given(QStringLiteral("fill-gaps"));
    a.json = given(QStringLiteral("json"));
    for (const char* name : {"app-folder", "ics", "csv"}) {
        const QString option = QLatin1String(name);
        if (!given(option))
            continue;
        const QString value = parser.value(option);
        if (value.isEmpty()) {
            problem = QStringLiteral("--%1 needs a path.").arg(option);
            return false;
        }
        (option == QLatin1String("app-folder") ? a.appFolder
         : option == QLatin1String("ics")      ? a.icsFolder
                                               : a.csvFile) = value;
    }
    for (const char* name : {"rotation-start", "calendar"}) {
        const QString option = QLatin1String(name);
        if (!given(option))
            continue;
        const QString value = parser.value(option);
        const std::optional<int> n = wholeNumber(value);
        if (!n || *n < 1) {
            problem = QStringLiteral("--%1 must be a whole number from 1 up, not '%2'.").arg(option, value);
            return false;
        }
        if (option == QLatin1String("rotation-start"))
            a.rotationStart = *n;
        else
            a.calendar = *n;
    }
    if (given(QStringLiteral("month"))) {
        a.month = monthOf(parser.value(QStringLiteral("month")), problem);
        if (!a.month)
            return false;
    }
    return true;
}

} // namespace

CliParse ParseCliArguments(const QStringList& args) {
    CliParse p;
    CliArguments& a = p.arguments;

    // The global options, up to the command; everything after the command is the command's.
    QCommandLineParser global;
    addOptions(global, kGlobal);
    global.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
    if (!parseWith(global, args, QString(), p.problem))
        return p;
    if (global.isSet(QStringLiteral("help")))
        return p;
    if (global.isSet(QStringLiteral("version"))) {
        a.command = Command::Version;
        return p;
    }
    // --app-folder may stand before the command; one after it wins.
    if (!readValues(global, kGlobal, a, p.problem))
        return p;
    const QStringList rest = global.positionalArguments();
    if (rest.isEmpty()) {
        p.problem = QStringLiteral("a command is needed.");
        return p;
    }
    const QString& command = rest.first();
    unsigned place = 0;
    if (command == QLatin1String("generate")) {
        a.command = Command::Generate;
        place = kGenerate;
    } else if (command == QLatin1String("check")) {
        a.command = Command::Check;
        place = kCheck;
    } else if (command == QLatin1String("report")) {
        a.command = Command::Report;
        place = kDatabaseReport | kAssignments; // narrowed to the report's own once it is known
    } else {
        p.problem = QStringLiteral("unknown command '%1'.").arg(command);
        return p;
    }

    const QStringList own = rest.mid(1);
    QCommandLineParser parser;
    addOptions(parser, place);
    if (!parseWith(parser, own, command, p.problem))
        return p;
    if (parser.isSet(QStringLiteral("help"))) {
        a.command = Command::Help;
        return p;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        a.command = Command::Version;
        return p;
    }

    QStringList positional = parser.positionalArguments();
    QString named = command;
    if (a.command == Command::Report) {
        a.report = positional.isEmpty() ? QString() : positional.takeFirst();
        if (a.report == QLatin1String("assignments")) {
            place = kAssignments;
        } else if (a.report == QLatin1String("agents") || a.report == QLatin1String("sites")) {
            place = kDatabaseReport;
        } else {
            p.problem =
                a.report.isEmpty()
                    ? QStringLiteral("report needs agents, sites or assignments.")
                    : QStringLiteral("unknown report '%1': agents, sites or assignments.").arg(a.report);
            return p;
        }
        named += QLatin1Char(' ') + a.report;
        for (const QString& name : parser.optionNames()) {
            const OptionEntry* entry = entryNamed(name);
            if (entry && !(entry->places & place)) {
                p.problem = QStringLiteral("Unknown option '%1' for %2.").arg(typedOption(own, name), named);
                return p;
            }
        }
    }
    if (!positional.isEmpty()) {
        p.problem = QStringLiteral("unexpected argument '%1' for %2.").arg(positional.first(), named);
        return p;
    }
    readValues(parser, place, a, p.problem);
    return p;
}

QString CliUsage() {
    QString text = QStringLiteral(
        "Usage: rotaplan-cli generate [--app-folder DIR] [--month YYYY-MM] [--rotation-start G]\n"
        "                             [--fill-gaps] [--ics FOLDER] [--csv FILE]\n"
        "       rotaplan-cli check [--app-folder DIR] [--month YYYY-MM] [--generate]\n"
        "                          [--rotation-start G] [--fill-gaps] [--json]\n"
        "       rotaplan-cli report agents|sites [--app-folder DIR]\n"
        "       rotaplan-cli report assignments [--app-folder DIR] [--month YYYY-MM] [--generate]\n"
        "                                       [--rotation-start G] [--fill-gaps] [--calendar N]\n"
        "       rotaplan-cli --help | --version\n"
        "\n"
        "generate  Generates the schedule of the month chosen in DIR/settings/month.dat (or of --month) for\n"
        "          the office database DIR/floor.mdb, exactly as the desktop program's Generate command\n"
        "          does, and leaves the calendar files MMYY.n and MMYY.nD in DIR. A summary of the\n"
        "          calendars written, the rules used and the agents' working order goes to standard output.\n"
        "check     Prints the schedule check of the month: slots per site, duties per agent against the\n"
        "          maximum, the spread of duties, and who could still take each 'AGT?' slot.\n"
        "report    Prints the agent or site report of the office database, or the assignments-by-agent\n"
        "          report of a calendar of the month, byte for byte as the program's windows build them.\n"
        "\n"
        "check and report assignments describe the schedule whose calendar files DIR holds for the month\n"
        "(the last generation's), with the agents in the office database's order; they generate the month\n"
        "first, as generate does, when there are none, or with --generate, --rotation-start or --fill-gaps.\n"
        "\n"
        "Messages are printed as 'title: text' on standard error. generate, check and report\n"
        "assignments use the calendar files of the program folder: they are refused while the desktop\n"
        "program has the folder open, and the desktop program does not start in it while they run.\n"
        "\n"
        "Options take their value as '--option VALUE' or '--option=VALUE':\n");
    constexpr int kHelpColumn = 23;
    for (const OptionEntry& entry : kOptions) {
        QStringList names;
        for (const QString& name : namesOf(entry))
            names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
        QString label = QStringLiteral("  ") + names.join(QStringLiteral(", "));
        if (entry.value)
            label += QLatin1Char(' ') + QLatin1String(entry.value);
        label = label.leftJustified(kHelpColumn - 1) + QLatin1Char(' ');
        const QStringList lines = QString::fromLatin1(entry.help).split(QLatin1Char('\n'));
        text += label + lines.first() + QLatin1Char('\n');
        for (qsizetype i = 1; i < lines.size(); ++i)
            text += QString(kHelpColumn, QLatin1Char(' ')) + lines[i] + QLatin1Char('\n');
    }
    text += QStringLiteral(
        "\n"
        "Exit status: 0 done (check: every open slot filled); 1 the generation stopped with a message and\n"
        "wrote nothing, or the check found 'AGT?' slots; 2 bad arguments; 3 the office database or a file\n"
        "cannot be read or written, or the desktop program has the program folder open.\n");
    return text;
}

QString CliVersionText() {
    return QStringLiteral("rotaplan-cli %1\n").arg(QStringLiteral(ROTAPLAN_VERSION));
}

} // namespace rp
