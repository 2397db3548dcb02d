// Slot tokens of a month and initials as the generator keeps them.
#include "model/Tokens.h"

#include "Printers.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace rp;

namespace {
QStringList tokensOf(const QString& list) {
    QStringList out;
    for (qsizetype i = 0; i < list.size(); i += 4)
        out << list.mid(i, 4);
    return out;
}
} // namespace

// February 2022 has 28 days and begins on a Tuesday.
TEST(MonthTokenList, TwentyEightDayMonthHas224TokensStartingOnTuesday) {
    const QStringList tokens = tokensOf(MonthTokenList(2, 2022));
    ASSERT_EQ(tokens.size(), 224);
    EXPECT_EQ(tokens.mid(0, 9),
              (QStringList{QStringLiteral("01A3"), QStringLiteral("01B3"), QStringLiteral("01C3"),
                           QStringLiteral("01D3"), QStringLiteral("01E3"), QStringLiteral("01F3"),
                           QStringLiteral("01G3"), QStringLiteral("01H3"), QStringLiteral("02A4")}));
    EXPECT_EQ(tokens.last(), QStringLiteral("28H2"));
}

TEST(MonthTokenList, EveryDayHasItsEightLettersAndTheRightWeekday) {
    const QStringList tokens = tokensOf(MonthTokenList(2, 2022));
    const QString letters = QStringLiteral("ABCDEFGH");
    for (int i = 0; i < tokens.size(); ++i) {
        const int day = i / 8 + 1;
        const int weekday = (2 + day - 1) % 7 + 1; // the 1st is weekday 3
        EXPECT_EQ(
            tokens[i],
            QStringLiteral("%1%2%3").arg(day, 2, 10, QLatin1Char('0')).arg(letters[i % 8]).arg(weekday));
    }
}

TEST(MonthTokenList, NeverHoldsDaysBeyondTheLastDay) {
    const QString feb2023 = MonthTokenList(2, 2023);
    const QString feb2024 = MonthTokenList(2, 2024);
    EXPECT_FALSE(feb2023.contains(QStringLiteral("29A")));
    EXPECT_EQ(feb2024.size(), 29 * 8 * 4);
    EXPECT_TRUE(feb2024.contains(QStringLiteral("29H5"))); // Thursday
    EXPECT_FALSE(feb2024.contains(QStringLiteral("30A")));
    const QString dec = MonthTokenList(12, 2023);
    EXPECT_EQ(dec.size(), kMaxMonthSlots * 4);
    EXPECT_TRUE(dec.endsWith(QStringLiteral("31H1"))); // Sunday 31 December 2023
    EXPECT_LE(dec.size(), 1024);
}

TEST(Initials, PaddedWithUnderscoresOrCutToFour) {
    EXPECT_EQ(padInitials(QStringLiteral("JD")), QStringLiteral("JD__"));
    EXPECT_EQ(padInitials(QStringLiteral("ABCDE")), QStringLiteral("ABCD"));
    EXPECT_EQ(padInitials(QStringLiteral(" JD ")), QStringLiteral("JD__"));
    EXPECT_EQ(padInitials(QStringLiteral("A+B")), QStringLiteral("A+B_"));
    EXPECT_EQ(padInitials(kUnfilled), QStringLiteral("AGT?"));
}

TEST(SiteToken, TwoDigitNumberAndS) {
    EXPECT_EQ(siteToken(3), QStringLiteral("03S"));
    EXPECT_EQ(siteToken(9), QStringLiteral("09S"));
    EXPECT_EQ(twoDigits(5), QStringLiteral("05"));
    EXPECT_EQ(twoDigits(31), QStringLiteral("31"));
}
