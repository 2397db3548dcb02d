#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace rp {

// Exit statuses of rotaplan-cli.
inline constexpr int kExitOk = 0;
inline constexpr int kExitIncomplete = 1; // the generation stopped, or the check found unfilled slots
inline constexpr int kExitUsage = 2;      // bad arguments
inline constexpr int kExitFailure = 3;    // the office database or a file cannot be read or written

// The command line of rotaplan-cli, parsed.
struct CliArguments {
    enum class Command { Help, Generate, Check, Report };
    Command command = Command::Help;
    QString appFolder;
    std::optional<int> rotationStart;
    bool fillGaps = false;
    QString icsFolder; // generate --ics
    QString csvFile;   // generate --csv
    bool json = false; // check --json
    QString report;    // report agents|sites|assignments
    int calendar = 1;  // report assignments --calendar
};

struct CliParse {
    CliArguments arguments;
    QString problem; // empty when the arguments are usable
};

// Parses the arguments (without the program name). --help or -h anywhere asks for the usage text.
CliParse ParseCliArguments(const QStringList& args);

// The usage text that --help prints and that follows every usage error.
const char* CliUsage();

} // namespace rp
