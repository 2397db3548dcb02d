// The month control's grid: range, weeks, hit testing, texts, colours and keyboard moves.
#include "platform/qt/MonthCalendar.h"

#include "Printers.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace rp {
namespace {

// A control showing the weeks around a month, as the main window sets it up.
class MonthCalendarGrid : public ::testing::Test {
protected:
    void showMonth(int year, int month) {
        const QDate first(year, month, 1);
        const QDate last = first.addMonths(1).addDays(-1);
        calendar.setFirstDate(first.addDays(-(MonthCalendar::WeekdayOf(first) - 1)));
        calendar.setLastDate(last.addDays(7 - MonthCalendar::WeekdayOf(last) % 7));
        calendar.setDate(first);
    }
    void showOnScreen() {
        calendar.resize(900, 700);
        calendar.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&calendar));
    }

    MonthCalendar calendar;
};

TEST_F(MonthCalendarGrid, WeekdaysRunFromSundayOne) {
    EXPECT_EQ(MonthCalendar::WeekdayOf(QDate(2027, 1, 3)), 1); // a Sunday
    EXPECT_EQ(MonthCalendar::WeekdayOf(QDate(2027, 1, 1)), 6); // a Friday
    EXPECT_EQ(MonthCalendar::WeekdayOf(QDate(2027, 1, 2)), 7); // a Saturday
    EXPECT_EQ(MonthCalendar::dayNames().size(), 7);
    EXPECT_EQ(MonthCalendar::monthNames().size(), 12);
}

TEST_F(MonthCalendarGrid, WeeksCoverTheRangeSundayFirst) {
    // May 2027 starts on a Saturday and has 31 days: its grid needs six weeks, and the month's last day
    // (a Monday) runs on to the Saturday.
    showMonth(2027, 5);
    EXPECT_EQ(calendar.FirstDate(), QDate(2027, 4, 25));
    EXPECT_EQ(calendar.LastDate(), QDate(2027, 6, 5));
    EXPECT_EQ(calendar.weekCount(), 6);
    EXPECT_EQ(calendar.ShownMonth(), 5);
    EXPECT_EQ(calendar.ShownYear(), 2027);

    // A month ending on a Saturday runs on a whole week more, as the rendering asks.
    showMonth(2027, 7);
    EXPECT_EQ(calendar.LastDate(), QDate(2027, 8, 7));
    EXPECT_EQ(calendar.weekCount(), 6);
}

TEST_F(MonthCalendarGrid, EveryDayIsFoundAtItsCellAndColumnsFollowTheWeekdays) {
    showMonth(2027, 5);
    showOnScreen();
    for (QDate d = calendar.FirstDate(); d <= calendar.LastDate(); d = d.addDays(1)) {
        calendar.ensureDateVisible(d);
        const QRect visible = calendar.cellRect(d);
        ASSERT_FALSE(visible.isEmpty()) << d.toString();
        EXPECT_EQ(calendar.dateAt(visible.center()), d) << d.toString();
    }
    // Same weekday, same column; the next day, the next column to the right.
    EXPECT_EQ(calendar.cellRect(QDate(2027, 5, 2)).left(), calendar.cellRect(QDate(2027, 5, 9)).left());
    EXPECT_LT(calendar.cellRect(QDate(2027, 5, 2)).left(), calendar.cellRect(QDate(2027, 5, 3)).left());
    // Outside the range there is no day.
    EXPECT_FALSE(calendar.dateAt(QPoint(2, 2)).isValid()) << "the title band holds no day";
}

TEST_F(MonthCalendarGrid, TextsAndColoursAreKeptPerDateAndClearedTogether) {
    showMonth(2027, 1);
    const QDate day(2027, 1, 12);
    EXPECT_TRUE(calendar.CellText(day).isEmpty());
    EXPECT_EQ(calendar.DayBackColor(day), -1);

    calendar.setCellText(day, QStringLiteral("A-JD__\r\nB-"));
    calendar.setDayBackColor(day, 0x00FFFF);
    EXPECT_EQ(calendar.CellText(day), QStringLiteral("A-JD__\r\nB-"));
    EXPECT_EQ(calendar.DayBackColor(day), 0x00FFFF);
    EXPECT_TRUE(calendar.CellText(day.addDays(1)).isEmpty()) << "texts belong to one date";

    calendar.setDayBackColor(day, -1);
    EXPECT_EQ(calendar.DayBackColor(day), -1);
    calendar.setDayBackColor(day, 0x123456);
    calendar.ClearAll();
    EXPECT_TRUE(calendar.CellText(day).isEmpty());
    EXPECT_EQ(calendar.DayBackColor(day), -1);
}

TEST_F(MonthCalendarGrid, BackColoursAreDrawnInTheirCells) {
    showMonth(2027, 1);
    calendar.setAppearance(32, 0xFFFFFF);    // weekdays white
    const QDate day(2027, 1, 13);            // a Wednesday
    calendar.setDayBackColor(day, 0x0000FF); // red, in BGR
    showOnScreen();
    calendar.ensureDateVisible(day);
    const QImage image = calendar.grab().toImage();
    const QRect cell = calendar.cellRect(day);
    // The lower part of the cell is free of the day number and of text.
    const QColor marked = image.pixelColor(cell.left() + cell.width() / 2, cell.bottom() - 4);
    EXPECT_EQ(marked, QColor(255, 0, 0));
    const QRect other = calendar.cellRect(day.addDays(1));
    EXPECT_EQ(image.pixelColor(other.left() + other.width() / 2, other.bottom() - 4), QColor(255, 255, 255));
}

TEST_F(MonthCalendarGrid, ArrowKeysMoveTheCurrentDayWithinTheRange) {
    showMonth(2027, 1);
    showOnScreen();
    calendar.setCurrentDate(QDate(2027, 1, 13));
    QTest::keyClick(&calendar, Qt::Key_Right);
    EXPECT_EQ(calendar.currentDate(), QDate(2027, 1, 14));
    QTest::keyClick(&calendar, Qt::Key_Down);
    EXPECT_EQ(calendar.currentDate(), QDate(2027, 1, 21));
    QTest::keyClick(&calendar, Qt::Key_Up);
    QTest::keyClick(&calendar, Qt::Key_Left);
    EXPECT_EQ(calendar.currentDate(), QDate(2027, 1, 13));
    QTest::keyClick(&calendar, Qt::Key_End);
    EXPECT_EQ(calendar.currentDate(), calendar.LastDate());
    QTest::keyClick(&calendar, Qt::Key_Down);
    EXPECT_EQ(calendar.currentDate(), calendar.LastDate()) << "the current day stays inside the range";
    QTest::keyClick(&calendar, Qt::Key_Home);
    EXPECT_EQ(calendar.currentDate(), calendar.FirstDate());
}

TEST_F(MonthCalendarGrid, DoubleClickAndEnterAskToEditTheDay) {
    showMonth(2027, 1);
    showOnScreen();
    QSignalSpy requested(&calendar, &MonthCalendar::DayEditRequested);
    const QDate day(2027, 1, 20);
    calendar.ensureDateVisible(day);
    QTest::mouseDClick(&calendar, Qt::LeftButton, {}, calendar.cellRect(day).center());
    ASSERT_EQ(requested.size(), 1);
    EXPECT_EQ(requested.at(0).at(0).toDate(), day);
    EXPECT_EQ(calendar.currentDate(), day);
    EXPECT_TRUE(calendar.CellText(day).isEmpty()) << "the control never edits on its own";

    calendar.setCurrentDate(QDate(2027, 1, 5));
    QTest::keyClick(&calendar, Qt::Key_Return);
    ASSERT_EQ(requested.size(), 2);
    EXPECT_EQ(requested.at(1).at(0).toDate(), QDate(2027, 1, 5));

    QTest::mouseDClick(&calendar, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(requested.size(), 2) << "a double-click on the title band asks nothing";
}

} // namespace
} // namespace rp
