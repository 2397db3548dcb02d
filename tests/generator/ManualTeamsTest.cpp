// Manual requests, the bookkeeping around them, and linked sites with teams. Sites are filled by the
// rules routine with no rule switched on (method 1).

#include "OfficeBuilder.h"
#include "generator/AgentLoader.h"
#include "generator/ManualAssignments.h"
#include "generator/SiteLoader.h"

using namespace rp;
using namespace rp::test;

namespace {

AgentSetup agent(const QString& initials, const QString& sites = QStringLiteral("1")) {
    AgentSetup a;
    a.name = QStringLiteral("Agent ") + initials;
    a.initials = initials;
    a.assigned = sites;
    return a;
}

SiteSetup site(int number, const QString& name) {
    SiteSetup s;
    s.number = number;
    s.name = name;
    return s;
}

} // namespace

TEST(ManualRequests, ThirdAAtSiteTwoIsTakenOutOfTheSiteAndOutOfTheAgent) {
    OfficeRun run;
    SiteSetup north = site(1, QStringLiteral("North"));
    north.am = onDay(3, 1); // Tuesdays
    run.addSite(north);
    SiteSetup south = site(2, QStringLiteral("South"));
    south.am = onDays({3, 4}, 1); // Tuesdays and Wednesdays
    run.addSite(south);
    AgentSetup a = agent(QStringLiteral("AN"), QStringLiteral("1 2"));
    a.manOn1 = QStringLiteral("3A");
    a.manSite1 = 2;
    run.addAgent(a);
    run.generate();

    // North (5 open slots) goes before South (9 less the manual one); the agent no longer has the 3rd's
    // A token, so North's 3rd stays open, and at South it joins from the second pass on.
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("10A3AN__ 17A3AN__ 24A3AN__ 31A3AN__ 03A3AGT?")));
    EXPECT_EQ(run.description(1), descriptionOf(QStringLiteral("North"), QStringLiteral("1")));
    EXPECT_EQ(run.calendar(2), records(QStringLiteral("03A3AN__ 04A4AN__ 11A4AN__ 18A4AN__ 25A4AN__ "
                                                      "10A3AGT? 17A3AGT? 24A3AGT? 31A3AGT?")));
    EXPECT_EQ(run.description(2), descriptionOf(QStringLiteral("South"), QStringLiteral("2")));
}

TEST(ManualRequests, BookkeepingCountsPerSiteAndRemovesOnlyTheRequestedSlot) {
    OfficeRun run;
    SiteSetup north = site(1, QStringLiteral("North"));
    north.am = onDay(3, 2);
    run.addSite(north);
    SiteSetup south = site(2, QStringLiteral("South"));
    south.am = onDay(3, 2);
    run.addSite(south);
    run.addAgent(agent(QStringLiteral("BO"), QStringLiteral("1 2")));
    AgentSetup a = agent(QStringLiteral("AN"), QStringLiteral("1 2"));
    a.manOn1 = QStringLiteral("3A 17B");
    a.manSite1 = 2;
    a.manOn2 = QStringLiteral("10a 24B");
    a.manSite2 = 1;
    run.addAgent(a);

    GenerationTables tables(1, 2023);
    ASSERT_TRUE(LoadSites(run.program, tables));
    ASSERT_EQ(LoadAgents(run.program, tables), AgentLoad::Loaded);
    RotateAgents(tables, 2);
    BuildManualLists(run.program, tables);
    DoManualBookkeeping(tables);

    // "10a" is upper-cased into a key; the working order is AN, BO.
    EXPECT_EQ(tables.sites[2].manual, QStringLiteral("03A3AN__17B3AN__"));
    EXPECT_EQ(tables.sites[1].manual, QStringLiteral("10A3AN__24B3AN__"));
    EXPECT_EQ(tables.manualCount[0][2], 2);
    EXPECT_EQ(tables.manualCount[0][1], 2);
    EXPECT_EQ(tables.manualCount[1][1], 0);
    auto has = [&](int agent, const char* token) {
        return tables.avail[size_t(agent)].test(size_t(tables.month.indexOf(QLatin1String(token))));
    };
    EXPECT_FALSE(has(0, "03A3"));
    EXPECT_TRUE(has(0, "03B3"));
    EXPECT_FALSE(has(0, "17B3"));
    EXPECT_TRUE(has(0, "17A3"));
    EXPECT_FALSE(has(0, "10A3"));
    EXPECT_TRUE(has(1, "03A3"));
    EXPECT_EQ(tables.sites[2].open.size(), 8u);
    EXPECT_EQ(tables.sites[1].open.size(), 8u);
}

TEST(ManualRequests, ListsWithoutASiteOrOfOneCharacterAreIgnored) {
    OfficeRun run;
    SiteSetup north = site(1, QStringLiteral("North"));
    north.am = onDay(3, 1);
    run.addSite(north);
    AgentSetup noSite = agent(QStringLiteral("AA"));
    noSite.manOn1 = QStringLiteral("3A");
    run.addAgent(noSite);
    AgentSetup siteZero = agent(QStringLiteral("BB"));
    siteZero.manOn1 = QStringLiteral("10A");
    siteZero.manSite1 = 0;
    run.addAgent(siteZero);
    AgentSetup oneChar = agent(QStringLiteral("CC"));
    oneChar.manOn1 = QStringLiteral("A");
    oneChar.manSite1 = 1;
    run.addAgent(oneChar);
    AgentSetup blankAndFar = agent(QStringLiteral("DD"));
    blankAndFar.manOn1 = QStringLiteral(" ");
    blankAndFar.manSite1 = 1;
    blankAndFar.manOn2 = QStringLiteral("17A");
    blankAndFar.manSite2 = 12;
    run.addAgent(blankAndFar);
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("03A3AA__ 10A3BB__ 17A3CC__ 24A3DD__ 31A3AA__")));
}

TEST(ManualRequests, ADayBeyondTheMonthGivesNoRecord) {
    OfficeRun run(4, 2023); // 30 days, Sundays 2, 9, 16, 23, 30
    SiteSetup north = site(1, QStringLiteral("North"));
    north.am = onDay(1, 1);
    run.addSite(north);
    AgentSetup a = agent(QStringLiteral("AN"));
    a.manOn1 = QStringLiteral("31A 2A");
    a.manSite1 = 1;
    run.addAgent(a);
    run.addAgent(agent(QStringLiteral("BO")));
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("02A1AN__ 09A1BO__ 16A1AN__ 23A1BO__ 30A1AN__")));
    EXPECT_EQ(run.program.schedule.CalendarFilePrefix, QStringLiteral("0423"));
}

TEST(ManualRequests, ARequestForASlotTheSiteLacksIsStillWritten) {
    OfficeRun run;
    SiteSetup north = site(1, QStringLiteral("North"));
    north.am = onDay(1, 1); // Sunday mornings only; the 3rd is a Tuesday
    run.addSite(north);
    AgentSetup a = agent(QStringLiteral("AN"));
    a.manOn1 = QStringLiteral("3C");
    a.manSite1 = 1;
    run.addAgent(a);
    run.generate();
    EXPECT_EQ(run.calendar(1),
              records(QStringLiteral("03C3AN__ 01A1AN__ 08A1AN__ 15A1AN__ 22A1AN__ 29A1AN__")));
}

TEST(LinkedSites, ATeamRequestCoversBothSitesAndTheTeamsWholeDay) {
    OfficeRun run;
    for (int n : {1, 2}) {
        SiteSetup s = site(n, n == 1 ? QStringLiteral("North") : QStringLiteral("South"));
        s.pm = onDay(5, 1); // Thursdays 5, 12, 19, 26: C and G
        s.ev = onDay(5, 1);
        s.link = QStringLiteral("A");
        run.addSite(s);
    }
    AgentSetup team = agent(QStringLiteral("ABC+"), QStringLiteral("1 2"));
    team.manOn1 = QStringLiteral("5C");
    team.manSite1 = 1;
    run.addAgent(team);
    run.addAgent(agent(QStringLiteral("X"), QStringLiteral("1 2")));
    run.addAgent(agent(QStringLiteral("Y"), QStringLiteral("1 2")));
    run.generate();

    // North (7 open slots) is filled first and handed over; the team may not take 05G5 (its day is
    // gone) and is not scheduled again at South, where its slots are already covered.
    EXPECT_EQ(run.program.schedule.AgentInitials, (QStringList{"ABC+", "X___", "Y___", "ABC+"}));
    EXPECT_EQ(run.program.schedule.CalendarCount, 1);
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("05G5Y___ 12G5X___ 26G5Y___ 12C5X___ "
                                                      "05C5ABC+ 05G5X___ 12G5Y___ 19G5ABC+ 26G5X___ 12C5Y___ "
                                                      "19C5ABC+ 26C5ABC+")));
    EXPECT_EQ(run.description(1), descriptionOf(QStringLiteral("South"), QStringLiteral("2")));
    EXPECT_EQ(run.generatedFiles(), (QStringList{"0123.1", "0123.1D"}));
    EXPECT_TRUE(run.ui.messages().empty()) << run.shown().join('\n').toStdString();
}

TEST(LinkedSites, AManualRecordAtTheFirstSiteTakesTheAgentsWholeDay) {
    OfficeRun run;
    for (int n : {1, 2}) {
        SiteSetup s = site(n, n == 1 ? QStringLiteral("North") : QStringLiteral("South"));
        s.am = onDay(1, 1);
        s.pm = onDay(1, 1);
        s.close = QStringLiteral("8-31");
        s.link = QStringLiteral("B");
        run.addSite(s);
    }
    AgentSetup a = agent(QStringLiteral("AN"), QStringLiteral("1 2"));
    a.manOn1 = QStringLiteral("1A");
    a.manSite1 = 1;
    run.addAgent(a);
    run.addAgent(agent(QStringLiteral("BO"), QStringLiteral("1-2")));
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1BO__ 01C1AGT? 01A1AN__ 01C1BO__")));
    EXPECT_EQ(run.description(1), descriptionOf(QStringLiteral("South"), QStringLiteral("2")));
}
