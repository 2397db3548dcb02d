#pragma once

#include "model/EngineSettings.h"

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
    enum class Command { Help, Version, Generate, Check, Report };
    Command command = Command::Help;
    QString appFolder;
    std::optional<MonthSetting> month; // --month: the month to use instead of settings/month.dat's
    bool generate = false;             // check and report assignments --generate: a new generation
    std::optional<int> rotationStart;
    bool fillGaps = false;
    QString icsFolder; // generate --ics
    QString csvFile;   // generate --csv
    bool json = false; // check --json
    QString report;    // report agents|sites|assignments
    int calendar = 1;  // report assignments --calendar

    // Whether the command generates anew even when the folder holds the month's calendar files: generate
    // always; check and report assignments when asked to, or when given an option of the generation.
    bool generatesAnew() const {
        return command == Command::Generate || generate || rotationStart || fillGaps;
    }
};

struct CliParse {
    CliArguments arguments;
    QString problem; // empty when the arguments are usable
};

// Parses the arguments (without the program name): the global options (-h/--help, -v/--version), then the
// command and its own options, each as "--name value" or "--name=value".
CliParse ParseCliArguments(const QStringList& args);

// The usage text that --help prints and that follows every usage error.
QString CliUsage();

// What --version prints.
QString CliVersionText();

// The first and the last year the month dialogue accepts.
inline constexpr int kFirstMonthYear = 1000;
inline constexpr int kLastMonthYear = 9999;

} // namespace rp
