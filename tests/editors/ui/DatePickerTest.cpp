// The editors' date picker: the month shown, the clicked day, and clicks with the mouse.
#include "platform/qt/DatePicker.h"

#include "Printers.h"

#include <QAbstractItemView>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace rp;

namespace {

// February 2027 shown from Sunday 31 January to Saturday 13 March.
struct PickerOnFebruary : ::testing::Test {
    void SetUp() override {
        picker.setMonthShown(QDate(2027, 2, 17));
        picker.resize(picker.sizeHint());
        picker.show();
        view = picker.findChild<QAbstractItemView*>();
        ASSERT_NE(view, nullptr);
    }
    // The centre of the n-th cell (from the top left) that shows the day number.
    QPoint cell(const QString& day, int occurrence = 0) const {
        for (int r = 0; r < view->model()->rowCount(); ++r) {
            for (int c = 0; c < view->model()->columnCount(); ++c) {
                const QModelIndex i = view->model()->index(r, c);
                if (i.data().toString() == day && occurrence-- == 0)
                    return view->visualRect(i).center();
            }
        }
        ADD_FAILURE() << day;
        return {};
    }

    DatePicker picker;
    QAbstractItemView* view = nullptr;
    QSignalSpy clicks{&picker, &DatePicker::DateClick};
    QSignalSpy doubles{&picker, &DatePicker::DateDoubleClick};
};

} // namespace

TEST_F(PickerOnFebruary, ShowsTheMonthAndReportsClicksAndDoubleClicks) {
    EXPECT_EQ(picker.MonthShown(), QDate(2027, 2, 1));
    EXPECT_EQ(picker.monthShown(), 2);
    EXPECT_EQ(picker.focusPolicy(), Qt::NoFocus);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell(QStringLiteral("10")));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(picker.ClickedDay(), 10);
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell(QStringLiteral("10")));
    EXPECT_EQ(doubles.count(), 1);
}

TEST_F(PickerOnFebruary, GreyDaysOfTheMonthsAroundTakeNoClicks) {
    const QPoint january31 = cell(QStringLiteral("31"));
    const QPoint march1 = cell(QStringLiteral("1"), 1);
    for (const QPoint& grey : {january31, march1}) {
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, grey);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, grey);
    }
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_EQ(doubles.count(), 0);
    EXPECT_EQ(picker.monthShown(), 2) << "the picker stays on its month";
}
