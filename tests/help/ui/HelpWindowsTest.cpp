#include "help/ui/HelpWindows.h"

#include "SessionFixture.h"
#include "editors/ui/EditorWindows.h"
#include "generator/ui/SettingsDialogs.h"
#include "help/HelpFiles.h"
#include "help/ui/frmAbout.h"
#include "help/ui/frmBrowser.h"
#include "help/ui/frmhlp.h"
#include "platform/Files.h"
#include "platform/Text.h"
#include "workspace/ProgramFolder.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QToolBar>

namespace rp::test {
namespace {

QStringList bundledLines(const char* name) {
    return splitLines(
        *readTextFile(QStringLiteral(ROTAPLAN_SOURCE_RESOURCES "/help/") + QLatin1String(name)));
}

// The program's windows, attached as the program attaches them, on a folder holding the installed help.
// Each help viewer shown is recorded with its lines and closed; any other dialog is kept in `opened`.
class HelpTest : public SessionTest {
protected:
    void SetUp() override {
        ASSERT_TRUE(PrepareAppFolder(folder.path(), buildResources(), false));
        startWith(QStringLiteral("OneOffice"));
        attachEditorWindows(*session);
        attachSettingsDialogs(*session);
        help = attachHelpWindows(*session);
        answerDialog = [this](QDialog& d) {
            auto* viewer = qobject_cast<frmhlp*>(&d);
            if (!viewer) {
                opened = &d;
                return;
            }
            EXPECT_EQ(viewer->windowTitle(), QStringLiteral("Help View"));
            if (onViewer)
                onViewer(*viewer);
            shown << QStringList();
            for (int i = 0; i < viewer->List1->count(); ++i)
                shown.last() << viewer->List1->item(i)->text();
            if (viewer->isVisible())
                QTest::mouseClick(viewer->cmdClose, Qt::LeftButton);
        };
    }
    void showDialog(QDialog& d) override { showActive(d); }
    void trigger(const char* action) { find<QAction>(action)->trigger(); }

    HelpWindows* help = nullptr;
    QDialog* opened = nullptr;
    QList<QStringList> shown;
    std::function<void(frmhlp&)> onViewer;
};

struct HelpCommand {
    const char* name;
    const char* file;
    const char* open;            // the main window's menu entry or button
    const char* help = nullptr;  // the Help button of the window it opens, if any
    const char* close = nullptr; // the button that closes that window
};

class HelpCommandTest : public HelpTest, public ::testing::WithParamInterface<HelpCommand> {};

TEST_P(HelpCommandTest, ShowsItsTextInTheViewer) {
    const HelpCommand& c = GetParam();
    if (auto* action = find<QAction>(c.open))
        action->trigger();
    else
        click(c.open);
    if (c.help) {
        ASSERT_NE(opened, nullptr);
        QTest::mouseClick(opened->findChild<QPushButton*>(QLatin1String(c.help)), Qt::LeftButton);
        QTest::mouseClick(opened->findChild<QPushButton*>(QLatin1String(c.close)), Qt::LeftButton);
        EXPECT_FALSE(opened->isVisible());
    }
    EXPECT_EQ(shown, QList<QStringList>{bundledLines(c.file)});
    EXPECT_TRUE(ui.messages().empty()) << ui.texts().join(QLatin1Char('|'));
}

INSTANTIATE_TEST_SUITE_P(
    Windows, HelpCommandTest,
    ::testing::Values(HelpCommand{"GettingStarted", "Mainhlp.txt", "mnuHelpStart"},
                      HelpCommand{"GeneratedSchedule", "Kalhlp.txt", "mnuGenerated"},
                      HelpCommand{"Agents", "agthlp.txt", "cmdAgents", "cmdagthelp", "cmdAgtOk"},
                      HelpCommand{"Sites", "sitehlp.txt", "cmdSites", "cmdSiteHelp", "cmdSiteOk"},
                      HelpCommand{"Times", "timehlp.txt", "mnuTimes", "cmdHelp", "cmdCancel"},
                      HelpCommand{"FineTune", "tunehlp.txt", "mnuFineTune", "cmdTuneHelp", "cmdTuneCancel"},
                      HelpCommand{"CalSettings", "CALhlp.txt", "mnuCalSettings", "cmdHelp", "cmdCancel"}),
    byName);

TEST_F(HelpTest, TheViewerListsATextOnceHoweverOftenItIsShownOrActivated) {
    int showing = 0;
    onViewer = [&](frmhlp& viewer) {
        showActive(window());
        showActive(viewer);
        // The second showing ends with the frame's close button, which leaves the list filled.
        if (++showing == 2)
            viewer.close();
    };
    for (int i = 0; i < 3; ++i)
        trigger("mnuHelpStart");
    EXPECT_EQ(shown, QList<QStringList>(3, bundledLines("Mainhlp.txt")));
}

TEST_F(HelpTest, AMissingTextIsReportedAndNoViewerShown) {
    const QString path = folder.file(QStringLiteral("help/Kalhlp.txt"));
    ASSERT_TRUE(QFile::remove(path));
    trigger("mnuGenerated");
    EXPECT_EQ(dialogsShown, 0);
    EXPECT_EQ(help->viewer(), nullptr);
    ASSERT_EQ(ui.messages().size(), 1u);
    expectMessage(ui.lastMessage(), HelpReadErrorText(path, Error::runtime(err::FileNotFound)), "Error",
                  Icon::Critical);
}

// Moves the keyboard from link to link of the page until the one with the text, and follows it.
void followLink(frmBrowser& b, const QString& text) {
    b.brwWebBrowser->setFocus();
    for (int i = 0; i < 30 && b.brwWebBrowser->textCursor().selectedText() != text; ++i)
        QTest::keyClick(b.brwWebBrowser, Qt::Key_Tab);
    ASSERT_EQ(b.brwWebBrowser->textCursor().selectedText(), text);
    QTest::keyClick(b.brwWebBrowser, Qt::Key_Return);
}

TEST_F(HelpTest, WebHelpMovesBetweenTheBundledPagesAndHandsWebLinksToTheDesktop) {
    trigger("mnuBrowser");
    frmBrowser& b = *help->browser();
    showActive(b);
    QList<QUrl> handedOver;
    b.openExternal = [&](const QUrl& url) {
        handedOver << url;
        return true;
    };
    const auto shows = [&](const char* caption) {
        return QTest::qWaitFor([&] { return b.windowTitle() == QLatin1String(caption); });
    };
    const auto press = [&](QAction* button) {
        QTest::mouseClick(b.tbToolBar->widgetForAction(button), Qt::LeftButton);
    };
    ASSERT_TRUE(shows("Rotaplan Help"));
    EXPECT_FALSE(b.Search->isEnabled());
    followLink(b, QStringLiteral("Getting Started"));
    ASSERT_TRUE(shows("GETTING STARTED"));
    EXPECT_EQ(b.cboAddress->currentText(), folder.file(QStringLiteral("help/Mainhlp.txt")));
    press(b.Back);
    ASSERT_TRUE(shows("Rotaplan Help"));
    press(b.Forward);
    ASSERT_TRUE(shows("GETTING STARTED"));
    press(b.Home);
    ASSERT_TRUE(shows("Rotaplan Help"));

    // A typed help text is opened unless stopped; anything outside the help folder is refused.
    typeInto(b.cboAddress, QStringLiteral("agthlp.txt"));
    QTest::keyClick(b.cboAddress, Qt::Key_Return);
    EXPECT_EQ(b.windowTitle(), QStringLiteral("Working..."));
    press(b.Stop);
    EXPECT_EQ(b.windowTitle(), QStringLiteral("Rotaplan Help"));
    typeInto(b.cboAddress, QStringLiteral("../settings/tune.dat"));
    QTest::keyClick(b.cboAddress, Qt::Key_Return);
    expectMessage(ui.lastMessage(), QStringLiteral("The help page ../settings/tune.dat was not found."),
                  "Rotaplan");

    followLink(b, QStringLiteral("web site"));
    QCoreApplication::processEvents();
    EXPECT_EQ(handedOver, QList<QUrl>{QUrl(QStringLiteral("https://www.rotaplan.example/"))});
    EXPECT_EQ(b.brwWebBrowser->source().fileName(), QStringLiteral("index.html"));
    EXPECT_EQ(ui.messages().size(), 1u);
}

std::string text(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
}

TEST_F(HelpTest, WebHelpOpensCentredOverTheMainWindowAndClosesByEscapeOrItsButton) {
    frmCalendar& main = window();
    showActive(main);
    const QRect area = main.screen()->availableGeometry();
    main.resize(area.size() / 2);
    main.move(area.center() - QRect(QPoint(), main.frameGeometry().size()).center());
    trigger("mnuBrowser");
    frmBrowser& b = *help->browser();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &b; }));
    EXPECT_EQ(b.frameGeometry().center(), main.frameGeometry().center());
    EXPECT_TRUE(area.contains(b.frameGeometry())) << text(b.frameGeometry()) << " outside " << text(area);

    // Escape from the address box, reached by its mnemonic, closes it.
    QTest::keyClick(&b, Qt::Key_A, Qt::AltModifier);
    QWidget* box = QApplication::focusWidget();
    ASSERT_EQ(box, b.cboAddress);
    QTest::keyClicks(box, QStringLiteral("agthlp.txt"));
    QTest::keyClick(box, Qt::Key_Escape);
    EXPECT_FALSE(b.isVisible());

    // Opened again over a main window in the screen's corner, it stays on the screen; Alt+C closes it.
    main.move(area.bottomRight() - QRect(QPoint(), main.frameGeometry().size()).bottomRight());
    trigger("mnuBrowser");
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &b; }));
    EXPECT_TRUE(area.contains(b.frameGeometry())) << text(b.frameGeometry()) << " outside " << text(area);
    auto* close = b.findChild<QPushButton*>(QStringLiteral("cmdClose"));
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), QStringLiteral("&Close"));
    pressMnemonic(b, Qt::Key_C);
    EXPECT_FALSE(b.isVisible());
    EXPECT_TRUE(ui.messages().empty()) << ui.texts().join(QLatin1Char('|'));
}

struct SystemInfoCase {
    const char* name;
    QStringList installed;
    QString started; // the program started, none when the box says there is none
};

class SystemInfoTest : public HelpTest, public ::testing::WithParamInterface<SystemInfoCase> {};

TEST_P(SystemInfoTest, StartsTheFirstToolFoundWithoutArgumentsOrSaysItIsUnavailable) {
    const SystemInfoCase& c = GetParam();
    trigger("mnuAbout");
    auto* about = qobject_cast<frmAbout*>(opened);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), QStringLiteral(" About Rotaplan"));
    EXPECT_EQ(about->lblTitle->text(), QStringLiteral("Rotaplan"));
    EXPECT_EQ(about->lblVersion->text(), QStringLiteral("Version " ROTAPLAN_VERSION));
    EXPECT_FALSE(about->picIcon->pixmap().isNull());
    QStringList started;
    about->findExecutable = [&](const QString& name) {
        return c.installed.contains(name) ? QStringLiteral("/usr/bin/") + name : QString();
    };
    about->startProgram = [&](const QString& path, const QStringList& arguments) {
        started << path << arguments;
        return true;
    };
    pressMnemonic(*about, Qt::Key_S);
    QTest::mouseClick(about->cmdOK, Qt::LeftButton);
    EXPECT_FALSE(about->isVisible());
    EXPECT_EQ(started, c.started.isEmpty() ? QStringList() : QStringList{c.started});
    if (c.started.isEmpty())
        expectMessage(ui.lastMessage(), QStringLiteral("System Information Is Unavailable At This Time"),
                      "Rotaplan", Icon::None, Buttons::Ok);
    else
        EXPECT_TRUE(ui.messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    About, SystemInfoTest,
    ::testing::Values(SystemInfoCase{"NoneInstalled", {}, {}},
                      SystemInfoCase{"BothInstalled", {"kinfocenter", "hardinfo"}, "/usr/bin/hardinfo"},
                      SystemInfoCase{"KInfoCenterOnly", {"kinfocenter"}, "/usr/bin/kinfocenter"}),
    byName);

} // namespace
} // namespace rp::test
