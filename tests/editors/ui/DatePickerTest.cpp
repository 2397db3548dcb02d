// The editors' date picker: the month shown, the clicked day, and clicks with the mouse.
#include "platform/qt/DatePicker.h"

#include <QAbstractItemView>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace rp;

TEST(DatePicker, ShowsTheMonthAndReportsClicksAndDoubleClicks) {
    DatePicker picker;
    picker.setMonthShown(QDate(2027, 2, 17));
    EXPECT_EQ(picker.MonthShown(), QDate(2027, 2, 1));
    EXPECT_EQ(picker.monthShown(), 2);
    EXPECT_EQ(picker.focusPolicy(), Qt::NoFocus);
    picker.resize(picker.sizeHint());
    picker.show();
    QSignalSpy clicks(&picker, &DatePicker::DateClick);
    QSignalSpy doubles(&picker, &DatePicker::DateDoubleClick);
    auto* view = picker.findChild<QAbstractItemView*>();
    ASSERT_NE(view, nullptr);
    // Find the cell of 10 February on screen.
    QModelIndex cell;
    for (int r = 0; r < view->model()->rowCount() && !cell.isValid(); ++r) {
        for (int c = 0; c < view->model()->columnCount(); ++c) {
            const QModelIndex i = view->model()->index(r, c);
            if (i.data().toString() == QLatin1String("10") && r < 4) {
                cell = i;
                break;
            }
        }
    }
    ASSERT_TRUE(cell.isValid());
    const QPoint centre = view->visualRect(cell).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(picker.ClickedDay(), 10);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre);
    EXPECT_EQ(doubles.count(), 1);
}
