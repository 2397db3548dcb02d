#pragma once

#include "TestFolder.h"
#include "generator/GenerationDriver.h"
#include "model/EngineSettings.h"
#include "model/Program.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>
#include <string>

namespace rp::test {

// Slot counts of one period per weekday, Sunday first.
using WeekCounts = std::array<int, 7>;
// The same count on every weekday.
WeekCounts everyDay(int count);
// A count on one weekday (1 = Sunday .. 7 = Saturday), 0 on the others.
WeekCounts onDay(int weekday, int count);

// A site; its counts are stored as given (0 where unset).
struct SiteSetup {
    int number = 1;
    std::optional<QString> name = QStringLiteral("North");
    WeekCounts am{};
    WeekCounts pm{};
    WeekCounts ev{};
    std::optional<QString> close;
    std::optional<QString> link;
};

// Fields left unset are stored as Null.
struct AgentSetup {
    std::optional<QString> name;
    std::optional<QString> initials;
    std::optional<int> maxTimes;
    std::optional<QString> assigned;
    std::optional<QString> offAll;
    std::optional<QString> offAM;
    std::optional<QString> offPM1;
    std::optional<QString> offPM2;
    std::optional<QString> manOn1;
    std::optional<int> manSite1;
    std::optional<QString> manOn2;
    std::optional<int> manSite2;
};

// A program folder holding an office database and the settings of one generation.
class OfficeRun {
public:
    explicit OfficeRun(int month = 1, int year = 2023);

    TestFolder folder;
    ScriptedUi ui;
    Program program;

    void addSite(const SiteSetup& site);
    // An agent named after its initials, allowed at the given sites, every other field Null.
    void addAgent(const QString& initials, const QString& sites = QStringLiteral("1"));
    void addAgent(const AgentSetup& agent);
    // Runs SQL on the office database.
    void execute(const QString& sql);

    void useRules(const TuneSettings& tune = {});
    void useAutomatic();

    // Generates with a fixed start of the agents' working order; counts calls of the show callback.
    GenerationSummary generate(int rotationStart = 1);
    int showCalls = 0;
    int rotationAgentCount = -1; // the agent count the rotation source was asked about

    // Contents of a file of the folder ("" when missing), as bytes.
    std::string file(const QString& name) const;
    std::string calendar(int n) const;
    std::string description(int n) const;
    // Names of the calendar, description and link files in the folder.
    QStringList generatedFiles() const;
    // Titles and texts of the messages shown, "title|text".
    QStringList shown() const;

private:
    int month_;
    int year_;
};

// The expected contents of a records file: each space-separated record on its own line, ended by CR LF.
std::string records(const QString& spaceSeparated);
// The expected contents of a description file.
std::string descriptionOf(const QString& siteName, const QString& number);

// Slot tokens of a month, computed from the calendar: tokenOf(2023, 1, 5, 'C') is "05C5".
QString tokenOf(int year, int month, int day, char letter);

} // namespace rp::test
