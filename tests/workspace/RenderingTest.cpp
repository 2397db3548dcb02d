#include "workspace/Rendering.h"

#include "TestFolder.h"
#include "model/ScheduleState.h"
#include "model/SlotTimesFile.h"
#include "workspace/PrintNames.h"

using namespace rp;

namespace {

QStringList lines(const QString& dayText) {
    QStringList l = dayText.split(QStringLiteral("\r\n"));
    EXPECT_TRUE(l.last().isEmpty()) << "a day text ends with CR LF";
    l.removeLast();
    return l;
}

ScheduleState lettersAlways() {
    ScheduleState s;
    s.LetterYes = 1;
    s.LetterNo = 0;
    s.LetterAgt = 0;
    return s;
}

} // namespace

TEST(DayTexts, LinkedRecordsOfOneSlotShareTheLine) {
    ScheduleState s = lettersAlways();
    ScriptedUi ui;
    BuildDayTexts(s, QStringLiteral("05C3JD__05C3MK__05A3AGT?"), false, ui);
    const QStringList day5 = lines(s.DayText[5]);
    ASSERT_EQ(day5.size(), 8);
    EXPECT_EQ(day5[0], QStringLiteral("A-AGT?"));
    EXPECT_EQ(day5[1], QStringLiteral("B-"));
    EXPECT_EQ(day5[2], QStringLiteral("C-JD__ + MK__"));
    EXPECT_EQ(day5[7], QStringLiteral("H-"));
    EXPECT_TRUE(ui.messages().empty());
}

TEST(DayTexts, LetterChoicesOnADayWithoutDuties) {
    ScriptedUi ui;
    ScheduleState agentsOnly = lettersAlways();
    agentsOnly.LetterYes = 0;
    agentsOnly.LetterAgt = 1;
    BuildDayTexts(agentsOnly, QStringLiteral("01A4JD__"), false, ui);
    EXPECT_EQ(agentsOnly.DayText[2], QStringLiteral("\r\n").repeated(8));
    EXPECT_EQ(lines(agentsOnly.DayText[1])[0], QStringLiteral("A-JD__"));

    ScheduleState never = lettersAlways();
    never.LetterYes = 0;
    never.LetterNo = 1;
    BuildDayTexts(never, QStringLiteral("01A4JD__"), false, ui);
    EXPECT_EQ(lines(never.DayText[1])[0], QStringLiteral("JD__"));

    ScheduleState always = lettersAlways();
    BuildDayTexts(always, QString(), false, ui);
    EXPECT_EQ(lines(always.DayText[9]), (QStringList{"A-", "B-", "C-", "D-", "E-", "F-", "G-", "H-"}));
}

TEST(DayTexts, FullNamesReplaceKnownCodesOnly) {
    ScheduleState s = lettersAlways();
    s.AgentInitials = {QStringLiteral("JD__"), QStringLiteral("MK__")};
    s.AgentNames = {QStringLiteral("John Doe    "), QStringLiteral("Mary King   ")};
    ScriptedUi ui;
    BuildDayTexts(s, QStringLiteral("02G6MK__02H6AGT?"), true, ui);
    const QStringList day2 = lines(s.DayText[2]);
    EXPECT_EQ(day2[6], QStringLiteral("G-Mary King   "));
    EXPECT_EQ(day2[7], QStringLiteral("H-AGT?"));
}

TEST(DayTexts, UnplaceableRecordsAreReportedOncePerRecord) {
    ScheduleState s = lettersAlways();
    ScriptedUi ui;
    BuildDayTexts(s, QStringLiteral("xxA1JD__05Z3JD__05B3JD__"), false, ui);
    ASSERT_EQ(ui.messages().size(), 2u);
    test::expectMessage(ui.messages()[0], {.title = "Error", .icon = Icon::Warning});
    EXPECT_EQ(lines(s.DayText[5])[1], QStringLiteral("B-JD__"));
}

TEST(AgentSummaries, SortedByDayWithCount) {
    // March 2008: the 3rd is a Monday, the 12th a Wednesday.
    const QStringList summaries = BuildAgentSummaries({QStringLiteral("JD__"), QStringLiteral("ZZ__")},
                                                      QStringLiteral("12A4JD__03C2JD__04A3MK__"));
    ASSERT_EQ(summaries.size(), 2);
    EXPECT_EQ(summaries[0], QStringLiteral("MON/03/C WED/12/A  (2)"));
    EXPECT_EQ(summaries[1], QStringLiteral(" (0)"));
}

TEST(AgentSummaries, DayNamesByWeekdayDigit) {
    EXPECT_EQ(SummaryDayName(QLatin1Char('1')), QStringLiteral("SUN"));
    EXPECT_EQ(SummaryDayName(QLatin1Char('6')), QStringLiteral("FRI"));
    EXPECT_EQ(SummaryDayName(QLatin1Char('7')), QStringLiteral("SAT"));
    EXPECT_EQ(SummaryDayName(QLatin1Char('?')), QStringLiteral("SAT"));
}

TEST(SlotTimes, ReplaceLettersUsesEachSlotsTime) {
    SiteTimes times;
    times[0] = QStringLiteral("1");
    times[1] = QStringLiteral("9-12");
    times[2] = QString(); // blank time: the letter becomes a single blank
    const QString text = QStringLiteral("A-JD__\r\nB-MK__\r\n");
    EXPECT_EQ(ReplaceLetters(text, times), QStringLiteral("9-12 JD__\r\n MK__\r\n"));
    EXPECT_EQ(ReplaceLetters(QStringLiteral("\r\n\r\n"), times), QString());
}

TEST(SlotTimes, ReadForTheShownSiteAndWeekday) {
    test::TestFolder folder;
    std::array<QString, 8> texts{QStringLiteral("10:00-12:00"), QStringLiteral("12-2")};
    WriteSiteTimes(TimesFilePath(folder.path(), QStringLiteral("2"), QStringLiteral("North Office"), 3), true,
                   texts);
    SiteTimesLookup lookup{folder.path(), QStringLiteral("North Office. "), QStringLiteral("2"), false};
    ScriptedUi ui;
    bool reset = false;
    const SiteTimes tuesday = GetSiteTimesByDay(lookup, 3, ui, reset);
    EXPECT_EQ(tuesday[0], QStringLiteral("1"));
    EXPECT_EQ(tuesday[1], QStringLiteral("10:00-12:00"));
    EXPECT_EQ(tuesday[3], QString());
    const SiteTimes monday = GetSiteTimesByDay(lookup, 2, ui, reset);
    EXPECT_EQ(monday[0], QStringLiteral("0"));
    EXPECT_FALSE(reset);
    EXPECT_TRUE(ui.messages().empty());
}

TEST(SlotTimes, EmptyHeadingWarnsOncePerRun) {
    SiteTimesLookup lookup;
    ScriptedUi ui;
    bool reset = false;
    EXPECT_EQ(GetSiteTimesByDay(lookup, 2, ui, reset)[0], QStringLiteral("0"));
    EXPECT_TRUE(reset);
    reset = false;
    GetSiteTimesByDay(lookup, 3, ui, reset);
    EXPECT_FALSE(reset);
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].title, QStringLiteral("GetSiteTimesByDay"));
}

TEST(MonthRange, RunsFromSundayToTheSaturdayAfterTheLastDay) {
    // February 2026 begins on a Sunday and ends on a Saturday.
    const MonthRange feb = SetMonthRange(2, 2026);
    EXPECT_EQ(feb.first, QDate(2026, 2, 1));
    EXPECT_EQ(feb.last, QDate(2026, 3, 7));
    // March 2008 begins on a Saturday and ends on a Monday.
    const MonthRange mar = SetMonthRange(3, 2008);
    EXPECT_EQ(mar.first, QDate(2008, 2, 24));
    EXPECT_EQ(mar.last, QDate(2008, 4, 5));
}

// The name a printout is offered under is a plain file name: no folder separator, no full stop that a
// print dialogue would take for an extension.
TEST(PrintNames, DocumentNamesAreFileNames) {
    const struct {
        const char* heading;
        int month;
        const char* name;
    } cases[] = {{"Downtown. ", 2, "Downtown 2027-02"},
                 {"St. Mary's/North: A&B ", 11, "St Mary s North A&B 2027-11"},
                 {" ../.. ", 1, "2027-01"}};
    for (const auto& c : cases)
        EXPECT_EQ(PrintDocumentName(QString::fromUtf8(c.heading), c.month, 2027), QLatin1String(c.name));
    EXPECT_FALSE(PrintTitleSuffix().contains(QLatin1String(".example")));
}
