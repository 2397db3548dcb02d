// Day numbers, weekdays and month lengths; the program's text rules.
#include "Printers.h"
#include "platform/Calendar.h"
#include "platform/Text.h"

#include <gtest/gtest.h>

using namespace rp;

TEST(DayNumber, CountsDaysSinceThirtiethDecember1899) {
    EXPECT_EQ(dayNumber(QDate(1899, 12, 30)), 0);
    EXPECT_EQ(dayNumber(QDate(1899, 12, 31)), 1);
    EXPECT_EQ(dayNumber(QDate(1900, 1, 1)), 2);
    EXPECT_EQ(dayNumber(QDate(1900, 3, 1)), 61); // 1900 was no leap year
    EXPECT_EQ(dayNumber(QDate(2000, 1, 1)), 36526);
    EXPECT_EQ(dayNumber(QDate(1899, 12, 29)), -1);
}

TEST(DayNumber, RoundTripsThroughDates) {
    for (qint64 day : {qint64(-1), qint64(0), qint64(2), qint64(39508), qint64(73050)})
        EXPECT_EQ(dayNumber(dateFromDayNumber(day)), day);
    EXPECT_EQ(dateFromDayNumber(39508), QDate(2008, 3, 1));
}

TEST(Weekday, RunsFromOneForSundayToSevenForSaturday) {
    EXPECT_EQ(weekdayOf(QDate(2024, 9, 1)), 1); // Sunday
    EXPECT_EQ(weekdayOf(QDate(2024, 9, 2)), 2);
    EXPECT_EQ(weekdayOf(QDate(2008, 3, 4)), 3); // Tuesday
    EXPECT_EQ(weekdayOf(QDate(2024, 9, 7)), 7); // Saturday
    EXPECT_EQ(weekdayOf(QDate(1899, 12, 30)), 7);
}

TEST(DaysInMonth, FollowsMonthLengthsAndLeapYears) {
    EXPECT_EQ(daysInMonth(1, 2024), 31);
    EXPECT_EQ(daysInMonth(4, 2024), 30);
    EXPECT_EQ(daysInMonth(12, 2023), 31); // into the next year
    EXPECT_EQ(daysInMonth(2, 2024), 29);
    EXPECT_EQ(daysInMonth(2, 2023), 28);
    EXPECT_EQ(daysInMonth(2, 2000), 29);
    EXPECT_EQ(daysInMonth(2, 1900), 28);
}

TEST(TextRules, TrimmingRemovesBlanksOnly) {
    EXPECT_EQ(trimBlanks(QStringLiteral("  Ann Lee  ")), QStringLiteral("Ann Lee"));
    EXPECT_EQ(trimBlanks(QStringLiteral("\t1 ")), QStringLiteral("\t1"));
    EXPECT_EQ(trimBlanks(QStringLiteral("   ")), QString());
    EXPECT_EQ(trimRightBlanks(QStringLiteral(" Arial  ")), QStringLiteral(" Arial"));
}

TEST(TextRules, LeadingNumberReadsTheDigitsUpFront) {
    EXPECT_EQ(leadingNumber(QStringLiteral("5x")), 5);
    EXPECT_EQ(leadingNumber(QStringLiteral(" 12 ")), 12);
    EXPECT_EQ(leadingNumber(QStringLiteral("-3")), -3);
    EXPECT_EQ(leadingNumber(QStringLiteral("x5")), 0);
    EXPECT_EQ(leadingNumber(QString()), 0);
    EXPECT_EQ(leadingNumber(QStringLiteral("005")), 5);
    EXPECT_GT(leadingNumber(QStringLiteral("99999999999999999999999")), 0); // no overflow
    EXPECT_DOUBLE_EQ(leadingReal(QStringLiteral("5.7kg")), 5.7);
    EXPECT_TRUE(isNumeric(QStringLiteral(" 42 ")));
    EXPECT_FALSE(isNumeric(QStringLiteral("4 2")));
}

TEST(TextRules, LinesEndWithCrLfOrLf) {
    EXPECT_EQ(splitLines(QStringLiteral("a\r\nb\nc")),
              (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}));
    EXPECT_EQ(splitLines(QStringLiteral("a\r\n\r\n")), (QStringList{QStringLiteral("a"), QString()}));
    EXPECT_TRUE(splitLines(QString()).isEmpty());
    EXPECT_EQ(fitRight(QStringLiteral("JD"), 4, QLatin1Char('_')), QStringLiteral("JD__"));
    EXPECT_EQ(fitRight(QStringLiteral("ABCDE"), 4), QStringLiteral("ABCD"));
}
