// Date, site and manual slot lists: canonical form, ranges, keys and tokens.
#include "model/EntrySyntax.h"

#include "Printers.h"
#include "model/Tokens.h"

#include <gtest/gtest.h>
#include <random>

using namespace rp;

namespace {
// A list as the generator prepares it from a trimmed field.
QString expanded(const QString& field) {
    return ExpandDateRanges(CanonicaliseDateList(field));
}
} // namespace

TEST(CanonicaliseDateList, DropsBlanksAroundDashesAndDoubledBlanks) {
    EXPECT_EQ(CanonicaliseDateList(QStringLiteral("5 10 - 15  20")), QStringLiteral("5 10-15 20"));
    EXPECT_EQ(CanonicaliseDateList(QStringLiteral("10 -15")), QStringLiteral("10-15"));
    EXPECT_EQ(CanonicaliseDateList(QStringLiteral("10- 15")), QStringLiteral("10-15"));
    EXPECT_EQ(CanonicaliseDateList(QStringLiteral("10-   15")), QStringLiteral("10-15"));
    EXPECT_EQ(CanonicaliseDateList(QStringLiteral("1    2")), QStringLiteral("1 2"));
    EXPECT_EQ(CanonicaliseDateList(QStringLiteral("-5")), QStringLiteral("5"));
    EXPECT_EQ(CanonicaliseDateList(QString()), QString());
}

TEST(ExpandDateRanges, ReplacesRangesByTheirNumbers) {
    EXPECT_EQ(ExpandDateRanges(QStringLiteral("5 10-15 20")), QStringLiteral("5 10 11 12 13 14 15 20"));
    EXPECT_EQ(ExpandDateRanges(QStringLiteral("1-3 7-8")), QStringLiteral("1 2 3 7 8"));
    EXPECT_EQ(ExpandDateRanges(QStringLiteral("10-10")), QStringLiteral("10"));
    EXPECT_EQ(ExpandDateRanges(QStringLiteral("08-10")), QStringLiteral("8 9 10"));
    EXPECT_EQ(ExpandDateRanges(QStringLiteral("4 9")), QStringLiteral("4 9"));
}

TEST(ExpandDateRanges, BackwardAndDanglingRangesGiveNothing) {
    EXPECT_EQ(ExpandDateRanges(QStringLiteral("15-10")), QString());
    EXPECT_EQ(ExpandDateRanges(QStringLiteral("3 5-")), QStringLiteral("3 "));
    EXPECT_EQ(ExpandDateRanges(QStringLiteral("1-2-3")), QString()); // high part "2-3" is not numeric
}

TEST(ExpandDateRanges, APartThatIsNotAllDigitsCountsAsZero) {
    EXPECT_EQ(ExpandDateRanges(QStringLiteral("5x-3")), QStringLiteral("0 1 2 3"));
    EXPECT_EQ(ExpandDateRanges(QStringLiteral("2-3x")), QString());
}

TEST(ExpandDateRanges, TheRangeTextIsReplacedWhereverItOccurs) {
    EXPECT_EQ(ExpandDateRanges(QStringLiteral("1-3 21-3")), QStringLiteral("1 2 3 21 2 3"));
}

TEST(ExpandDateRanges, AHugeRangeEndsWithoutExhaustingMemory) {
    const QString out = ExpandDateRanges(QStringLiteral("1-999999999"));
    EXPECT_TRUE(out.startsWith(QStringLiteral("1 2 3 ")));
    EXPECT_LT(out.size(), 1000000);
}

TEST(ExpandDateRanges, BlanksNextToADashMeanTheSameAfterCanonicalising) {
    EXPECT_EQ(expanded(QStringLiteral("10 - 15")), expanded(QStringLiteral("10-15")));
    EXPECT_EQ(expanded(QStringLiteral("10 - 15")), QStringLiteral("10 11 12 13 14 15"));
}

TEST(DateListToDayKeys, LetterMajorOrderWithTwoDigitDays) {
    EXPECT_EQ(DateListToDayKeys(QStringLiteral("5 12"), QStringLiteral("AB")),
              QStringLiteral("05A12A05B12B"));
    EXPECT_EQ(DateListToDayKeys(QStringLiteral("31"), QStringLiteral("GH")), QStringLiteral("31G31H"));
    EXPECT_EQ(DateListToDayKeys(QStringLiteral("7"), QStringLiteral("ABCDEFGH")),
              QStringLiteral("07A07B07C07D07E07F07G07H"));
    EXPECT_EQ(DateListToDayKeys(expanded(QStringLiteral("1-3")), QStringLiteral("C")),
              QStringLiteral("01C02C03C"));
}

TEST(DateListToDayKeys, SiteListsGiveSiteTokensWithTheLetterS) {
    EXPECT_EQ(DateListToDayKeys(QStringLiteral("1 3"), QStringLiteral("S")), QStringLiteral("01S03S"));
    EXPECT_EQ(DateListToDayKeys(expanded(QStringLiteral("1-3")), QStringLiteral("S")),
              QStringLiteral("01S02S03S"));
    EXPECT_EQ(DateListToDayKeys(QStringLiteral("9"), QStringLiteral("S")), siteToken(9));
}

TEST(DateListToDayKeys, EmptyListGivesNoKeysAndOtherLengthsAreKept) {
    EXPECT_EQ(DateListToDayKeys(QString(), QStringLiteral("ABCDEFGH")), QString());
    EXPECT_EQ(DateListToDayKeys(QStringLiteral("005 6"), QStringLiteral("A")), QStringLiteral("005A06A"));
}

namespace {
// The keys as the lists define them: every blank of the list and a final one become the letter, the text of
// all letters is cut after each slot or given letter, a two-character piece gets a leading "0", and what
// follows the last cut is dropped.
QString keysByCutting(const QString& list, const QString& letters) {
    if (list.isEmpty())
        return {};
    QString joined;
    for (QChar letter : letters)
        joined += QString(list + QLatin1Char(' ')).replace(QLatin1Char(' '), letter);
    QString keys;
    qsizetype start = 0;
    for (qsizetype i = 0; i < joined.size(); ++i) {
        if ((joined[i] >= QLatin1Char('A') && joined[i] <= QLatin1Char('H')) || letters.contains(joined[i])) {
            keys += (i + 1 - start == 2 ? QStringLiteral("0") : QString()) + joined.mid(start, i + 1 - start);
            start = i + 1;
        }
    }
    return keys;
}
} // namespace

// Lists of blanks, dashes, digits and stray letters, canonicalised and expanded as the generator does:
// the keys made directly for plain lists are those of cutting the text.
TEST(DateListToDayKeys, AgreesWithCuttingTheTextForAnyList) {
    std::mt19937 random(20261210);
    const QString alphabet = QStringLiteral("0123456789  --1AS");
    const QStringList letterSets = {QStringLiteral("AB"), QStringLiteral("CDEF"), QStringLiteral("GH"),
                                    QStringLiteral("ABCDEFGH"), QStringLiteral("S")};
    for (int n = 0; n < 4000; ++n) {
        QString field;
        for (int k = int(random() % 12); k > 0; --k)
            field += alphabet[qsizetype(random() % alphabet.size())];
        const QString list = expanded(field);
        for (const QString& letters : letterSets)
            ASSERT_EQ(DateListToDayKeys(list, letters), keysByCutting(list, letters))
                << qPrintable(field) << " " << qPrintable(letters);
    }
}

TEST(NormaliseManualList, CutsAfterEachSlotLetterAndPadsOneDigitDays) {
    EXPECT_EQ(NormaliseManualList(QStringLiteral("1A 12G 26C")), QStringLiteral("01A12G26C"));
    EXPECT_EQ(NormaliseManualList(QStringLiteral("1A12G26C")), QStringLiteral("01A12G26C"));
    EXPECT_EQ(NormaliseManualList(QStringLiteral(" 3 H  4 B ")), QStringLiteral("03H04B"));
    EXPECT_EQ(NormaliseManualList(QStringLiteral("1A 12")), QStringLiteral("01A")); // tail dropped
    EXPECT_EQ(NormaliseManualList(QStringLiteral("1a 2I")), QString());             // no slot letters
    EXPECT_EQ(NormaliseManualList(QString()), QString());
}

// March 2024: the 1st is a Friday, so the 5th, 12th and 26th are Tuesdays; the month has 31 days.
TEST(ManualKeysToSlotTokens, AddsTheWeekdayOfTheMonth) {
    const QString month = MonthTokenList(3, 2024);
    EXPECT_EQ(ManualKeysToSlotTokens(NormaliseManualList(QStringLiteral("1A 12G 26C")), month),
              QStringLiteral("01A612G326C3"));
    EXPECT_EQ(ManualKeysToSlotTokens(QStringLiteral("05c31H"), month), QStringLiteral("05C331H1"));
}

TEST(ManualKeysToSlotTokens, KeysOutsideTheMonthAreDropped) {
    const QString april = MonthTokenList(4, 2024); // 30 days
    EXPECT_EQ(ManualKeysToSlotTokens(QStringLiteral("31A"), april), QString());
    EXPECT_EQ(ManualKeysToSlotTokens(QStringLiteral("30A31A00B05I"), april), QStringLiteral("30A3"));
    EXPECT_EQ(ManualKeysToSlotTokens(QStringLiteral("01A0"), april), QStringLiteral("01A2")); // partial key
}

TEST(AppendInitials, GivesEightCharacterRecords) {
    EXPECT_EQ(AppendInitials(QStringLiteral("05C301A6"), padInitials(QStringLiteral("JD"))),
              QStringLiteral("05C3JD__01A6JD__"));
    EXPECT_EQ(AppendInitials(QStringLiteral("05C3"), kUnfilled), QStringLiteral("05C3AGT?"));
    EXPECT_EQ(AppendInitials(QString(), QStringLiteral("JD__")), QString());
    EXPECT_EQ(AppendInitials(QStringLiteral("05C30"), QStringLiteral("JD__")), QStringLiteral("05C3JD__"));
}

TEST(AppendDay, DigitsOnlyAfterADashElseABlankFirst) {
    EXPECT_EQ(AppendDay(QStringLiteral("5-"), 12), QStringLiteral("5-12"));
    EXPECT_EQ(AppendDay(QStringLiteral("5"), 12), QStringLiteral("5 12"));
    EXPECT_EQ(AppendDay(QStringLiteral("1 3"), 7), QStringLiteral("1 3 7"));
}
