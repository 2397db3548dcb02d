#include "SessionFixture.h"
#include "workspace/ui/frmdlg_Instruct.h"
#include "workspace/ui/licnorpt.h"

#include <QCheckBox>
#include <QLabel>

using namespace rp;
using namespace rp::test;

TEST(StartUp, ASecondCopyIsRefused) {
    TestFolder folder;
    ScriptedUi firstUi, secondUi;
    int started = 0;
    licnorpt first(firstUi, folder.path(), [&] { ++started; });
    ASSERT_TRUE(first.Form_Load());
    EXPECT_TRUE(first.Label3->text().startsWith(QStringLiteral("Version ")));
    licnorpt second(secondUi, folder.path(), [&] { ++started; });
    EXPECT_FALSE(second.Form_Load());
    EXPECT_TRUE(secondUi.ended());
    ASSERT_EQ(secondUi.messages().size(), 1u);
    expectMessage(secondUi.messages()[0], "Another instance of the program is already runnning.",
                  "Exiting Program", Icon::Critical);
    first.Timer1_Timer();
    EXPECT_EQ(started, 1);
    EXPECT_FALSE(firstUi.ended());
}

TEST(StartUp, InstructionsShowTheWelcomeOrTheNewFeatures) {
    TestFolder folder;
    folder.write(QStringLiteral("help/NEWUSER.txt"), "Welcome to the program\r\nSecond line\r\n");
    folder.write(QStringLiteral("help/NEWSTUFF.txt"), "What is new\r\n");
    ScriptedUi ui;
    frmdlg_Instruct welcome(ui, folder.path(), QStringLiteral("Instruct"));
    ASSERT_TRUE(welcome.Form_Load());
    EXPECT_EQ(welcome.windowTitle(), QStringLiteral("  Welcome! "));
    EXPECT_EQ(welcome.List1->count(), 2);
    frmdlg_Instruct news(ui, folder.path(), QStringLiteral("RPWin99"));
    ASSERT_TRUE(news.Form_Load());
    EXPECT_EQ(news.windowTitle(), QStringLiteral("  New features."));
    EXPECT_EQ(news.List1->item(0)->text(), QStringLiteral("What is new"));

    news.chkShowNoMore->setChecked(true);
    news.OKButton_Click();
    EXPECT_EQ(folder.read(QStringLiteral("settings/SkipInstruct.txt")), QByteArray("1\r\n"));
}

TEST(StartUp, AMissingInstructionTextIsReportedAndNotShown) {
    TestFolder folder;
    ScriptedUi ui;
    frmdlg_Instruct dialog(ui, folder.path(), QStringLiteral("Instruct"));
    EXPECT_FALSE(dialog.Form_Load());
    ASSERT_EQ(ui.messages().size(), 1u);
    expectMessage(ui.messages()[0], "File not found(#)53)", "Error");
}

TEST_F(SessionTest, InstructionsAreSkippedWithTheSkipFile) {
    startWith(QStringLiteral("OneOffice"));
    window().ShowInstruct();
    EXPECT_EQ(dialogsShown, 0);
    QFile::remove(folder.file(QStringLiteral("settings/SkipInstruct.txt")));
    folder.write(QStringLiteral("help/NEWUSER.txt"), "Welcome\r\n");
    window().ShowInstruct();
    EXPECT_EQ(dialogsShown, 1);
    EXPECT_EQ(session->workspace.state.DialogueString, QStringLiteral("Instruct"));
}
