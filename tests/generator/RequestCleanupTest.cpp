// Clearing the requests of the month past: which fields become one blank, what stays, how the next
// generation reads the blanks, and the failures.

#include "generator/RequestCleanup.h"

#include "OfficeBuilder.h"
#include "OfficeData.h"
#include "model/OfficeDatabase.h"

#include <QFile>

using namespace rp;
using namespace rp::test;

namespace {

struct CleanupRun : OfficeRun {
    CleanupRun() : OfficeRun(2, 2023) {
        SiteSetup north;
        north.am = everyDay(1);
        north.close = QStringLiteral("1-7");
        addSite(north);
        SiteSetup south;
        south.number = 2;
        south.name = QStringLiteral("South");
        south.close = QStringLiteral("25");
        south.link = QStringLiteral("L");
        addSite(south);
        execute(QStringLiteral(
            "INSERT INTO Agents (fdName, fdInitial, fdMaxTimes, fdAssigned, fdOffAll, fdOffPM1, fdManOn1, "
            "fdManSite1, fdManOn2, fdManSite2) VALUES ('Anna Adams', 'AA', 40, '1 2', '15-20', '2', '9A', 1, "
            "'10A', 2);"
            "INSERT INTO Agents (fdName, fdInitial, fdAssigned, fdOffAM, fdOffPM2) "
            "VALUES ('Ben Brown', 'BB', '1', '1-28', '4')"));
    }
};

// The calendar of site North (the sites are filled fewest open slots first, so it is not calendar 1).
std::string northOf(const OfficeRun& run) {
    for (int n = 1; n <= 2; ++n) {
        if (run.description(n).find("North") != std::string::npos)
            return run.calendar(n);
    }
    return {};
}

int recordCount(const std::string& calendar) {
    return int(std::count(calendar.begin(), calendar.end(), '\n'));
}

} // namespace

TEST(RequestCleanup, EveryDateFieldOfEveryRecordHoldsOneBlank) {
    CleanupRun run;
    ASSERT_TRUE(RPRtnsMsbrErase(run.ui, run.program.paths.DatabasePath));
    for (const auto& agent : recordsOf(run.program.paths.DatabasePath, office::kAgents)) {
        for (const QString& f : AgentRequestFields())
            EXPECT_EQ(agent.at(f).toString(), QStringLiteral(" ")) << f;
    }
    for (const auto& site : recordsOf(run.program.paths.DatabasePath, office::kSites))
        EXPECT_EQ(site.at(SiteRequestField()).toString(), QStringLiteral(" "));
    EXPECT_TRUE(run.ui.messages().empty());
    EXPECT_FALSE(run.ui.busy());
}

TEST(RequestCleanup, SitesLimitsManualSitesNamesAndLinksStay) {
    CleanupRun run;
    const auto agentsBefore = recordsOf(run.program.paths.DatabasePath, office::kAgents);
    const auto sitesBefore = recordsOf(run.program.paths.DatabasePath, office::kSites);
    ASSERT_TRUE(RPRtnsMsbrErase(run.ui, run.program.paths.DatabasePath));
    const auto agentsAfter = recordsOf(run.program.paths.DatabasePath, office::kAgents);
    const auto sitesAfter = recordsOf(run.program.paths.DatabasePath, office::kSites);
    ASSERT_EQ(agentsAfter.size(), agentsBefore.size());
    ASSERT_EQ(sitesAfter.size(), sitesBefore.size());
    const QStringList cleared = AgentRequestFields();
    for (size_t i = 0; i < agentsAfter.size(); ++i) {
        for (const auto& [field, value] : agentsBefore[i]) {
            if (!cleared.contains(field)) {
                EXPECT_EQ(agentsAfter[i].at(field), value) << field;
            }
        }
    }
    EXPECT_EQ(agentsAfter[0].at(QStringLiteral("fdManSite2")).toInt(), 2);
    EXPECT_EQ(agentsAfter[1].at(QStringLiteral("fdMaxTimes")), QVariant()) << "a Null limit stays Null";
    for (size_t i = 0; i < sitesAfter.size(); ++i) {
        for (const auto& [field, value] : sitesBefore[i]) {
            if (field != SiteRequestField()) {
                EXPECT_EQ(sitesAfter[i].at(field), value) << field;
            }
        }
    }
}

TEST(RequestCleanup, NullFieldsAreBlankedToo) {
    OfficeRun run;
    run.addAgent(QStringLiteral("ZZ"));
    run.addSite(SiteSetup{});
    ASSERT_TRUE(RPRtnsMsbrErase(run.ui, run.program.paths.DatabasePath));
    const auto agent = recordsOf(run.program.paths.DatabasePath, office::kAgents).at(0);
    EXPECT_EQ(agent.at(QStringLiteral("fdManOn2")).toString(), QStringLiteral(" "));
    EXPECT_EQ(recordsOf(run.program.paths.DatabasePath, office::kSites).at(0).at(QStringLiteral("fdSClose")),
              QVariant(QStringLiteral(" ")));
}

TEST(RequestCleanup, AnEmptyOfficeIsNoFailure) {
    OfficeRun run;
    EXPECT_TRUE(RPRtnsMsbrErase(run.ui, run.program.paths.DatabasePath));
    EXPECT_TRUE(run.ui.messages().empty()) << run.shown().join('\n');
}

TEST(RequestCleanup, TheNextGenerationReadsTheBlanksAsNoRequests) {
    CleanupRun run;
    run.execute(QStringLiteral("UPDATE Sites SET fdLink = NULL"));
    run.generate();
    const std::string before = northOf(run);
    // North is closed on the 1st to the 7th; nobody may take the mornings of the 15th to the 20th.
    EXPECT_EQ(recordCount(before), 21) << before;
    EXPECT_NE(before.find("15A"), std::string::npos);
    EXPECT_NE(before.find("AGT?"), std::string::npos);
    EXPECT_EQ(before.find("01A"), std::string::npos);

    ASSERT_TRUE(RPRtnsMsbrErase(run.ui, run.program.paths.DatabasePath));
    run.ui.clear();
    run.generate();
    const std::string north = northOf(run);
    EXPECT_EQ(recordCount(north), 28) << north;
    EXPECT_EQ(north.find("AGT?"), std::string::npos) << north;
    EXPECT_NE(north.find("01A"), std::string::npos) << "the 1st is open again";
    EXPECT_TRUE(run.shown().filter(QStringLiteral("Manual")).isEmpty()) << run.shown().join('\n');
}

TEST(RequestCleanup, ReadOnlyOfficeGivesTheAccessMessageAndChangesNothing) {
    CleanupRun run;
    const QString path = run.program.paths.DatabasePath;
    const QByteArray before = run.folder.read(QStringLiteral("floor.mdb"));
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    bool ended = false;
    try {
        RPRtnsMsbrErase(run.ui, path);
    } catch (const ProgramEnded&) {
        ended = true;
    }
    EXPECT_TRUE(ended);
    EXPECT_TRUE(run.ui.ended());
    ASSERT_EQ(run.ui.messages().size(), 1u);
    expectMessage(run.ui.messages()[0], DatabaseAccessMessageText(path), kDatabaseAccessTitle,
                  Icon::Critical);
    EXPECT_FALSE(run.ui.busy());
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(run.folder.read(QStringLiteral("floor.mdb")), before);
}

TEST(RequestCleanup, OtherFailuresStopWhereTheyAreWithTheStepsMessage) {
    CleanupRun run;
    run.execute(QStringLiteral("DROP TABLE Sites"));
    EXPECT_FALSE(RPRtnsMsbrErase(run.ui, run.program.paths.DatabasePath));
    ASSERT_EQ(run.ui.messages().size(), 1u);
    const auto& m = run.ui.messages()[0];
    expectMessage(m, {.title = "RPRtnsMsbrErase", .icon = Icon::Critical});
    EXPECT_TRUE(m.text.startsWith(QStringLiteral("Error: "))) << m.text;
    EXPECT_TRUE(m.text.endsWith(QStringLiteral(". #3078."))) << m.text;
    EXPECT_FALSE(run.ui.ended());
    EXPECT_FALSE(run.ui.busy());
    // The agents were cleared before the failure and stay cleared.
    for (const auto& agent : recordsOf(run.program.paths.DatabasePath, office::kAgents))
        EXPECT_EQ(agent.at(QStringLiteral("fdOffAll")).toString(), QStringLiteral(" "));
}
