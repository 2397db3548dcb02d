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
// settings, then, for the commands that need a month, generate it as the desktop program does.
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

    Program& program() { return *program_; }
    const GenerationSummary& summary() const { return summary_; }
    bool generated() const { return generated_; } // the generation ran to its end (or to its message)
    FILE* out() const { return out_; }
    FILE* err() const { return err_; }
    // Prints "rotaplan-cli: " and the text on standard error.
    void complain(const QString& text) const;

private:
    bool writesIntoFolder() const;
    std::optional<int> lockFolder(const QString& folder);

    const CliArguments& arguments_;
    QString executableDir_;
    FILE* out_;
    FILE* err_;
    StreamUi ui_;
    std::unique_ptr<SingleCopyLock> lock_;
    std::unique_ptr<Program> program_;
    GenerationSummary summary_;
    bool generated_ = false;
};

// The commands, each with its session opened.
int RunGenerate(CliSession& session, const CliArguments& arguments);
int RunCheck(CliSession& session, const CliArguments& arguments);
int RunReport(CliSession& session, const CliArguments& arguments);

} // namespace rp
