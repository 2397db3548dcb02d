// Automatic fine tuning (AutoTune.dat "1"): spreading, its step-by-step relaxation, the one-slot-a-day
// rule and what carries over to the sites filled later.

#include "OfficeBuilder.h"

using namespace rp;
using namespace rp::test;

namespace {

struct AutoRun : OfficeRun {
    AutoRun() { useAutomatic(); }
    void agent(const QString& initials, const QString& sites = QStringLiteral("1"),
               std::optional<int> maxTimes = std::nullopt) {
        AgentSetup a;
        a.name = QStringLiteral("Agent ") + initials;
        a.initials = initials;
        a.assigned = sites;
        a.maxTimes = maxTimes;
        addAgent(a);
    }
    void site(int number, const QString& name, const WeekCounts& am, const QString& close = {},
              const WeekCounts& pm = {}) {
        SiteSetup s;
        s.number = number;
        s.name = name;
        s.am = am;
        s.pm = pm;
        if (!close.isEmpty())
            s.close = close;
        addSite(s);
    }
};

} // namespace

TEST(AutomaticTuning, ASingleAgentGetsEverySundayThroughTheFirstRelaxation) {
    AutoRun run;
    run.site(1, QStringLiteral("North"), onDay(1, 1));
    run.agent(QStringLiteral("AN"));
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1AN__ 08A1AN__ 15A1AN__ 22A1AN__ 29A1AN__")));
    EXPECT_EQ(run.program.schedule.RulesText, QStringLiteral("AUTOMATIC FINE TUNING."));
}

TEST(AutomaticTuning, TwoAgentsOverTwoWeeksSpreadAndRelaxStepByStep) {
    // One A slot a day on the 1st to the 14th. Each pass gives P then Q the first slot their spread
    // availability allows; later passes need the week store (failure 3), days two apart (failure 4) and
    // the day-2 / day+2 stores (failure 5).
    AutoRun run;
    run.site(1, QStringLiteral("North"), everyDay(1), QStringLiteral("15-31"));
    run.agent(QStringLiteral("P"));
    run.agent(QStringLiteral("Q"));
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1P___ 08A1Q___ 14A7P___ 02A2Q___ 07A7P___ 11A4Q___ "
                                                      "10A3P___ 05A5Q___ 04A4P___ 13A6Q___ 12A5P___ 09A2Q___ "
                                                      "03A3P___ 06A6Q___")));
    expectNoUnexpectedPrompts(run.ui);
}

TEST(AutomaticTuning, AnAgentWithMaximumZeroIsExcludedAndTheOthersTakeItsTurns) {
    AutoRun run;
    run.site(1, QStringLiteral("North"), onDay(1, 1));
    run.agent(QStringLiteral("ZE"), QStringLiteral("1"), 0);
    run.agent(QStringLiteral("P"));
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1P___ 08A1P___ 15A1P___ 22A1P___ 29A1P___")));
}

TEST(AutomaticTuning, WhenEveryAgentIsExcludedTheRestIsUnfilledInFillOrder) {
    AutoRun run;
    run.site(1, QStringLiteral("North"), onDays({1, 7}, 1));
    run.agent(QStringLiteral("ZE"), QStringLiteral("1"), 0);
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1AGT? 08A1AGT? 15A1AGT? 22A1AGT? 29A1AGT? "
                                                      "07A7AGT? 14A7AGT? 21A7AGT? 28A7AGT?")));
}

TEST(AutomaticTuning, AnEntryWithoutInitialsEndsTheSiteInsteadOfLoopingForEver) {
    AutoRun run;
    run.site(1, QStringLiteral("North"), onDays({1, 7}, 1));
    AgentSetup nobody;
    nobody.assigned = QStringLiteral("1");
    run.addAgent(nobody);
    run.agent(QStringLiteral("AW"), QStringLiteral("2")); // not allowed here
    run.generate();
    EXPECT_EQ(run.program.schedule.AgentInitials, (QStringList{"AGT?", "AW__"}));
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1AGT? 08A1AGT? 15A1AGT? 22A1AGT? 29A1AGT? "
                                                      "07A7AGT? 14A7AGT? 21A7AGT? 28A7AGT?")));
}

TEST(AutomaticTuning, NoGeneratedSlotOnTheDayOfAManualRecordAndOneSlotADay) {
    AutoRun run;
    run.site(1, QStringLiteral("North"), onDay(3, 1), {}, onDay(3, 1)); // Tuesdays: A and C
    AgentSetup m;
    m.name = QStringLiteral("Mona");
    m.initials = QStringLiteral("M");
    m.assigned = QStringLiteral("1");
    m.manOn1 = QStringLiteral("10A");
    m.manSite1 = 1;
    run.addAgent(m);
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("10A3M___ 03A3M___ 17A3M___ 24A3M___ 31A3M___ "
                                                      "03C3AGT? 10C3AGT? 17C3AGT? 24C3AGT? 31C3AGT?")));
}

TEST(AutomaticTuning, AGivenDayIsGoneAtLaterSitesWhileSpreadDaysComeBack) {
    AutoRun run;
    run.site(1, QStringLiteral("First"), onDay(1, 1), QStringLiteral("8-31"));               // 01A1
    run.site(2, QStringLiteral("Second"), onDay(2, 1), QStringLiteral("8-31"), onDay(1, 1)); // 01C1, 02A2
    run.agent(QStringLiteral("P"), QStringLiteral("1 2"));
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1P___")));
    // 02A2 was taken away by the week and day+1 spreading at First and is available again; the 1st is not.
    EXPECT_EQ(run.calendar(2), records(QStringLiteral("02A2P___ 01C1AGT?")));
    EXPECT_EQ(run.description(2), descriptionOf(QStringLiteral("Second"), QStringLiteral("2")));
}

TEST(AutomaticTuning, TheSweepDirectionAlternatesBetweenSites) {
    AutoRun run;
    run.site(1, QStringLiteral("First"), onDay(1, 1), QStringLiteral("2-31"));        // 01A1
    run.site(2, QStringLiteral("Second"), onDay(1, 1), QStringLiteral("1-14 16-28")); // 15A1, 29A1
    run.agent(QStringLiteral("P"), QStringLiteral("1 2"));
    run.agent(QStringLiteral("Q"), QStringLiteral("1 2"));
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1P___")));
    EXPECT_EQ(run.calendar(2), records(QStringLiteral("15A1Q___ 29A1P___")));
    EXPECT_EQ(run.program.schedule.PassToggle[1], 2);
}

TEST(AutomaticTuning, TheToggleCarriesOverGenerationsAndIsNotTheRulesToggle) {
    AutoRun run;
    run.site(1, QStringLiteral("North"), onDay(1, 1), QStringLiteral("2-31"));
    run.agent(QStringLiteral("P"));
    run.agent(QStringLiteral("Q"));
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1P___")));
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1Q___")));
    // A generation by the rules advances the rules' own toggle only.
    run.useRules();
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1P___")));
    run.useAutomatic();
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1P___")));
}

TEST(AutomaticTuning, AutoTuneWithBlanksStillSelectsTheAutomaticMethod) {
    AutoRun run;
    WriteAutoTune(run.folder.path(), QStringLiteral(" 1 "));
    run.site(1, QStringLiteral("North"), onDay(1, 1), QStringLiteral("2-31"));
    run.agent(QStringLiteral("P"));
    run.generate();
    EXPECT_EQ(run.program.schedule.RulesText, QStringLiteral("AUTOMATIC FINE TUNING."));
}

TEST(AutomaticTuning, AgentsAfterTheLastTakeKeepTheirMaximumUnlowered) {
    // First's only open slot goes to A in the first sweep, which ends the site before B's turn, so B's
    // maximum of 2 is never lowered by its manual record there and B takes two slots at Second.
    AutoRun run;
    run.site(1, QStringLiteral("First"), onDay(1, 1), QStringLiteral("2-31"),
             onDay(1, 1));                              // 01A1 (01C1 manual)
    run.site(2, QStringLiteral("Second"), onDay(7, 1)); // Saturdays
    run.agent(QStringLiteral("A"), QStringLiteral("1"));
    AgentSetup b;
    b.name = QStringLiteral("Bea");
    b.initials = QStringLiteral("B");
    b.assigned = QStringLiteral("1 2");
    b.maxTimes = 2;
    b.manOn1 = QStringLiteral("1C");
    b.manSite1 = 1;
    run.addAgent(b);
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01C1B___ 01A1A___")));
    EXPECT_EQ(run.calendar(2), records(QStringLiteral("07A7B___ 14A7B___ 21A7AGT? 28A7AGT?")));
}

TEST(AutomaticTuning, RelaxingAroundOnlyManualRecordsRemovesDaysForLaterSites) {
    // M can take nothing at First (its Sundays are off) and relaxes around its manual record on the 10th
    // there; with no slot taken it has no work copy, so the 8th, 9th, 11th and 12th stay removed.
    AutoRun run;
    run.site(1, QStringLiteral("First"), onDay(1, 1));
    run.site(2, QStringLiteral("Second"), onDays({2, 3, 4, 5}, 1), QStringLiteral("1-8 10 13-15 18-31"));
    AgentSetup m;
    m.name = QStringLiteral("Mona");
    m.initials = QStringLiteral("M");
    m.assigned = QStringLiteral("1 2");
    m.offAll = QStringLiteral("1 8 15 22 29");
    m.manOn1 = QStringLiteral("10C");
    m.manSite1 = 1;
    run.addAgent(m);
    run.generate();
    EXPECT_EQ(run.calendar(1),
              records(QStringLiteral("10C3M___ 01A1AGT? 08A1AGT? 15A1AGT? 22A1AGT? 29A1AGT?")));
    EXPECT_EQ(run.calendar(2), records(QStringLiteral("16A2M___ 17A3M___ 09A2AGT? 11A4AGT? 12A5AGT?")));
}

TEST(AutomaticTuning, BothEntriesOfATeamShareTheirDaysAtASite) {
    AutoRun run;
    run.site(1, QStringLiteral("North"), onDay(1, 1), QStringLiteral("2-31"), onDay(1, 1)); // 01A1, 01C1
    run.agent(QStringLiteral("T+1"));
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1T+1_ 01C1AGT?")));
}

TEST(AutomaticTuning, NoAgentsAtAllLeaveEverySlotUnfilled) {
    AutoRun run;
    run.site(1, QStringLiteral("North"), onDay(7, 1));
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("07A7AGT? 14A7AGT? 21A7AGT? 28A7AGT?")));
    EXPECT_EQ(run.shown(),
              QStringList{"RPRtnsMsbrGetAgtSiteWorkTimes|Database reports having no Agent records."});
}
