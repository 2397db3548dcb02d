// The schedule check: its figures on a small office, its text and JSON, and on the example offices its
// "AGT?" count against the calendar files.

#include "check/ScheduleCheck.h"

#include "OfficeBuilder.h"
#include "check/CheckReport.h"
#include "generator/GapFilling.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

using namespace rp;
using namespace rp::test;

namespace {

// North has the A slots of Sunday the 1st and Saturday the 7th. XA may work once, YB is off on the 7th, ZC
// may work once and has asked for the B slot of the 1st (placed although North has no B slot) and for a
// 40th (never placed). XA takes the Sunday; nobody may take the Saturday as things stand, but XA could,
// if YB took the Sunday over.
void buildOffice(OfficeRun& run) {
    SiteSetup north;
    north.am = onDay(1, 1);
    north.am[6] = 1;
    north.close = QStringLiteral("8-31");
    run.addSite(north);
    AgentSetup xa;
    xa.name = QStringLiteral("Xavier Adams");
    xa.initials = QStringLiteral("XA");
    xa.assigned = QStringLiteral("1");
    xa.maxTimes = 1;
    run.addAgent(xa);
    AgentSetup yb = xa;
    yb.name = QStringLiteral("Yvonne Bell");
    yb.initials = QStringLiteral("YB");
    yb.maxTimes.reset();
    yb.offAll = QStringLiteral("7");
    run.addAgent(yb);
    AgentSetup zc = xa;
    zc.name = QStringLiteral("Zoe, \"Zed\" Clark");
    zc.initials = QStringLiteral("ZC");
    zc.manOn1 = QStringLiteral("1B 40A");
    zc.manSite1 = 1;
    run.addAgent(zc);
}

ScheduleCheck checkOf(const OfficeRun& run) {
    const ScheduleCheckRun c = CheckSchedule(run.program);
    EXPECT_TRUE(c.check) << c.problem.toStdString();
    return c.check.value_or(ScheduleCheck{});
}

int unfilledRecords(const OfficeRun& run) {
    int n = 0;
    for (int c = 1; c <= run.program.schedule.CalendarCount; ++c)
        n += int(QString::fromStdString(run.calendar(c)).count(QStringLiteral("AGT?")));
    return n;
}

} // namespace

TEST(ScheduleCheck, FiguresOfASmallOffice) {
    OfficeRun run;
    buildOffice(run);
    run.generate(1);
    ASSERT_EQ(run.calendar(1), records(QStringLiteral("01B1ZC__ 01A1XA__ 07A7AGT?")));
    const ScheduleCheck c = checkOf(run);

    EXPECT_EQ(c.month, 1);
    EXPECT_EQ(c.year, 2023);
    ASSERT_EQ(c.sites.size(), 1u);
    const ScheduleCheck::Site& s = c.sites[0];
    EXPECT_EQ(std::tie(s.calendar, s.name, s.number),
              std::make_tuple(1, QStringLiteral("North"), QStringLiteral("1")));
    EXPECT_EQ((std::array{s.records, s.manual, s.filled, s.unfilled, s.open()}), (std::array{3, 1, 1, 1, 2}));

    const struct {
        const char* initials;
        int duties;
        int maximum;
        bool canWork;
    } agents[] = {{"XA", 1, 1, true}, {"YB", 0, 310, true}, {"ZC", 1, 1, true}};
    ASSERT_EQ(c.agents.size(), std::size(agents));
    for (size_t i = 0; i < std::size(agents); ++i) {
        const ScheduleCheck::Agent& a = c.agents[i];
        EXPECT_EQ(a.initials, QLatin1String(agents[i].initials));
        EXPECT_EQ(a.duties, agents[i].duties) << agents[i].initials;
        EXPECT_EQ(a.maximum, agents[i].maximum) << agents[i].initials;
        EXPECT_EQ(a.canWork, agents[i].canWork) << agents[i].initials;
        EXPECT_FALSE(a.fewestDaysBetween) << agents[i].initials;
    }
    ASSERT_EQ(c.agents[2].requests.size(), 2u);
    EXPECT_EQ(c.agents[2].requests[0].entry, QStringLiteral("1B"));
    EXPECT_TRUE(c.agents[2].requests[0].placed);
    EXPECT_EQ(c.agents[2].requests[1].entry, QStringLiteral("40A"));
    EXPECT_FALSE(c.agents[2].requests[1].placed);

    EXPECT_EQ((std::array{c.spread.agents, c.spread.minimum, c.spread.maximum, c.spread.withNone}),
              (std::array{3, 0, 1, 1}));
    EXPECT_DOUBLE_EQ(c.spread.median, 1.0);
    EXPECT_NEAR(c.spread.standardDeviation, 0.4714, 1e-4);

    ASSERT_EQ(c.gaps.size(), 1u);
    EXPECT_EQ(c.gaps[0].date, QDate(2023, 1, 7));
    EXPECT_EQ(c.gaps[0].slot, QLatin1Char('A'));
    EXPECT_TRUE(c.gaps[0].candidates.isEmpty()) << c.gaps[0].candidates.join(' ').toStdString();
    EXPECT_EQ(c.unfilled, 1);
    EXPECT_EQ(c.matchable, 1) << "XA to the 7th, YB to the 1st";
    EXPECT_FALSE(c.allFilled());
    EXPECT_FALSE(c.gapsFilled);
}

TEST(ScheduleCheck, TextAndJsonSayTheSame) {
    OfficeRun run;
    buildOffice(run);
    WriteFillGaps(run.folder.path(), true);
    run.generate(1);
    const ScheduleCheck c = checkOf(run);
    EXPECT_EQ(c.gapsFilled, 1);
    EXPECT_TRUE(c.allFilled());

    const QString text = ScheduleCheckText(c);
    for (const char* line : {"SCHEDULE CHECK. 1/2023.\n",
                             "Once/day:False. Once/Week:False. Once/weekday:False. "
                             "Method:1 Gaps filled: 1.\n",
                             "North (site 1, calendar 1)             2       2     0       1\n",
                             "Zoe, \"Zed\" Clark (ZC)               1     1  -\n",
                             "    requests: 1B at site 1 placed; 40A at site 1 NOT PLACED\n",
                             "AGT? SLOTS: 0. A maximum matching over the hard rules could fill 0 of them.\n",
                             "Gap filling filled 1.\n"})
        EXPECT_TRUE(text.contains(QLatin1String(line))) << line << "\n" << text.toStdString();

    const QJsonObject json = QJsonDocument::fromJson(ScheduleCheckJson(c)).object();
    EXPECT_EQ(json[QStringLiteral("unfilled")].toInt(), 0);
    EXPECT_EQ(json[QStringLiteral("gapsFilled")].toInt(), 1);
    EXPECT_TRUE(json[QStringLiteral("allFilled")].toBool());
    EXPECT_EQ(json[QStringLiteral("sites")].toArray()[0].toObject()[QStringLiteral("filled")].toInt(), 2);
    const QJsonObject zc = json[QStringLiteral("agents")].toArray()[2].toObject();
    EXPECT_EQ(zc[QStringLiteral("name")].toString(), QStringLiteral("Zoe, \"Zed\" Clark"));
    EXPECT_FALSE(zc[QStringLiteral("requests")].toArray()[1].toObject()[QStringLiteral("placed")].toBool());
}

TEST(ScheduleCheck, FewestDaysApartAndWhoCouldStillTakeAGap) {
    // The A slots of Sundays 1 and 8 and of Monday 2. AN works the Sundays, and a day after a duty is kept
    // free; BO is off every morning.
    OfficeRun run;
    SiteSetup north;
    north.am = onDay(1, 1);
    north.am[1] = 1;
    north.close = QStringLiteral("3-7 9-31");
    run.addSite(north);
    run.addAgent(QStringLiteral("AN"));
    AgentSetup bo;
    bo.initials = QStringLiteral("BO");
    bo.assigned = QStringLiteral("1");
    bo.offAM = QStringLiteral("1-31");
    run.addAgent(bo);
    TuneSettings rules;
    rules.daysAfter = 1;
    run.useRules(rules);
    run.generate(1);
    ASSERT_EQ(run.calendar(1), records(QStringLiteral("01A1AN__ 08A1AN__ 02A2AGT?")));
    const ScheduleCheck c = checkOf(run);
    EXPECT_EQ(c.agents[0].fewestDaysBetween, 7);
    ASSERT_EQ(c.gaps.size(), 1u);
    EXPECT_EQ(c.gaps[0].candidates, QStringList{QStringLiteral("AN")}) << "the hard rules know no spacing";
    EXPECT_EQ(c.matchable, 1);
    EXPECT_FALSE(c.agents[1].canWork) << "BO is off on every slot of the month";
}

// A team is one agent: its two entries share one maximum at sites that are not linked, its manual record
// lowers that maximum once, and the check shows the team's own maximum.
TEST(ScheduleCheck, ATeamHoldsItsOwnMaximumOnceUnderEitherRoutine) {
    for (const bool automatic : {true, false}) {
        SCOPED_TRACE(automatic ? "automatic" : "rules");
        OfficeRun run;
        for (int n : {1, 2}) {
            SiteSetup site;
            site.number = n;
            site.name = n == 1 ? QStringLiteral("North") : QStringLiteral("South");
            site.am = everyDay(2);
            run.addSite(site);
        }
        AgentSetup team;
        team.name = QStringLiteral("Ida and Jon");
        team.initials = QStringLiteral("I+J");
        team.assigned = QStringLiteral("1 2");
        team.maxTimes = 8;
        team.manOn1 = QStringLiteral("3A");
        team.manSite1 = 1;
        run.addAgent(team);
        if (automatic)
            run.useAutomatic();
        run.generate(1);
        int records = 0;
        for (int n = 1; n <= run.program.schedule.CalendarCount; ++n)
            records += int(QString::fromStdString(run.calendar(n)).count(QStringLiteral("I+J_")));
        EXPECT_EQ(records, 8) << "the request and seven generated duties";

        const ScheduleCheck c = checkOf(run);
        ASSERT_EQ(c.agents.size(), 1u);
        EXPECT_EQ(c.agents[0].maximum, 8);
        EXPECT_EQ(c.agents[0].duties, 8);
        const QString line =
            QStringLiteral("Ida and Jon (I+J)").leftJustified(30) + QStringLiteral("      8     8");
        EXPECT_TRUE(ScheduleCheckText(c).contains(line)) << ScheduleCheckText(c).toStdString();
    }
}

TEST(ScheduleCheck, NothingGeneratedIsNoCheck) {
    OfficeRun run;
    buildOffice(run);
    EXPECT_FALSE(CheckSchedule(run.program).check);
    run.generate(1);
    QFile::remove(run.folder.file(QStringLiteral("0123.1")));
    EXPECT_FALSE(CheckSchedule(run.program).check);
}

namespace {

struct ExampleCase {
    const char* office;
    bool automatic;
};

class ExampleCheck : public ::testing::TestWithParam<ExampleCase> {};

} // namespace

// Strict rules leave slots open in every example; the check counts exactly the "AGT?" records and its
// candidates only ever name agents who hold nothing that day.
TEST_P(ExampleCheck, CountsTheUnfilledRecords) {
    OfficeRun run;
    ASSERT_TRUE(QFile::remove(run.program.paths.DatabasePath));
    ASSERT_TRUE(QFile::copy(exampleOffice(QLatin1String(GetParam().office)), run.program.paths.DatabasePath));
    if (GetParam().automatic) {
        run.useAutomatic();
    } else {
        TuneSettings rules;
        rules.onceDay = 1;
        rules.onceWeek = 1;
        rules.daysBefore = 2;
        run.useRules(rules);
    }
    run.generate(2);
    const ScheduleCheck c = checkOf(run);
    EXPECT_EQ(c.unfilled, unfilledRecords(run));
    int unfilled = 0, records = 0, written = 0;
    for (const ScheduleCheck::Site& s : c.sites) {
        unfilled += s.unfilled;
        records += s.records;
        written += int(QString::fromStdString(run.calendar(s.calendar)).count(QStringLiteral("\r\n")));
    }
    EXPECT_EQ(unfilled, c.unfilled);
    EXPECT_EQ(records, written);
    EXPECT_GE(c.matchable, 0);
    EXPECT_LE(c.matchable, c.unfilled);
    if (!GetParam().automatic) {
        EXPECT_GT(c.unfilled, 0) << "the strict rules leave gaps";
    }
    EXPECT_EQ(c.allFilled(), c.unfilled == 0);
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleCheck,
                         ::testing::Values(ExampleCase{"OneOffice", false}, ExampleCase{"OneOffice", true},
                                           ExampleCase{"TwoOfficeA", false}, ExampleCase{"TwoOfficeB", false},
                                           ExampleCase{"LinkTeam", false}, ExampleCase{"LinkTeam", true},
                                           ExampleCase{"LinkSub", false}, ExampleCase{"LinkSub2", false}),
                         [](const auto& info) {
                             return std::string(info.param.office) +
                                    (info.param.automatic ? "_Automatic" : "_Rules");
                         });
