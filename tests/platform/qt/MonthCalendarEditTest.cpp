// In-place editing of a day: the owner opens the editor, the control reports how it was left.
#include "Printers.h"
#include "platform/qt/MonthCalendar.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace rp {
namespace {

class MonthCalendarEdit : public ::testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        calendar = new MonthCalendar(&window);
        other = new QLineEdit(&window);
        layout->addWidget(calendar);
        layout->addWidget(other);
        calendar->setFirstDate(QDate(2026, 12, 27));
        calendar->setLastDate(QDate(2027, 2, 6));
        calendar->setDate(QDate(2027, 1, 1));
        calendar->setCellText(day, QStringLiteral("A-JD__\r\nB-"));
        window.resize(900, 750);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
    }
    QPlainTextEdit* editor() const {
        return calendar->findChild<QPlainTextEdit*>(QStringLiteral("dayEditor"));
    }

    QWidget window;
    MonthCalendar* calendar = nullptr;
    QLineEdit* other = nullptr;
    const QDate day{2027, 1, 12};
};

TEST_F(MonthCalendarEdit, TypedLinesComeBackWithCrLfWhenKept) {
    QSignalSpy ended(calendar, &MonthCalendar::DayEditEnded);
    calendar->StartDayEdit(day);
    ASSERT_NE(editor(), nullptr);
    EXPECT_TRUE(editor()->isVisible());
    EXPECT_TRUE(calendar->isEditing());
    EXPECT_EQ(calendar->editDate(), day);
    EXPECT_EQ(editor()->toPlainText(), QStringLiteral("A-JD__\nB-")) << "the editor shows plain lines";

    QTest::keyClick(editor(), Qt::Key_Return);
    QTest::keyClicks(editor(), QStringLiteral("C-MR"));
    EXPECT_EQ(calendar->EditText(), QStringLiteral("A-JD__\r\nB-\r\nC-MR")) << "live while open";
    QTest::keyClick(editor(), Qt::Key_Return, Qt::ControlModifier);

    EXPECT_FALSE(calendar->isEditing());
    EXPECT_FALSE(editor()->isVisible());
    ASSERT_EQ(ended.size(), 1);
    EXPECT_EQ(ended.at(0).at(0).toDate(), day);
    EXPECT_EQ(calendar->EditText(), QStringLiteral("A-JD__\r\nB-\r\nC-MR"));
    EXPECT_EQ(calendar->CellText(day), QStringLiteral("A-JD__\r\nB-"))
        << "the owner stores the text, not the control";
}

TEST_F(MonthCalendarEdit, EscapeGivesBackTheOldText) {
    QSignalSpy ended(calendar, &MonthCalendar::DayEditEnded);
    calendar->StartDayEdit(day);
    ASSERT_NE(editor(), nullptr);
    QTest::keyClicks(editor(), QStringLiteral(" changed"));
    QTest::keyClick(editor(), Qt::Key_Escape);
    ASSERT_EQ(ended.size(), 1);
    EXPECT_EQ(calendar->EditText(), QStringLiteral("A-JD__\r\nB-"));
    EXPECT_FALSE(calendar->isEditing());
}

TEST_F(MonthCalendarEdit, LeavingForAnotherControlKeepsTheText) {
    QSignalSpy ended(calendar, &MonthCalendar::DayEditEnded);
    calendar->StartDayEdit(day);
    ASSERT_NE(editor(), nullptr);
    QTest::keyClicks(editor(), QStringLiteral("!"));
    other->setFocus(Qt::MouseFocusReason);
    QCoreApplication::processEvents();
    ASSERT_EQ(ended.size(), 1);
    EXPECT_EQ(calendar->EditText(), QStringLiteral("A-JD__\r\nB-!"));
}

TEST_F(MonthCalendarEdit, ASecondEditEndsTheFirstKeptAndOutsideDaysOpenNothing) {
    QSignalSpy ended(calendar, &MonthCalendar::DayEditEnded);
    calendar->StartDayEdit(day);
    ASSERT_NE(editor(), nullptr);
    QTest::keyClicks(editor(), QStringLiteral("X"));
    calendar->StartDayEdit(day.addDays(1));
    ASSERT_EQ(ended.size(), 1);
    EXPECT_EQ(ended.at(0).at(0).toDate(), day);
    EXPECT_TRUE(calendar->isEditing());
    EXPECT_EQ(calendar->editDate(), day.addDays(1));
    EXPECT_TRUE(calendar->EditText().isEmpty()) << "the new day starts from its own (empty) text";

    calendar->endDayEdit(true);
    ASSERT_EQ(ended.size(), 2);
    calendar->StartDayEdit(QDate(2027, 3, 1));
    EXPECT_FALSE(calendar->isEditing()) << "a day outside the range opens no editor";
    EXPECT_EQ(ended.size(), 2);
    calendar->endDayEdit(true);
    EXPECT_EQ(ended.size(), 2) << "ending with no editor open reports nothing";
}

TEST_F(MonthCalendarEdit, ChangingTheRangeEndsAnOpenEdit) {
    QSignalSpy ended(calendar, &MonthCalendar::DayEditEnded);
    calendar->StartDayEdit(day);
    calendar->setFirstDate(QDate(2027, 1, 31));
    EXPECT_EQ(ended.size(), 1);
    EXPECT_FALSE(calendar->isEditing());
}

} // namespace
} // namespace rp
