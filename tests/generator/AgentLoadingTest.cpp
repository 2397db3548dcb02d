// Agents as the generator loads them: days off, maxima, teams, the 99-entry limit and the rotation of
// the working order. The site is filled by the rules routine with no rule switched on, so an agent alone
// takes, pass after pass, the first open slot of the fill order that it may take.

#include "OfficeBuilder.h"
#include "platform/Ui.h"

#include <QDate>

using namespace rp;
using namespace rp::test;

namespace {

// Every letter on the 5th (Thursday) and the 6th (Friday) of January 2023, nothing else.
void addTwoDaySite(OfficeRun& run) {
    SiteSetup s;
    s.am = everyDay(2);
    s.pm = everyDay(4);
    s.ev = everyDay(2);
    s.close = QStringLiteral("1-4 7-31");
    run.addSite(s);
}

AgentSetup agent(const QString& initials, const QString& sites = QStringLiteral("1")) {
    AgentSetup a;
    a.name = QStringLiteral("Agent ") + initials;
    a.initials = initials;
    a.assigned = sites;
    return a;
}

// Every slot of the month, in fill order.
QStringList wholeMonthInFillOrder() {
    QStringList out;
    auto bucket = [&](char letter, int weekday) {
        for (int d = 1; d <= 31; ++d) {
            if (QDate(2023, 1, d).dayOfWeek() % 7 + 1 == weekday)
                out << tokenOf(2023, 1, d, letter);
        }
    };
    for (int w : {1, 7}) {
        for (char l : QByteArray("ABCDEFGH"))
            bucket(l, w);
    }
    for (char l : QByteArray("GHDEFABC")) {
        for (int w = 2; w <= 6; ++w)
            bucket(l, w);
    }
    return out;
}

void addAgents(OfficeRun& run, int count, const QString& teamInitials = {}) {
    for (int i = 0; i < count; ++i) {
        // Initials without digits: AA, AB, ..., DV.
        AgentSetup a = agent(QString(QChar(u'A' + i / 26)) + QChar(u'A' + i % 26));
        if (i == count - 1 && !teamInitials.isEmpty())
            a.initials = teamInitials;
        run.addAgent(a);
    }
}

} // namespace

TEST(AgentDaysOff, WholeDayOffAndMorningOff) {
    OfficeRun run;
    addTwoDaySite(run);
    AgentSetup a = agent(QStringLiteral("AN"));
    a.offAll = QStringLiteral("5");
    a.offAM = QStringLiteral("6");
    run.addAgent(a);
    run.generate();
    QStringList expected =
        withInitials(QStringLiteral("06G6 06H6 06D6 06E6 06F6 06C6"), QStringLiteral("AN__"));
    expected << withInitials(QStringLiteral("05G5 05H5 05D5 05E5 05F5 05A5 06A6 05B5 06B6 05C5"), kUnfilled);
    EXPECT_EQ(run.calendar(1), records(expected));
}

TEST(AgentDaysOff, FirstAndSecondAfternoonOff) {
    OfficeRun run;
    addTwoDaySite(run);
    AgentSetup a = agent(QStringLiteral("AN"));
    a.offPM1 = QStringLiteral("5");
    a.offPM2 = QStringLiteral("6");
    run.addAgent(a);
    run.generate();
    QStringList expected = withInitials(QStringLiteral("05G5 05H5 06D6 06E6 06F6 05A5 06A6 05B5 06B6 06C6"),
                                        QStringLiteral("AN__"));
    expected << withInitials(QStringLiteral("06G6 06H6 05D5 05E5 05F5 05C5"), kUnfilled);
    EXPECT_EQ(run.calendar(1), records(expected));
}

TEST(AgentDaysOff, OffKeysAreFoundAnywhereInTheKeyText) {
    // "3 5-" expands to "3 " and gives the keys "03GG03HH"; both 03G and 03H occur in that text.
    OfficeRun run;
    SiteSetup s;
    s.ev = everyDay(2);
    s.close = QStringLiteral("8-31");
    run.addSite(s);
    AgentSetup a = agent(QStringLiteral("AN"));
    a.offAll = QStringLiteral("3 5-");
    run.addAgent(a);
    run.generate();
    QStringList expected =
        withInitials(QStringLiteral("01G1 01H1 07G7 07H7 02G2 04G4 05G5 06G6 02H2 04H4 05H5 06H6"),
                     QStringLiteral("AN__"));
    expected << withInitials(QStringLiteral("03G3 03H3"), kUnfilled);
    EXPECT_EQ(run.calendar(1), records(expected));
}

class MissingMaximum : public ::testing::TestWithParam<const char*> {};

TEST_P(MissingMaximum, MeansNoLimit) {
    OfficeRun run;
    SiteSetup s;
    s.am = everyDay(2);
    s.pm = everyDay(4);
    s.ev = everyDay(2);
    run.addSite(s);
    run.addAgent(agent(QStringLiteral("AN")));
    run.execute(QStringLiteral("UPDATE Agents SET fdMaxTimes = %1").arg(QLatin1String(GetParam())));
    run.generate();
    // 248 slots: more than any two-digit maximum, fewer than the 310 a missing maximum stands for.
    EXPECT_EQ(run.calendar(1),
              records(withInitials(wholeMonthInFillOrder().join(' '), QStringLiteral("AN__"))));
}

INSTANTIATE_TEST_SUITE_P(NullOrBlank, MissingMaximum, ::testing::Values("NULL", "' '"));

class Maximum : public ::testing::TestWithParam<const char*> {};

TEST_P(Maximum, LimitsTheGeneratedSlots) {
    OfficeRun run;
    SiteSetup s;
    s.am = onDay(1, 1);
    run.addSite(s);
    run.addAgent(agent(QStringLiteral("AN")));
    run.execute(QStringLiteral("UPDATE Agents SET fdMaxTimes = %1").arg(QLatin1String(GetParam())));
    run.generate();
    QStringList expected = withInitials(QStringLiteral("01A1 08A1 15A1"), QStringLiteral("AN__"));
    expected << withInitials(QStringLiteral("22A1 29A1"), kUnfilled);
    EXPECT_EQ(run.calendar(1), records(expected));
}

// A text maximum reads as its leading number.
INSTANTIATE_TEST_SUITE_P(NumberOrText, Maximum, ::testing::Values("3", "'3'", "'3x'", "' 3 '"));

TEST(AgentMaximum, ZeroLeavesTheManualEntriesStanding) {
    OfficeRun run;
    SiteSetup s;
    s.am = onDay(3, 1); // Tuesdays 3, 10, 17, 24, 31
    run.addSite(s);
    AgentSetup a = agent(QStringLiteral("AN"));
    a.maxTimes = 0;
    a.manOn1 = QStringLiteral("3A");
    a.manSite1 = 1;
    run.addAgent(a);
    run.generate();
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("03A3AN__ 10A3AGT? 17A3AGT? 24A3AGT? 31A3AGT?")));
}

TEST(AgentTeams, ATeamGetsTwoEntriesWithTheirOwnMaximum) {
    OfficeRun run;
    SiteSetup s;
    s.am = onDay(1, 1);
    run.addSite(s);
    AgentSetup team = agent(QStringLiteral("A+B"));
    team.maxTimes = 1;
    run.addAgent(team);
    run.addAgent(agent(QStringLiteral("CD")));
    run.generate();

    EXPECT_EQ(run.rotationAgentCount, 3);
    EXPECT_EQ(run.program.schedule.AgentCount, 3);
    EXPECT_EQ(run.program.schedule.AgentInitials, (QStringList{"A+B_", "CD__", "A+B_"}));
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1A+B_ 08A1CD__ 15A1A+B_ 22A1CD__ 29A1CD__")));
}

TEST(AgentTeams, TeamCopiesAreRotatedWithTheOthers) {
    OfficeRun run;
    SiteSetup s;
    s.am = onDay(1, 1);
    run.addSite(s);
    run.addAgent(agent(QStringLiteral("T+1")));
    run.addAgent(agent(QStringLiteral("X")));
    run.generate(2);
    EXPECT_EQ(run.program.schedule.AgentInitials, (QStringList{"X___", "T+1_", "T+1_"}));
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1X___ 08A1T+1_ 15A1T+1_ 22A1X___ 29A1T+1_")));
}

TEST(AgentInitials, MissingInitialsNamesAndLongInitials) {
    OfficeRun run;
    run.program.display.m_FullNameSize = 8;
    SiteSetup s;
    s.am = onDay(1, 1);
    run.addSite(s);
    AgentSetup nobody;
    nobody.assigned = QStringLiteral("1");
    run.addAgent(nobody);
    AgentSetup longOne = agent(QStringLiteral("ABCDE"));
    longOne.name = QStringLiteral("  Christopher Robin");
    run.addAgent(longOne);
    AgentSetup blank = agent(QStringLiteral(" "));
    blank.name = QStringLiteral("Al");
    blank.maxTimes = 1;
    run.addAgent(blank);
    run.generate();

    EXPECT_EQ(run.program.schedule.AgentInitials, (QStringList{"AGT?", "ABCD", "____"}));
    EXPECT_EQ(run.program.schedule.AgentNames, (QStringList{"Name?   ", "Christop", "Al      "}));
    // The entry without initials never gets a slot.
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1ABCD 08A1____ 15A1ABCD 22A1ABCD 29A1ABCD")));
}

TEST(AgentLimit, NinetyNineRecordsLoad) {
    OfficeRun run;
    SiteSetup s;
    s.am = onDay(1, 1);
    run.addSite(s);
    addAgents(run, 99);
    run.generate();
    EXPECT_EQ(run.program.schedule.AgentCount, 99);
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1AA__ 08A1AB__ 15A1AC__ 22A1AD__ 29A1AE__")));
    EXPECT_TRUE(run.ui.messages().empty()) << run.shown().join('\n').toStdString();
}

TEST(AgentLimit, AHundredRecordsStopTheGenerationBeforeAnythingIsWritten) {
    OfficeRun run;
    SiteSetup s;
    s.am = onDay(1, 1);
    run.addSite(s);
    addAgents(run, 100);
    run.folder.write(QStringLiteral("0123.1"), "01A1AA__\r\n");
    run.folder.write(QStringLiteral("0123.1D"), "North. \r\n1\r\n");
    run.generate();

    ASSERT_EQ(run.ui.messages().size(), 1u) << run.shown().join('\n').toStdString();
    EXPECT_EQ(run.ui.messages()[0].title, QStringLiteral("TOO MANY AGENTS"));
    EXPECT_EQ(run.ui.messages()[0].text, QStringLiteral("At most 99 agents can be scheduled."));
    EXPECT_TRUE(run.generatedFiles().isEmpty()) << run.generatedFiles().join(' ').toStdString();
    EXPECT_EQ(run.program.schedule.CalendarCount, 0);
    EXPECT_EQ(run.showCalls, 0);
    EXPECT_FALSE(run.ui.busy());
}

TEST(AgentLimit, NinetyNineRecordsWithATeamEndWithTheIndexError) {
    OfficeRun run;
    SiteSetup s;
    s.am = onDay(1, 1);
    run.addSite(s);
    addAgents(run, 99, QStringLiteral("Y+Z"));
    run.generate();

    ASSERT_EQ(run.ui.messages().size(), 1u) << run.shown().join('\n').toStdString();
    EXPECT_EQ(run.ui.messages()[0].text, QStringLiteral("Error #9 .Subscript out of range"));
    EXPECT_EQ(run.ui.messages()[0].title, QStringLiteral("cmdGenerate"));
    EXPECT_EQ(run.ui.messages()[0].icon, Icon::Information);
    EXPECT_TRUE(run.generatedFiles().isEmpty()) << run.generatedFiles().join(' ').toStdString();
    EXPECT_EQ(run.showCalls, 0);
}

TEST(AgentLimit, AnEmptyAgentsTableIsReportedAndLeavesEverySlotOpen) {
    OfficeRun run;
    SiteSetup s;
    s.am = onDay(7, 1);
    run.addSite(s);
    run.generate();
    ASSERT_EQ(run.ui.messages().size(), 1u) << run.shown().join('\n').toStdString();
    EXPECT_EQ(run.ui.messages()[0].text, QStringLiteral("Database reports having no Agent records."));
    EXPECT_EQ(run.ui.messages()[0].title, QStringLiteral("RPRtnsMsbrGetAgtSiteWorkTimes"));
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("07A7AGT? 14A7AGT? 21A7AGT? 28A7AGT?")));
    EXPECT_EQ(run.program.schedule.AgentCount, 0);
}

class RotationStart : public ::testing::TestWithParam<int> {};

TEST_P(RotationStart, DecidesWhoComesFirst) {
    OfficeRun run;
    SiteSetup s;
    s.am = onDay(1, 1);
    s.close = QStringLiteral("2-31");
    run.addSite(s);
    run.addAgent(agent(QStringLiteral("XA")));
    run.addAgent(agent(QStringLiteral("YB")));
    run.addAgent(agent(QStringLiteral("ZC")));
    const int g = GetParam();
    run.generate(g);

    const QStringList stored{"XA__", "YB__", "ZC__"};
    const QStringList expected = stored.mid(g - 1) + stored.mid(0, g - 1);
    EXPECT_EQ(run.program.schedule.AgentInitials, expected);
    EXPECT_EQ(run.program.schedule.AgentNames.size(), 3);
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1") + expected[0]));
}

INSTANTIATE_TEST_SUITE_P(Starts, RotationStart, ::testing::Values(1, 2, 3));
