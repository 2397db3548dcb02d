// The generator's in-memory tables after loading: the combined open-slot list of the sites and the
// bookkeeping of manual requests. Sites are filled by the rules routine with no rule switched on.

#include "OfficeBuilder.h"
#include "generator/AgentLoader.h"
#include "generator/ManualAssignments.h"
#include "generator/SiteLoader.h"

using namespace rp;
using namespace rp::test;

TEST(SiteSlots, TwoSitesWithTheSamePatternShareEachSlotOnceInTheCombinedList) {
    OfficeRun run;
    SiteSetup a;
    a.am = onDay(1, 1);
    run.addSite(a);
    SiteSetup b = a;
    b.number = 2;
    b.name = QStringLiteral("South");
    b.pm = onDay(1, 1);
    run.addSite(b);

    GenerationTables tables(1, 2023);
    ASSERT_TRUE(LoadSites(run.program, tables));
    QStringList combined;
    for (int index : tables.combined)
        combined << tables.month.token(index).toString();
    // Site 1's Sunday A slots first, then what only site 2 has.
    EXPECT_EQ(combined,
              (QStringList{"01A1", "08A1", "15A1", "22A1", "29A1", "01C1", "08C1", "15C1", "22C1", "29C1"}));
    EXPECT_EQ(run.program.schedule.SiteCount, 9);
}

TEST(ManualRequests, BookkeepingCountsPerSiteAndRemovesOnlyTheRequestedSlot) {
    OfficeRun run;
    for (int n : {1, 2}) {
        SiteSetup s;
        s.number = n;
        s.name = n == 1 ? QStringLiteral("North") : QStringLiteral("South");
        s.am = onDay(3, 2);
        run.addSite(s);
    }
    run.addAgent(QStringLiteral("BO"), QStringLiteral("1 2"));
    run.execute(
        QStringLiteral("INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdManOn1, fdManSite1, fdManOn2, "
                       "fdManSite2) VALUES ('Agent AN', 'AN', '1 2', '3A 17B', 2, '10a 24B', 1)"));

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
