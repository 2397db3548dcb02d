// The manual-rule routine (AutoTune.dat other than "1"): one slot per agent per pass, the spacing rules
// of tune.dat and the two sweep methods.

#include "OfficeBuilder.h"

using namespace rp;
using namespace rp::test;

namespace {

TuneSettings rules(int16_t after, int16_t before, int16_t day, int16_t week, int16_t weekday,
                   int16_t method1 = -1) {
    TuneSettings t;
    t.daysAfter = after;
    t.daysBefore = before;
    t.onceDay = day;
    t.onceWeek = week;
    t.onceWeekday = weekday;
    t.method1 = method1;
    t.method2 = method1 == -1 ? 0 : -1;
    return t;
}

struct RulesRun : OfficeRun {
    using OfficeRun::OfficeRun;
    void agent(const QString& initials, const QString& sites = QStringLiteral("1")) {
        addAgent(initials, sites);
    }
    void site(const WeekCounts& am, const QString& close = {}, int number = 1) {
        SiteSetup s;
        s.number = number;
        s.name = number == 1 ? QStringLiteral("North") : QStringLiteral("South");
        s.am = am;
        if (!close.isEmpty())
            s.close = close;
        addSite(s);
    }
};

} // namespace

TEST(RulesRoutine, OneAgentTakesThreeSlotsInThreePassesInFillOrder) {
    RulesRun run;
    run.site(onDays({1, 2, 7}, 1), QStringLiteral("1 9-31")); // Sunday 8th, Saturday 7th, Monday 2nd
    run.agent(QStringLiteral("AN"));
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("08A1AN__ 07A7AN__ 02A2AN__")));
    EXPECT_EQ(run.program.schedule.RulesText,
              QStringLiteral("Once/day:False. Once/Week:False. Once/weekday:False. Method:1"));
}

TEST(RulesRoutine, OnceADayLeavesTheSecondSlotOfTheDayUnfilled) {
    RulesRun run;
    run.useRules(rules(0, 0, 1, 0, 0));
    run.site(onDay(1, 2), QStringLiteral("2-31"));
    run.agent(QStringLiteral("AN"));
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1AN__ 01B1AGT?")));
    EXPECT_EQ(run.program.schedule.RulesText,
              QStringLiteral("Once/day:True. Once/Week:False. Once/weekday:False. Method:1"));
}

TEST(RulesRoutine, OnceADayIsOnlyOnForOne) {
    RulesRun run;
    run.useRules(rules(0, 0, -1, 2, -1, 0));
    run.site(onDay(1, 2), QStringLiteral("2-31"));
    run.agent(QStringLiteral("AN"));
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1AN__ 01B1AN__")));
    EXPECT_EQ(run.program.schedule.RulesText,
              QStringLiteral("Once/day:False. Once/Week:False. Once/weekday:False. Method:2"));
}

TEST(RulesRoutine, OnceAWeekKeepsOneSlotPerCalendarWeek) {
    RulesRun run;
    run.useRules(rules(0, 0, 0, 1, 0));
    run.site(everyDay(1), QStringLiteral("15-31"));
    run.agent(QStringLiteral("AN"));
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1AN__ 08A1AN__ 07A7AGT? 14A7AGT? 02A2AGT? 09A2AGT? "
                                                      "03A3AGT? 10A3AGT? 04A4AGT? 11A4AGT? 05A5AGT? 12A5AGT? "
                                                      "06A6AGT? 13A6AGT?")));
}

TEST(RulesRoutine, OnceOnAnySameWeekday) {
    RulesRun run;
    run.useRules(rules(0, 0, 0, 0, 1));
    run.site(everyDay(1), QStringLiteral("15-31"));
    run.agent(QStringLiteral("AN"));
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1AN__ 07A7AN__ 02A2AN__ 03A3AN__ 04A4AN__ 05A5AN__ "
                                                      "06A6AN__ 08A1AGT? 14A7AGT? 09A2AGT? 10A3AGT? 11A4AGT? "
                                                      "12A5AGT? 13A6AGT?")));
    EXPECT_EQ(run.program.schedule.RulesText,
              QStringLiteral("Once/day:False. Once/Week:False. Once/weekday:True. Method:1"));
}

TEST(RulesRoutine, TwoDaysAfter) {
    RulesRun run;
    run.useRules(rules(2, 0, 0, 0, 0));
    run.site(everyDay(1), QStringLiteral("15-31"));
    run.agent(QStringLiteral("AN"));
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1AN__ 08A1AN__ 07A7AN__ 14A7AN__ 04A4AN__ 11A4AN__ "
                                                      "02A2AGT? 09A2AGT? 03A3AGT? 10A3AGT? 05A5AGT? 12A5AGT? "
                                                      "06A6AGT? 13A6AGT?")));
}

struct BeforeCase {
    int16_t before;
    const char* expected;
};

class DaysBefore : public ::testing::TestWithParam<BeforeCase> {};

TEST_P(DaysBefore, ADutyOnTheThirdClosesTheDaysBeforeIt) {
    RulesRun run(9, 2023); // the 1st is a Friday, the 3rd a Sunday
    run.useRules(rules(0, GetParam().before, 0, 0, 0));
    run.site(onDays({1, 6, 7}, 1), QStringLiteral("4-30"));
    run.agent(QStringLiteral("AN"));
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QString::fromLatin1(GetParam().expected)));
}

INSTANTIATE_TEST_SUITE_P(OneOrTwo, DaysBefore,
                         ::testing::Values(BeforeCase{2, "03A1AN__ 02A7AGT? 01A6AGT?"},
                                           BeforeCase{1, "03A1AN__ 01A6AN__ 02A7AGT?"}));

TEST(RulesRoutine, TwoManualEntriesUseUpAMaximumOfTwo) {
    RulesRun run;
    run.site(onDay(1, 1));
    AgentSetup am;
    am.name = QStringLiteral("Amy");
    am.initials = QStringLiteral("AM");
    am.assigned = QStringLiteral("1");
    am.maxTimes = 2;
    am.manOn1 = QStringLiteral("1A 8A");
    am.manSite1 = 1;
    run.addAgent(am);
    run.agent(QStringLiteral("BO"));
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1AM__ 08A1AM__ 15A1BO__ 22A1BO__ 29A1BO__")));
}

TEST(RulesRoutine, AnAgentWithManualRecordsStillGetsItsTurnWhenNobodyElseIsLeft) {
    RulesRun run;
    run.site(onDay(1, 1));
    AgentSetup m;
    m.name = QStringLiteral("Mona");
    m.initials = QStringLiteral("M");
    m.assigned = QStringLiteral("1");
    m.manOn1 = QStringLiteral("1A 8A");
    m.manSite1 = 1;
    run.addAgent(m);
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1M___ 08A1M___ 15A1M___ 22A1M___ 29A1M___")));
}

TEST(RulesRoutine, AnAgentNotAllowedAtASiteNeverWorksThere) {
    RulesRun run;
    run.site(onDay(1, 1));               // 5 slots
    run.site(onDay(7, 1), QString(), 2); // 4 slots, filled first
    run.agent(QStringLiteral("AN"), QStringLiteral("2"));
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("07A7AN__ 14A7AN__ 21A7AN__ 28A7AN__")));
    EXPECT_EQ(run.calendar(2), records(QStringLiteral("01A1AGT? 08A1AGT? 15A1AGT? 22A1AGT? 29A1AGT?")));
}

TEST(RulesRoutine, MethodOneAlternatesTheSweepBetweenSitesAndGenerations) {
    RulesRun run;
    run.site(onDay(1, 1), QStringLiteral("2-31"));          // 01A1
    run.site(onDay(1, 1), QStringLiteral("1-14 16-31"), 2); // 15A1
    run.agent(QStringLiteral("P"), QStringLiteral("1 2"));
    run.agent(QStringLiteral("Q"), QStringLiteral("1 2"));
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1P___")));
    EXPECT_EQ(run.calendar(2), records(QStringLiteral("15A1Q___")));
    EXPECT_EQ(run.program.schedule.PassToggle[0], 2);

    run.execute(QStringLiteral("DELETE FROM Sites WHERE fdSNum = 2"));
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1P___")));
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1Q___")));
    EXPECT_EQ(run.program.schedule.CalendarCount, 1);
}

TEST(RulesRoutine, MethodTwoAlternatesWholeAndHalfSweeps) {
    RulesRun run;
    run.useRules(rules(0, 0, 0, 0, 0, 0));
    run.site(everyDay(1), QStringLiteral("15-31"));
    for (const char* initials : {"AA", "BB", "CC", "DD"})
        run.agent(QLatin1String(initials));
    // First call: 4..1, 3..4, 1..2, then again.
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1DD__ 08A1CC__ 07A7BB__ 14A7AA__ 02A2CC__ 09A2DD__ "
                                                      "03A3AA__ 10A3BB__ 04A4DD__ 11A4CC__ 05A5BB__ 12A5AA__ "
                                                      "06A6CC__ 13A6DD__")));
    // Second call: 1..4, 2..1, 3..4, then again.
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1AA__ 08A1BB__ 07A7CC__ 14A7DD__ 02A2BB__ 09A2AA__ "
                                                      "03A3CC__ 10A3DD__ 04A4AA__ 11A4BB__ 05A5CC__ 12A5DD__ "
                                                      "06A6BB__ 13A6AA__")));
}

TEST(RulesRoutine, MethodTwoWithAnOddNumberOfAgents) {
    RulesRun run;
    run.useRules(rules(0, 0, 0, 0, 0, 0));
    run.site(everyDay(1), QStringLiteral("15-31"));
    for (const char* initials : {"AA", "BB", "CC"})
        run.agent(QLatin1String(initials));
    // 3..1, then 2..3, then 1..1.
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1CC__ 08A1BB__ 07A7AA__ 14A7BB__ 02A2CC__ 09A2AA__ "
                                                      "03A3CC__ 10A3BB__ 04A4AA__ 11A4BB__ 05A5CC__ 12A5AA__ "
                                                      "06A6CC__ 13A6BB__")));
}

TEST(RulesRoutine, MethodTwoFallsBackToAWholeSweepWhenAHalfSweepAssignsNothing) {
    RulesRun run;
    run.useRules(rules(0, 0, 0, 0, 0, 0));
    run.site(onDay(1, 1));
    run.agent(QStringLiteral("AA"));
    run.agent(QStringLiteral("BB"));
    run.agent(QStringLiteral("CC"), QStringLiteral("2"));
    run.agent(QStringLiteral("DD"), QStringLiteral("2"));
    run.generate();
    // 4..1 gives BB, AA; 3..4 gives nothing, so 4..1 again rather than 1..2.
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1BB__ 08A1AA__ 15A1BB__ 22A1AA__ 29A1BB__")));
}
