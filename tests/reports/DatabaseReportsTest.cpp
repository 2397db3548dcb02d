// The agent and site reports: their texts read from the office database and their pages.
#include "reports/DatabaseReports.h"

#include "OfficeBuilder.h"
#include "RecordingPrinter.h"

#include <QRegularExpression>

using namespace rp;
using namespace rp::test;

namespace {

QStringList blocksOf(OfficeRun& office, int reportType) {
    return ReadReportBlocks(office.program.paths.DatabasePath, reportType);
}

} // namespace

TEST(DatabaseReports, AgentBlocksShowEmptyFieldsAsFiveBlanksAndAnEmptyMaximumAsNothing) {
    OfficeRun office;
    office.addAgent({.name = QStringLiteral("Ann Lee"),
                     .initials = QStringLiteral("AL"),
                     .maxTimes = 6,
                     .assigned = QStringLiteral("1 2"),
                     .offAll = QStringLiteral("5 12-14"),
                     .offAM = QStringLiteral("3"),
                     .offPM1 = QStringLiteral("4"),
                     .offPM2 = QStringLiteral("9"),
                     .manOn1 = QStringLiteral("1A 12G"),
                     .manSite1 = 1,
                     .manOn2 = QStringLiteral("2B"),
                     .manSite2 = 2});
    // Null fields, and a blank one as the month clean-up leaves it.
    AgentSetup bare;
    bare.name = QStringLiteral("Bare");
    bare.offAll = QStringLiteral(" ");
    office.addAgent(bare);
    const QStringList blocks = blocksOf(office, report::kAgentReport);
    EXPECT_EQ(DatabaseReportText(report::kAgentReport, blocks),
              QStringLiteral("AGENT REPORT. ROTAPLAN.\r\n\r\n"
                             "Ann Lee / AL. SITES ON: 1 2. MAX TIMES: 6\r\n"
                             "OFF ALL: 5 12-14\r\n"
                             "OFF AM: 3\r\n"
                             "OFF PM1: 4\r\n"
                             "OFF PM2: 9\r\n"
                             "MANUAL (on only): 1A 12G 2B\r\n"
                             "\r\n\r\n"
                             "Bare /      . SITES ON:      . MAX TIMES: \r\n"
                             "OFF ALL:      \r\n"
                             "OFF AM:      \r\n"
                             "OFF PM1:      \r\n"
                             "OFF PM2:      \r\n"
                             "MANUAL (on only):            \r\n"
                             "\r\n\r\n"));
}

TEST(DatabaseReports, SiteBlocksShowCountsInSignedFormTheLinkAndClosedDays) {
    OfficeRun office;
    office.addSite({.number = 1,
                    .name = QStringLiteral("North"),
                    .am = onDay(1, 2),
                    .pm = everyDay(1),
                    .ev = onDay(7, 2),
                    .close = QStringLiteral("1 25"),
                    .link = QStringLiteral("A")});
    office.execute(
        QStringLiteral("INSERT INTO Sites (fdSNum, fdSName, fdAM1, fdPM1) VALUES (2, 'South', -1, 12)"));
    const QString five = QStringLiteral("     ");
    const QString nullDay =
        QStringLiteral("   ") + five + QStringLiteral("  ") + five + QStringLiteral("  ") + five;
    EXPECT_EQ(DatabaseReportText(report::kSiteReport, blocksOf(office, report::kSiteReport)),
              QStringLiteral("SITE REPORT. ROTAPLAN.\r\n\r\n"
                             "North.  LINK (if any): A\r\n"
                             "        AM PM1 PM2\r\n"
                             "SUN:    2   1   0\r\n"
                             "MON:    0   1   0\r\n"
                             "TUE:    0   1   0\r\n"
                             "WED:    0   1   0\r\n"
                             "THU:    0   1   0\r\n"
                             "FRI:    0   1   0\r\n"
                             "SAT:    0   1   2\r\n"
                             "\r\n"
                             "DAYS CLOSED (if any): 1 25\r\n"
                             "\r\n\r\n"
                             "South.  LINK (if any):      \r\n"
                             "        AM PM1 PM2\r\n"
                             "SUN:   -1   12  ") +
                  five + QStringLiteral("\r\nMON:") + nullDay + QStringLiteral("\r\nTUE:") + nullDay +
                  QStringLiteral("\r\nWED:") + nullDay + QStringLiteral("\r\nTHU:") + nullDay +
                  QStringLiteral("\r\nFRI:") + nullDay + QStringLiteral("\r\nSAT:") + nullDay +
                  QStringLiteral("\r\n\r\nDAYS CLOSED (if any):      \r\n\r\n\r\n"));
}

TEST(DatabaseReports, APageHoldsFiveSiteOrEightAgentBlocksAndTheHeadingIsOnTheFirstOnly) {
    const struct {
        int reportType;
        int rows;
        QList<int> perPage;
        const char* heading;
    } cases[] = {{report::kSiteReport, 9, {5, 4}, "ROTAPLAN REPORT. Sites Report."},
                 {report::kAgentReport, 8, {8}, "ROTAPLAN REPORT. Agent Report."}};
    for (const auto& c : cases) {
        OfficeRun office;
        for (int k = 1; k <= c.rows; ++k) {
            SiteSetup site;
            site.number = k;
            site.name = QStringLiteral("Site %1").arg(k);
            if (c.reportType == report::kSiteReport)
                office.addSite(site);
            else
                office.addAgent(QStringLiteral("A%1").arg(k));
        }
        Printout out;
        RecordingPrinter printer(out);
        ASSERT_TRUE(PrintDatabaseReport(printer, c.reportType, blocksOf(office, c.reportType)));
        EXPECT_EQ(out.calls.mid(0, 5),
                  (QStringList{QString(), QStringLiteral("<bold>"), QLatin1String(c.heading), QString(),
                               QStringLiteral("</bold>")}));
        // Eight agents: the page break after them opens no page.
        EXPECT_EQ(out.calls.count(QStringLiteral("<new page>")), 1);
        EXPECT_EQ(out.calls.last(), QStringLiteral("<end>"));
        QList<int> perPage;
        for (const QStringList& page : out.pages)
            perPage << int(page.filter(QRegularExpression(QStringLiteral("^(Site|Agent) A?\\d"))).size());
        EXPECT_EQ(perPage, c.perPage) << c.heading;
        EXPECT_EQ(out.pages.last().count(QLatin1String(c.heading)), c.perPage.size() == 1 ? 1 : 0);
    }
}

TEST(DatabaseReports, AnOfficeOfMoreThanNinetyNineAgentsIsListedWhole) {
    OfficeRun office;
    for (int k = 1; k <= 120; ++k)
        office.addAgent(QStringLiteral("A%1").arg(k));
    const QStringList blocks = blocksOf(office, report::kAgentReport);
    ASSERT_EQ(blocks.size(), 120);
    EXPECT_TRUE(blocks.last().startsWith(QStringLiteral("Agent A120 / A120.")));
}
