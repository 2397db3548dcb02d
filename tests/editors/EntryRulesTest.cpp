// Entry rules of the editors: what each box lets in, stored forms, site numbers and list entries.
#include "editors/EntryRules.h"

#include "Printers.h"

#include <gtest/gtest.h>

using namespace rp;

namespace {

QString typed(const QString& text, KeyRule rule, int room = -1) {
    return FilterInsertion(text, rule, room).text;
}

} // namespace

TEST(KeyRules, AgentNameTurnsQuotesIntoBlanksAndKeepsEverythingElse) {
    const FilteredText f = FilterInsertion(QStringLiteral("Ann O'Neil \"Jr\" + Co."), &AgentNameKey, -1);
    EXPECT_EQ(f.text, QStringLiteral("Ann O Neil  Jr  + Co."));
    EXPECT_TRUE(f.replaced);
    EXPECT_FALSE(f.refused);
}

TEST(KeyRules, InitialsKeepLetterCaseAndTheTeamPlus) {
    EXPECT_EQ(typed(QStringLiteral("mj+Ab"), &AgentInitialsKey), QStringLiteral("mj+Ab"));
}

TEST(KeyRules, SitesBoxTakesOnlyDigitsOneToNineAndBlanks) {
    const FilteredText f = FilterInsertion(QStringLiteral("1 03-9x"), &AgentSitesKey, -1);
    EXPECT_EQ(f.text, QStringLiteral("1 39"));
    EXPECT_TRUE(f.refused);
}

TEST(KeyRules, DateListsTakeDigitsBlanksAndDashes) {
    EXPECT_EQ(typed(QStringLiteral("5 10-15, 20a"), &DateListKey), QStringLiteral("5 10-15 20"));
}

TEST(KeyRules, ManualBoxesTurnSlotLettersIntoCapitalsAndRefuseOtherLetters) {
    EXPECT_EQ(typed(QStringLiteral("1a 12g 26C 3i 4H"), &ManualOnKey), QStringLiteral("1A 12G 26C 3 4H"));
}

TEST(KeyRules, SiteNameReplacesAnythingButLettersDigitsAndBlanks) {
    const FilteredText f = FilterInsertion(QStringLiteral("North-East"), &SiteNameKey, -1);
    EXPECT_EQ(f.text, QStringLiteral("North East"));
    EXPECT_TRUE(f.replaced);
    EXPECT_EQ(typed(QStringLiteral("Caf\u00e9 2"), &SiteNameKey), QStringLiteral("Caf  2"))
        << "only a to z count";
}

TEST(KeyRules, LinkLetterIsACapital) {
    EXPECT_EQ(typed(QStringLiteral("b"), &SiteLinkKey), QStringLiteral("B"));
    EXPECT_EQ(typed(QStringLiteral("1 -"), &SiteLinkKey), QString());
}

TEST(KeyRules, SlotCountsAndMaximumTakeDigitsOnly) {
    EXPECT_EQ(typed(QStringLiteral("3 x"), &SlotCountKey), QStringLiteral("3"));
    EXPECT_EQ(typed(QStringLiteral("-12"), &MaxTimesKey), QStringLiteral("12"));
}

TEST(KeyRules, EnterPassesWithoutBecomingText) {
    EXPECT_EQ(typed(QStringLiteral("1\n2"), &DateListKey), QStringLiteral("12"));
    // In the site name Enter is a bad character and becomes a blank.
    EXPECT_EQ(typed(QStringLiteral("A\nB"), &SiteNameKey), QStringLiteral("A B"));
}

TEST(FilterInsertion, APasteLongerThanTheRoomIsCut) {
    const FilteredText f = FilterInsertion(QString(200, QLatin1Char('x')), &AgentNameKey, 24);
    EXPECT_EQ(f.text.size(), 24);
    EXPECT_TRUE(f.cut);
    EXPECT_EQ(FilterInsertion(QStringLiteral("12"), &DateListKey, 0).text, QString());
}

TEST(StoredForms, EmptiedBoxesGetTheirFixedTexts) {
    EXPECT_EQ(StoredFormOfEmptied(QString(), kNoLimitMaxTimes), QStringLiteral("99"));
    EXPECT_EQ(StoredFormOfEmptied(QString(), kNoManualSite), QStringLiteral("0"));
    EXPECT_EQ(StoredFormOfEmptied(QString(), kBlankField), QStringLiteral(" "));
    EXPECT_EQ(StoredFormOfEmptied(QStringLiteral("7"), kNoLimitMaxTimes), QStringLiteral("7"));
    EXPECT_TRUE(IsBlankText(QStringLiteral("   ")));
    EXPECT_FALSE(IsBlankText(QStringLiteral(" a ")));
}

TEST(SiteNumbers, ANewSiteGetsTheLowestFreeNumber) {
    EXPECT_EQ(LowestFreeSiteNumber({}), 1);
    EXPECT_EQ(LowestFreeSiteNumber({1, 2, 3}), 4);
    EXPECT_EQ(LowestFreeSiteNumber({1, 3}), 2);
    EXPECT_EQ(LowestFreeSiteNumber({3, 1, 2}), 4) << "stored order does not matter";
    EXPECT_EQ(LowestFreeSiteNumber({1, 2, 3, 4, 5, 6, 7, 8, 9}), 10);
}

TEST(ListEntries, AgentEntriesCarryTheInitialsInBrackets) {
    EXPECT_EQ(AgentListEntry(QStringLiteral("Mary Jones"), QStringLiteral("MJ")),
              QStringLiteral("Mary Jones (MJ)"));
    EXPECT_EQ(AgentNameOfEntry(QStringLiteral("Mary Jones (MJ)")), QStringLiteral("Mary Jones"));
    EXPECT_EQ(AgentNameOfEntry(QStringLiteral("A (B) (C)")), QStringLiteral("A"));
}

TEST(ListEntries, SiteEntries) {
    EXPECT_EQ(SiteListEntry(QStringLiteral("3"), QStringLiteral("North Office")),
              QStringLiteral("3 - North Office"));
    EXPECT_EQ(SiteTimesEntry(QStringLiteral(" 1"), QStringLiteral("Main Office")),
              QStringLiteral("1_Main Office"));
    EXPECT_EQ(SiteNameOfTimesEntry(QStringLiteral("1_Main Office")), QStringLiteral("Main Office"));
    EXPECT_EQ(SiteDigitOfEntry(QStringLiteral("3 - North")), QChar(u'3'));
    EXPECT_FALSE(SiteDigitOfEntry(QStringLiteral(" - ")).has_value());
    EXPECT_FALSE(SiteDigitOfEntry(QStringLiteral("0 - Zero")).has_value());
}

TEST(ListEntries, SiteListClickAppendsUntilTheSitesBoxHoldsTwentyOneCharacters) {
    EXPECT_EQ(SitesAfterListClick(QStringLiteral("1"), QStringLiteral("3 - North")), QStringLiteral("1 3"));
    EXPECT_TRUE(SitesAfterListClick(QString(20, QLatin1Char('1')), QStringLiteral("3 - N")).has_value());
    EXPECT_FALSE(SitesAfterListClick(QString(21, QLatin1Char('1')), QStringLiteral("3 - N")).has_value());
}

TEST(SlotLetters, CountsMarkTheirLetters) {
    EXPECT_EQ(LettersInUse(2, 3, 0), QStringLiteral("ABCDE"));
    EXPECT_EQ(LettersInUse(1, 4, 2), QStringLiteral("ACDEFGH"));
    EXPECT_EQ(LettersInUse(3, 5, 3), QString()) << "counts outside their ranges mark nothing";
}

TEST(SlotLetters, SlotBoxesMapToWeekdayColumns) {
    EXPECT_EQ(SlotColumn(0), QStringLiteral("fdAM1"));
    EXPECT_EQ(SlotColumn(1), QStringLiteral("fdPM1"));
    EXPECT_EQ(SlotColumn(5), QStringLiteral("fdEV2"));
    EXPECT_EQ(SlotColumn(20), QStringLiteral("fdEV7"));
    EXPECT_EQ(SlotColumn(21), QString());
}

TEST(DashTip, ShownOnceForListsLongerThanTwentyFiveCharacters) {
    EXPECT_FALSE(NeedsDashTip(false, QString(25, QLatin1Char('1'))));
    EXPECT_TRUE(NeedsDashTip(false, QString(26, QLatin1Char('1'))));
    EXPECT_FALSE(NeedsDashTip(true, QString(30, QLatin1Char('1'))));
}
