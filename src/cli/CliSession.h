#pragma once

#include "cli/CliArguments.h"
#include "cli/StreamUi.h"
#include "generator/GenerationDriver.h"
#include "model/Program.h"
#include "platform/SingleCopyLock.h"

#include <cstdio>
#include <memory>
#include <optional>

namespace rp {

// What every command of rotaplan-cli does first: find or prepare the program folder and load its
// settings, then, for the commands that need a month, read its schedule from the folder's calendar files
// or generate it as the desktop program does.
class CliSession {
public:
    CliSession(const CliArguments& arguments, const QString& executableDir, FILE* out, FILE* err);

    // The program on its folder; an exit status when the folder cannot be used. A command that writes
    // into the folder takes its single-copy lock for the whole session, and is refused while the desktop
    // program (or another such command) holds it.
    std::optional<int> open();
    // Generates the month; an exit status when the generation stopped or the database failed (the
    // message has been printed).
    std::optional<int> generate();
    // The month's schedule: the calendar files the folder holds for the month, with the agents in the
    // office database's order; the month is generated when there are none, or when the arguments ask for
    // a new generation. An exit status as for generate().
    std::optional<int> schedule();
    // Warns, once, when --month names another month than settings/month.dat, whose days the agents' days
    // off and requests were entered for.
    void warnAboutMonth();

    Program& program() { return *program_; }
    const GenerationSummary& summary() const { return summary_; }
    bool generated() const { return generated_; } // the generation ran to its end (or to its message)
    FILE* out() const { return out_; }
    FILE* err() const { return err_; }
    // Prints "rotaplan-cli: " and the text on standard error.
    void complain(const QString& text) const;

private:
    bool usesCalendarFiles() const;
    std::optional<int> lockFolder(const QString& folder);
    int calendarFilesOfMonth() const;
    std::optional<int> readSchedule(int calendarCount);

    const CliArguments& arguments_;
    QString executableDir_;
    FILE* out_;
    FILE* err_;
    StreamUi ui_;
    std::unique_ptr<SingleCopyLock> lock_;
    std::unique_ptr<Program> program_;
    MonthSetting monthFile_; // as settings/month.dat holds it
    MonthSetting month_;     // the month of the command
    GenerationSummary summary_;
    bool generated_ = false;
    bool warned_ = false;
};

// The commands, each with its session opened.
int RunGenerate(CliSession& session, const CliArguments& arguments);
int RunCheck(CliSession& session, const CliArguments& arguments);
int RunReport(CliSession& session, const CliArguments& arguments);

} // namespace rp
