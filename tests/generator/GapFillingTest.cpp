// The gap-filling pass: off unless switched on, it gives "AGT?" slots to agents along augmenting paths,
// moving generated duties but never a manual request or a team, and says how many it filled.

#include "generator/GapFilling.h"

#include "OfficeBuilder.h"

#include <QFile>

using namespace rp;
using namespace rp::test;

namespace {

// Site North with the A slots of Sunday the 1st and Saturday the 7th of January 2023. XA may work once;
// YB is off on the 7th. XA, first in the working order, takes the Sunday and the Saturday stays open,
// unless XA moves to the Saturday and YB takes the Sunday.
void buildTwoSlots(OfficeRun& run, const AgentSetup& xa, const AgentSetup& yb) {
    SiteSetup north;
    north.am = onDay(1, 1);
    north.am[6] = 1;
    north.close = QStringLiteral("8-31");
    run.addSite(north);
    run.addAgent(xa);
    run.addAgent(yb);
}

AgentSetup agent(const char* initials, int maxTimes = -1) {
    AgentSetup a;
    a.name = QStringLiteral("Agent ") + QLatin1String(initials);
    a.initials = QLatin1String(initials);
    a.assigned = QStringLiteral("1");
    if (maxTimes >= 0)
        a.maxTimes = maxTimes;
    return a;
}

AgentSetup offOnThe7th(const char* initials) {
    AgentSetup a = agent(initials);
    a.offAll = QStringLiteral("7");
    return a;
}

struct GapCase {
    const char* name;
    AgentSetup first;
    AgentSetup second;
    const char* unfilled; // calendar 1 without the pass
    const char* filled;   // calendar 1 with it
    int count;
};

void PrintTo(const GapCase& c, std::ostream* os) {
    *os << c.name;
}

AgentSetup withManualSunday(AgentSetup a) {
    a.manOn1 = QStringLiteral("1A");
    a.manSite1 = 1;
    return a;
}

const GapCase kCases[] = {
    {"AGeneratedDutyMovesToLetTheOtherAgentIn", agent("XA", 1), offOnThe7th("YB"), "01A1XA__ 07A7AGT?",
     "01A1YB__ 07A7XA__", 1},
    {"AManualRequestNeverMoves", withManualSunday(agent("XA", 1)), offOnThe7th("YB"), "01A1XA__ 07A7AGT?",
     "01A1XA__ 07A7AGT?", 0},
    {"ATeamIsNeitherMovedNorGivenASlot", agent("XA", 1), offOnThe7th("Y+B"), "01A1XA__ 07A7AGT?",
     "01A1XA__ 07A7AGT?", 0},
    {"AFullMonthStaysAsItIs", agent("XA"), agent("YB"), "01A1XA__ 07A7YB__", "01A1XA__ 07A7YB__", 0},
};

class GapFilling : public ::testing::TestWithParam<GapCase> {};

} // namespace

TEST_P(GapFilling, FillsWhatAnAugmentingPathReachesUnderEitherRoutine) {
    const GapCase& c = GetParam();
    for (const bool automatic : {false, true}) {
        SCOPED_TRACE(automatic ? "automatic" : "rules");
        for (const bool fill : {false, true}) {
            OfficeRun run;
            buildTwoSlots(run, c.first, c.second);
            if (automatic)
                run.useAutomatic();
            WriteFillGaps(run.folder.path(), fill);
            const GenerationSummary summary = run.generate(1);
            EXPECT_EQ(run.calendar(1), records(QLatin1String(fill ? c.filled : c.unfilled)));
            const QString rules = automatic ? QStringLiteral("AUTOMATIC FINE TUNING.")
                                            : QStringLiteral("Once/day:False. Once/Week:False. "
                                                             "Once/weekday:False. Method:1");
            if (fill) {
                EXPECT_EQ(summary.gapsFilled, c.count);
                EXPECT_EQ(run.program.schedule.RulesText, rules + GapsFilledNote(c.count));
                EXPECT_EQ(GapsFilledIn(run.program.schedule.RulesText), c.count);
            } else {
                EXPECT_FALSE(summary.gapsFilled.has_value());
                EXPECT_EQ(run.program.schedule.RulesText, rules);
                EXPECT_FALSE(GapsFilledIn(rules).has_value());
            }
            EXPECT_TRUE(run.ui.messages().empty()) << run.shown().join('\n').toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Offices, GapFilling, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GapFillingSwitch, OnlyAFileSayingOneSwitchesItOnAndTheGenerationOptionWins) {
    const struct {
        const char* content; // nullptr: no file
        std::optional<bool> option;
        bool runs;
    } cases[] = {{nullptr, {}, false},  {"1\r\n", {}, true},     {" 1 \r\n", {}, true}, {"0\r\n", {}, false},
                 {"-1\r\n", {}, false}, {"1\r\n", false, false}, {nullptr, true, true}};
    for (const auto& c : cases) {
        OfficeRun run;
        buildTwoSlots(run, agent("XA", 1), offOnThe7th("YB"));
        const QString path = FillGapsFilePath(run.folder.path());
        if (c.content)
            run.folder.write(QStringLiteral("settings/FillGaps.dat"), QByteArray(c.content));
        EXPECT_EQ(ReadFillGaps(run.folder.path()), c.content && QByteArray(c.content).trimmed() == "1");
        GenerationOptions options;
        options.rotation = [](int) { return 1; };
        options.fillGaps = c.option;
        const GenerationSummary summary = Generate(run.program, options);
        EXPECT_EQ(summary.gapsFilled.has_value(), c.runs) << (c.content ? c.content : "no file");
        EXPECT_EQ(QFile::exists(path), c.content != nullptr) << "reading never writes the file";
    }
}

TEST(GapFillingSwitch, WritesOneOrZero) {
    TestFolder folder;
    WriteFillGaps(folder.path(), true);
    EXPECT_EQ(folder.read(QStringLiteral("settings/FillGaps.dat")), QByteArray("1\r\n"));
    WriteFillGaps(folder.path(), false);
    EXPECT_EQ(folder.read(QStringLiteral("settings/FillGaps.dat")), QByteArray("0\r\n"));
}
