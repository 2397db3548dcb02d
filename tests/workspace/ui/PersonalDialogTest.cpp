// The personal calendar dialog and the comments window driven as a user does: the checks of the month
// and year boxes, whichever way a command is started, and the comment's 100-character limit.

#include "TestFolder.h"
#include "WidgetDriving.h"
#include "workspace/PersonalCalendar.h"
#include "workspace/Workspace.h"
#include "workspace/ui/frmComments.h"
#include "workspace/ui/frmPersonalCalendar.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>

using namespace rp;
using namespace rp::test;

namespace {

const QString kYearMessage = QStringLiteral("Please insert a year in this field.");
const QString kMonthMessage = QStringLiteral("Please insert a month in this field.");

class PersonalDialog : public ::testing::Test {
protected:
    void SetUp() override {
        folder.write(QStringLiteral("Personal/LastCalendar.txt"), "1\r\n2027\r\n");
        dialog.setToday(QDate(2027, 1, 15));
        showActive(dialog);
    }
    void TearDown() override { expectNoUnexpectedPrompts(ui); }

    QComboBox* box(const char* name) { return dialog.findChild<QComboBox*>(QLatin1String(name)); }
    QByteArray lastCalendar() const { return folder.read(QStringLiteral("Personal/LastCalendar.txt")); }
    int count(const QString& text) const { return int(ui.texts().count(text)); }

    ScriptedUi ui;
    TestFolder folder;
    Workspace workspace;
    int calendarsShown = 0;
    frmPersonalCalendar dialog{
        ui, workspace, folder.path(), {nullptr, [this] { ++calendarsShown; }, nullptr}};
};

struct BadEntry {
    friend void PrintTo(const BadEntry& p, std::ostream* os) { *os << p.box << " '" << p.text << "'"; }
    const char* box;
    const char* text;
};

class PersonalDialogBadEntry : public PersonalDialog, public ::testing::WithParamInterface<BadEntry> {};

} // namespace

// Four digits from 1900 on for the year, 1 to 12 for the month: no blanks, signs or short years.
TEST_P(PersonalDialogBadEntry, IsRefusedWhenLeavingTheBox) {
    QComboBox* b = box(GetParam().box);
    const bool year = b == dialog.cboCustomYear;
    typeInto(b, QLatin1String(GetParam().text));
    QTest::keyClick(b, Qt::Key_Tab);
    ASSERT_EQ(ui.messages().size(), 1u);
    expectMessage(ui.messages()[0], year ? kYearMessage : kMonthMessage,
                  year ? "Numeric Year Required" : "Numeric Month Required");
    EXPECT_EQ(dialog.focusWidget(), b);
    pressMnemonic(dialog, Qt::Key_O);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(lastCalendar(), QByteArray("1\r\n2027\r\n"));
    EXPECT_EQ(calendarsShown, 0);
}

INSTANTIATE_TEST_SUITE_P(Entries, PersonalDialogBadEntry,
                         ::testing::Values(BadEntry{"cboCustomYear", " 202"},
                                           BadEntry{"cboCustomYear", "-123"},
                                           BadEntry{"cboCustomYear", "0999"},
                                           BadEntry{"cboCustomYear", "1899"}, BadEntry{"cboCustomYear", "27"},
                                           BadEntry{"cboCustomMonth", "+3"}, BadEntry{"cboCustomMonth", " 3"},
                                           BadEntry{"cboCustomMonth", "13"}));

// However OK or Erase is started, the year being typed is checked first: its message shows once, the
// dialog stays with the focus on the year, and leaving the box later does not repeat the message.
struct CommandRoute {
    friend void PrintTo(const CommandRoute& p, std::ostream* os) { *os << p.name; }
    const char* name;
    std::function<void(frmPersonalCalendar&)> start;
    bool erases;
};

class PersonalDialogRoute : public PersonalDialog, public ::testing::WithParamInterface<CommandRoute> {};

TEST_P(PersonalDialogRoute, ChecksTheYearBeingTyped) {
    typeInto(dialog.cboCustomYear, QStringLiteral("27"));
    GetParam().start(dialog);
    EXPECT_EQ(ui.texts(), QStringList{kYearMessage});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.focusWidget(), dialog.cboCustomYear);
    QTest::keyClick(dialog.cboCustomYear, Qt::Key_Tab);
    EXPECT_EQ(dialog.focusWidget(), dialog.cboCustomYear);
    EXPECT_EQ(ui.texts(), QStringList{kYearMessage});
    EXPECT_EQ(lastCalendar(), QByteArray("1\r\n2027\r\n"));

    // A month with a leading zero names the same month file as without.
    typeInto(dialog.cboCustomYear, QStringLiteral("2028"));
    typeInto(dialog.cboCustomMonth, QStringLiteral("03"));
    if (GetParam().erases)
        ui.answer(Answer::Yes);
    GetParam().start(dialog);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(count(kYearMessage), 1);
    EXPECT_EQ(lastCalendar(), QByteArray("03\r\n2028\r\n"));
    EXPECT_EQ(ReadLastCalendar(folder.path(), QDate(2027, 1, 15)).month, 3);
    EXPECT_GE(calendarsShown, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Routes, PersonalDialogRoute,
    ::testing::Values(
        CommandRoute{"OkClicked",
                     [](frmPersonalCalendar& d) { QTest::mouseClick(d.cmdLoad, Qt::LeftButton); }, false},
        CommandRoute{"OkMnemonic", [](frmPersonalCalendar& d) { pressMnemonic(d, Qt::Key_O); }, false},
        CommandRoute{"Enter",
                     [](frmPersonalCalendar& d) { QTest::keyClick(d.focusWidget(), Qt::Key_Return); }, false},
        CommandRoute{"EraseMnemonic", [](frmPersonalCalendar& d) { pressMnemonic(d, Qt::Key_E); }, true}),
    byName);

TEST_F(PersonalDialog, CancelNeedsNoValidYear) {
    typeInto(dialog.cboCustomYear, QStringLiteral("27"));
    QTest::mouseClick(dialog.cmdExit, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(lastCalendar(), QByteArray("1\r\n2027\r\n"));
}

// Every change that brings the comment to 100 characters, line breaks counted as the CR LF they are
// stored as, shows the limit message, and what is stored never goes beyond 100.
TEST(Comments, EveryChangeAtTheLimitIsReportedAndTheStoredTextKeepsWithin100) {
    ScriptedUi ui;
    QString comment;
    frmComments window(ui, comment);
    showActive(window);
    auto* text = window.findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    ASSERT_EQ(window.focusWidget(), text);

    QTest::keyClicks(text, QString(98, QLatin1Char('a')));
    EXPECT_TRUE(ui.messages().empty());
    QTest::keyClick(text, Qt::Key_Return); // 98 + CR LF
    QTest::keyClick(text, Qt::Key_B);
    QGuiApplication::clipboard()->setText(QStringLiteral("xyz"));
    QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(ui.messages().size(), 3u);
    for (const auto& m : ui.messages()) {
        expectMessage(m, "100 character limit has been reached.", "Limit reached", Icon::Warning);
    }
    EXPECT_EQ(text->toPlainText(), QString(98, QLatin1Char('a')) + QLatin1Char('\n'));

    // A paste takes as much as fits.
    QTest::keyClick(text, Qt::Key_Backspace);
    QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(ui.messages().size(), 4u);
    EXPECT_EQ(text->toPlainText(), QString(98, QLatin1Char('a')) + QStringLiteral("xy"));

    QTest::keyClick(text, Qt::Key_Backspace);
    QTest::keyClick(text, Qt::Key_Return); // a line break needs two
    EXPECT_EQ(ui.messages().size(), 5u);
    QTest::keyClick(text, Qt::Key_Backspace);
    QTest::keyClick(text, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_Return);
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    EXPECT_EQ(ui.messages().size(), 6u);
    EXPECT_EQ(comment, QStringLiteral("\r\n") + QString(98, QLatin1Char('a')));
    expectNoUnexpectedPrompts(ui);
}
