// Open slots of the sites, seen through the calendar files: with no agent able to work at a site, every
// open slot of it comes out as an "AGT?" record in fill order.

#include "OfficeBuilder.h"
#include "generator/SiteLoader.h"
#include "platform/Ui.h"

#include <QDate>
#include <QSet>

using namespace rp;
using namespace rp::test;

namespace {

// A site with every slot letter on every weekday.
SiteSetup fullSite(int number, const QString& name) {
    SiteSetup s;
    s.number = number;
    s.name = name;
    s.am = everyDay(2);
    s.pm = everyDay(4);
    s.ev = everyDay(2);
    return s;
}

// The slot tokens of a month for a site with every letter on every day, in fill order: Sunday A..H,
// Saturday A..H, G then H on Monday to Friday, then D, E, F, A, B and C on Monday to Friday.
QStringList fullFillOrder(int year, int month, const QSet<int>& closed = {}) {
    const int days = QDate(year, month, 1).daysInMonth();
    QStringList out;
    auto bucket = [&](char letter, int weekday) {
        for (int d = 1; d <= days; ++d) {
            if (!closed.contains(d) && QDate(year, month, d).dayOfWeek() % 7 + 1 == weekday)
                out << tokenOf(year, month, d, letter);
        }
    };
    for (char l : QByteArray("ABCDEFGH"))
        bucket(l, 1);
    for (char l : QByteArray("ABCDEFGH"))
        bucket(l, 7);
    for (char l : QByteArray("GHDEFABC")) {
        for (int w = 2; w <= 6; ++w)
            bucket(l, w);
    }
    return out;
}

QStringList unfilled(const QStringList& tokens) {
    QStringList out;
    for (const QString& t : tokens)
        out << t + kUnfilled;
    return out;
}

// An office whose only agent works at no existing site, so nothing is assigned and no message is due.
struct EmptyHanded : OfficeRun {
    EmptyHanded() { addAgent(QStringLiteral("ZZ"), QStringLiteral("9")); }
};

} // namespace

TEST(SiteSlots, OneWeekOfMorningAfternoonAndEveningSlotsInFillOrder) {
    EmptyHanded run;
    SiteSetup s;
    s.am = everyDay(1);
    s.pm = everyDay(1);
    s.ev = everyDay(1);
    s.close = QStringLiteral("8-31");
    run.addSite(s);
    run.generate();
    EXPECT_EQ(run.calendar(1), records(unfilled({"01A1", "01C1", "01G1", "07A7", "07C7", "07G7", "02G2",
                                                 "03G3", "04G4", "05G5", "06G6", "02A2", "03A3", "04A4",
                                                 "05A5", "06A6", "02C2", "03C3", "04C4", "05C5", "06C6"})));
    EXPECT_EQ(run.description(1), descriptionOf(QStringLiteral("North"), QStringLiteral("1")));
    EXPECT_TRUE(run.ui.messages().empty()) << run.shown().join('\n').toStdString();
}

TEST(SiteSlots, EveryLetterOnEveryDayGivesTheWholeMonthInFillOrder) {
    EmptyHanded run;
    run.addSite(fullSite(1, QStringLiteral("North")));
    run.generate();
    const QStringList expected = fullFillOrder(2023, 1);
    ASSERT_EQ(expected.size(), 248);
    EXPECT_EQ(run.calendar(1), records(unfilled(expected)));
}

TEST(SiteSlots, ATwentyEightDayMonthHasTwoHundredAndTwentyFourSlots) {
    EmptyHanded run;
    run.setMonth(2, 2023);
    run.addSite(fullSite(1, QStringLiteral("North")));
    run.generate();
    const QStringList expected = fullFillOrder(2023, 2);
    ASSERT_EQ(expected.size(), 224);
    EXPECT_EQ(run.calendar(1), records(unfilled(expected)));
    EXPECT_EQ(run.program.schedule.CalendarFilePrefix, QStringLiteral("0223"));
}

TEST(SiteSlots, TwoSundayMorningsInAMonthStartingOnSunday) {
    EmptyHanded run;
    SiteSetup s;
    s.am = onDay(1, 2);
    run.addSite(s);
    run.generate();
    EXPECT_EQ(run.calendar(1), records(unfilled({"01A1", "08A1", "15A1", "22A1", "29A1", "01B1", "08B1",
                                                 "15B1", "22B1", "29B1"})));
}

TEST(SiteSlots, CountsOutsideTheirRangeAndNullCountsGiveNoSlot) {
    EmptyHanded run;
    SiteSetup s;
    s.am = {kNull, 3, 0, 0, 0, 0, -1}; // 3 mornings on Monday, -1 on Saturday
    s.pm = {0, 0, 4, 0, 5, kNull, 0};  // 4 afternoons on Tuesday, 5 on Thursday
    s.ev = {0, 0, 0, 3, 0, 2, kNull};  // 3 evenings on Wednesday, 2 on Friday
    run.addSite(s);
    run.generate();
    EXPECT_EQ(run.calendar(1), records(unfilled({"06G6", "13G6", "20G6", "27G6", "06H6", "13H6", "20H6",
                                                 "27H6", "03D3", "10D3", "17D3", "24D3", "31D3", "03E3",
                                                 "10E3", "17E3", "24E3", "31E3", "03F3", "10F3", "17F3",
                                                 "24F3", "31F3", "03C3", "10C3", "17C3", "24C3", "31C3"})));
}

TEST(SiteSlots, ClosedDaysTwentyFifthAndTwentyNinthToThirtyFirst) {
    EmptyHanded run;
    SiteSetup s;
    s.am = everyDay(1);
    s.close = QStringLiteral("25 29-31");
    run.addSite(s);
    run.generate();
    EXPECT_EQ(run.calendar(1),
              records(unfilled({"01A1", "08A1", "15A1", "22A1", "07A7", "14A7", "21A7", "28A7", "02A2",
                                "09A2", "16A2", "23A2", "03A3", "10A3", "17A3", "24A3", "04A4", "11A4",
                                "18A4", "05A5", "12A5", "19A5", "26A5", "06A6", "13A6", "20A6", "27A6"})));
}

struct ClosedList {
    const char* field;
    QSet<int> days;
};

class ClosedDayLists : public ::testing::TestWithParam<ClosedList> {};

TEST_P(ClosedDayLists, RemoveEveryLetterOfTheClosedDays) {
    EmptyHanded run;
    SiteSetup s = fullSite(1, QStringLiteral("North"));
    s.close = QString::fromLatin1(GetParam().field);
    run.addSite(s);
    run.generate();
    EXPECT_EQ(run.calendar(1), records(unfilled(fullFillOrder(2023, 1, GetParam().days))));
}

INSTANTIATE_TEST_SUITE_P(Lists, ClosedDayLists,
                         ::testing::Values(ClosedList{"10", {10}}, ClosedList{"25 29-31", {25, 29, 30, 31}},
                                           ClosedList{" 5 10 - 12  20 ", {5, 10, 11, 12, 20}},
                                           ClosedList{"15-10", {}}, ClosedList{" ", {}},
                                           // the range text is replaced inside "21-3" as well
                                           ClosedList{"1-3 21-3", {1, 2, 3, 21}},
                                           // a range part that is not all digits counts as 0
                                           ClosedList{"5x-7", {1, 2, 3, 4, 5, 6, 7}}, ClosedList{"", {}}));

TEST(SiteSlots, ADanglingRangeLeavesOnlyEveryThirdKeyOfItsDayAligned) {
    // "3 5-" expands to "3 " and its keys come out as "03AA03BB..."; read three characters at a time
    // only 03A, 03D and 03G are whole keys.
    EmptyHanded run;
    SiteSetup s = fullSite(1, QStringLiteral("North"));
    s.close = QStringLiteral("3 5-");
    run.addSite(s);
    run.generate();
    QStringList expected = fullFillOrder(2023, 1);
    expected.removeAll(QStringLiteral("03A3"));
    expected.removeAll(QStringLiteral("03D3"));
    expected.removeAll(QStringLiteral("03G3"));
    EXPECT_EQ(run.calendar(1), records(unfilled(expected)));
}

TEST(SiteSlots, SitesWithoutANameContributeNothing) {
    EmptyHanded run;
    SiteSetup nameless;
    nameless.number = 1;
    nameless.name = std::nullopt;
    nameless.am = everyDay(1);
    run.addSite(nameless);
    SiteSetup blank = nameless;
    blank.number = 2;
    blank.name = QStringLiteral(" ");
    run.addSite(blank);
    SiteSetup named;
    named.number = 3;
    named.name = QStringLiteral("  South ");
    named.am = onDay(7, 1);
    run.addSite(named);

    run.generate();
    EXPECT_EQ(run.program.schedule.CalendarCount, 1);
    EXPECT_EQ(run.calendar(1), records(unfilled({"07A7", "14A7", "21A7", "28A7"})));
    EXPECT_EQ(run.description(1), descriptionOf(QStringLiteral("South"), QStringLiteral("3")));
    EXPECT_EQ(run.generatedFiles(), (QStringList{"0123.1", "0123.1D"}));
}

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
        combined << tables.month.token(index);
    // Site 1's Sunday A slots first, then what only site 2 has.
    EXPECT_EQ(combined,
              (QStringList{"01A1", "08A1", "15A1", "22A1", "29A1", "01C1", "08C1", "15C1", "22C1", "29C1"}));
    EXPECT_EQ(run.program.schedule.SiteCount, 9);
}

TEST(SiteSlots, NoSiteRecordsStopTheGenerationWithTheIndexError) {
    OfficeRun run;
    run.addAgent(QStringLiteral("AN"));
    run.folder.write(QStringLiteral("0123.4"), "05C3AN__\r\n");
    run.generate();

    ASSERT_EQ(run.ui.messages().size(), 2u) << run.shown().join('\n').toStdString();
    EXPECT_EQ(run.ui.messages()[0].text, QStringLiteral("Database reports having no sites entered."));
    EXPECT_EQ(run.ui.messages()[0].title, QStringLiteral("RPRtnsMsbrSitesOpen"));
    EXPECT_EQ(run.ui.messages()[0].buttons, Buttons::Ok);
    EXPECT_EQ(run.ui.messages()[1].text, QStringLiteral("Error #9 .Subscript out of range"));
    EXPECT_EQ(run.ui.messages()[1].title, QStringLiteral("cmdGenerate"));
    EXPECT_EQ(run.ui.messages()[1].icon, Icon::Information);
    EXPECT_EQ(run.program.schedule.SiteCount, 0);
    EXPECT_EQ(run.program.schedule.CalendarCount, 0);
    EXPECT_TRUE(run.generatedFiles().isEmpty()) << run.generatedFiles().join(' ').toStdString();
    EXPECT_EQ(run.showCalls, 0);
}

TEST(SiteSlots, ASiteNumberOutsideOneToNineIsReportedAsAnIndexError) {
    OfficeRun run;
    run.addAgent(QStringLiteral("AN"));
    SiteSetup good;
    good.am = onDay(1, 1);
    run.addSite(good);
    SiteSetup bad = good;
    bad.number = 12;
    bad.name = QStringLiteral("Far");
    run.addSite(bad);
    run.generate();

    ASSERT_FALSE(run.ui.messages().empty());
    EXPECT_EQ(run.ui.messages()[0].text, QStringLiteral("Error: Subscript out of range. #9."));
    EXPECT_EQ(run.ui.messages()[0].title, QStringLiteral("RPRtnsMsbrSitesOpen"));
    EXPECT_EQ(run.ui.messages()[0].icon, Icon::Critical);
    expectNoUnexpectedPrompts(run.ui);
}

TEST(SiteSlots, ASiteWithoutANumberIsReportedAsInvalidUseOfNull) {
    OfficeRun run;
    run.addAgent(QStringLiteral("AN"));
    run.execute(QStringLiteral("INSERT INTO Sites (fdSNum, fdSName, fdAM1) VALUES (NULL, 'Nowhere', 1)"));
    run.generate();
    ASSERT_FALSE(run.ui.messages().empty());
    EXPECT_EQ(run.ui.messages()[0].text, QStringLiteral("Error: Invalid use of Null. #94."));
    EXPECT_EQ(run.ui.messages()[0].title, QStringLiteral("RPRtnsMsbrSitesOpen"));
    EXPECT_EQ(run.ui.messages()[0].icon, Icon::Critical);
    EXPECT_FALSE(run.ui.busy());
    expectNoUnexpectedPrompts(run.ui);
}
