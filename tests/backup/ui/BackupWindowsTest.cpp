// Export and import through the main window's File menu and the drive chooser, driven as a user does.
#include "backup/ui/BackupWindows.h"

#include "EditorFixture.h"
#include "backup/TransferErrors.h"
#include "backup/ui/frmDrive.h"
#include "model/CalendarFiles.h"
#include "reports/ui/ReportWindows.h"
#include "reports/ui/rptmenu.h"
#include "workspace/ui/ExampleSetups.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <cerrno>
#include <deque>

using namespace rp;
using namespace rp::test;

namespace {

// Clicks a row of the drive list.
void clickRow(frmDrive& d, int row) {
    QListWidget* list = d.Drive1;
    ASSERT_LT(row, list->count());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

void chooseRow(frmDrive& d, int row) {
    clickRow(d, row);
    ASSERT_TRUE(d.OKButton->isEnabled());
    d.OKButton->click();
}

// The main window of an office with the editors and the transfers attached. The chooser lists a folder
// of the test as its one volume; each showing is answered by the next queued answer.
class BackupTest : public EditorTest {
protected:
    void start() {
        ASSERT_NO_FATAL_FAILURE(open(QStringLiteral("OneOffice")));
        backup = attachBackupWindows(*session);
        frmDrive& d = *backup->chooser();
        d.volumes = [this] {
            return QList<Volume>{{stick.path(), label, QStringLiteral("vfat")}} + otherVolumes;
        };
        d.homeFolder = home.path();
        answerDialog = [this](QDialog& dialog) {
            auto* chooser = qobject_cast<frmDrive*>(&dialog);
            if (!chooser)
                return;
            ASSERT_FALSE(answers.empty()) << "the chooser was shown once more than expected";
            const auto answer = std::move(answers.front());
            answers.pop_front();
            answer(*chooser);
        };
    }
    QString onStick() const { return stick.path() + QStringLiteral("/RPBackup/floor.mdb"); }

    BackupWindows* backup = nullptr;
    QTemporaryDir stick;
    QTemporaryDir home;
    QString label = QStringLiteral("BACKUP");
    QList<Volume> otherVolumes;
    std::deque<std::function<void(frmDrive&)>> answers;
};

} // namespace

TEST_F(BackupTest, ExportGoesToTheChosenVolumeWhoseLabelShowsAsPlainText) {
    label = QStringLiteral("Ann's \"stick\" <b>2</b>");
    otherVolumes = {
        {QStringLiteral("/media/cd"), QStringLiteral("CD"), QStringLiteral("iso9660"), true, true, true}};
    start();
    answers.push_back([&](frmDrive& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Export To Drive"));
        EXPECT_TRUE(d.Label1->isVisible());
        EXPECT_TRUE(d.Label1->text().contains(QStringLiteral("e.g. '/media/"))) << d.Label1->text();
        ASSERT_EQ(d.Drive1->count(), 4);
        EXPECT_EQ(d.Drive1->item(0)->text(), QStringLiteral("/media/cd  [CD]  (read-only)"));
        EXPECT_EQ(d.Drive1->item(1)->text(), stick.path() + QStringLiteral("  [Ann's \"stick\" <b>2</b>]"));
        EXPECT_EQ(d.Drive1->item(2)->text(), home.path() + QStringLiteral("  (home folder)"));
        EXPECT_EQ(d.Drive1->item(3)->text(), QStringLiteral("Other folder..."));
        EXPECT_EQ(d.Drive1->currentRow(), 2) << "a read-only medium was chosen for an export";
        chooseRow(d, 1);
    });
    window().mnuExport->trigger();
    expectMessage(ui.lastMessage(), QStringLiteral("Successful Export to ") + onStick(), "Success ");
    EXPECT_EQ(rowsOf(onStick(), QStringLiteral("Agents")), rows(QStringLiteral("Agents")));
    EXPECT_TRUE(answers.empty());
    EXPECT_FALSE(ui.busy());
}

TEST_F(BackupTest, AFailedExportBringsTheChooserBackWhoseFrameButtonCancels) {
    start();
    backup->copies.database = [](const QString&, const QString&) -> PendingCopy {
        throw systemError(ENOSPC);
    };
    backup->chooser()->chooseFolder = [] { return QString(); };
    answers.push_back([](frmDrive& d) { chooseRow(d, 0); });
    answers.push_back([](frmDrive& d) {
        // "Other folder..." whose folder dialog is cancelled leaves nothing chosen.
        chooseRow(d, 2);
        EXPECT_TRUE(d.isVisible());
        EXPECT_FALSE(d.OKButton->isEnabled());
        d.close();
    });
    window().mnuExport->trigger();
    EXPECT_TRUE(answers.empty());
    ASSERT_EQ(ui.messages().size(), 1u);
    expectMessage(ui.lastMessage(), "Disk Full", "Disk Error", Icon::Warning);
    EXPECT_FALSE(QFileInfo::exists(onStick()));
}

TEST_F(BackupTest, ImportLeavesTheExampleAndReopensTheEditorsOnTheImportedOffice) {
    start();
    const QByteArray original = readFile(officePath());
    QDir().mkpath(folder.file(QStringLiteral("Examples")));
    ASSERT_TRUE(QFile::copy(exampleOffice(QStringLiteral("TwoOfficeB")),
                            folder.file(QStringLiteral("Examples/TwoOfficeB.mdb"))));
    QDir().mkpath(stick.path() + QStringLiteral("/RPBackup"));
    ASSERT_TRUE(QFile::copy(exampleOffice(QStringLiteral("TwoOfficeA")), onStick()));
    session->examples->showExample(2);
    ASSERT_TRUE(session->workspace.state.IsExampleSchedule);
    agents(); // the editor holds the example's database open
    const QPointer<rptmenu> report = attachReportWindows(*session)->databaseReport();
    const auto closeEditors = session->controller->windows.closeEditors;
    QByteArray officeAtClose;
    session->controller->windows.closeEditors = [&, closeEditors] {
        if (officeAtClose.isEmpty()) // the first closing; leaving the example closes them once more
            officeAtClose = readFile(officePath());
        closeEditors();
    };

    answers.push_back([&](frmDrive& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Import From Drive"));
        EXPECT_FALSE(d.Label1->isVisible());
        chooseRow(d, 1); // the home folder, which holds no backup
    });
    answers.push_back([](frmDrive& d) { chooseRow(d, 0); });
    window().mnuImport->trigger();

    EXPECT_TRUE(answers.empty());
    ASSERT_EQ(ui.messages().size(), 2u);
    expectMessage(ui.messages()[0],
                  QStringLiteral("Cannot find ") + home.path() + QStringLiteral("/RPBackup/floor.mdb"),
                  "No 'floor' found to import", Icon::Information);
    expectMessage(ui.messages()[1], "Successful Import.", "File: floor.mdb");
    EXPECT_FALSE(session->workspace.state.IsExampleSchedule);
    EXPECT_TRUE(session->workspace.state.IsPersonalCalendar);
    EXPECT_EQ(session->program.paths.DatabasePath, officePath());
    EXPECT_TRUE(officeAtClose == original) << "the editors closed after the office was replaced";
    EXPECT_EQ(editors->agents(), nullptr);
    EXPECT_TRUE(report.isNull()) << "the report windows read the replaced office";
    EXPECT_EQ(rows(QStringLiteral("Agents")),
              rowsOf(exampleOffice(QStringLiteral("TwoOfficeA")), QStringLiteral("Agents")));
    EXPECT_EQ(folder.files().filter(QStringLiteral("0127.")), QStringList());
    EXPECT_EQ(agents().txtName->text(), QStringLiteral("Angela Brooks"));
}

// An import cancelled in the chooser, or refused, keeps the example shown with its working copy.
TEST_F(BackupTest, ACancelledImportStaysInTheExample) {
    start();
    QDir().mkpath(folder.file(QStringLiteral("Examples")));
    ASSERT_TRUE(QFile::copy(exampleOffice(QStringLiteral("TwoOfficeB")),
                            folder.file(QStringLiteral("Examples/TwoOfficeB.mdb"))));
    session->examples->showExample(2);
    const QString example = session->program.paths.DatabasePath;
    const QString heading = window().lblHeading->text();
    ui.clear();
    answers.push_back([](frmDrive& d) { chooseRow(d, 0); }); // the stick, which holds no backup
    answers.push_back([](frmDrive& d) { d.close(); });
    window().mnuImport->trigger();
    EXPECT_TRUE(answers.empty());
    EXPECT_EQ(ui.titles(), QStringList{QStringLiteral("No 'floor' found to import")});
    EXPECT_TRUE(session->workspace.state.IsExampleSchedule);
    EXPECT_EQ(session->program.paths.DatabasePath, example);
    EXPECT_TRUE(QFileInfo::exists(example));
    EXPECT_EQ(window().lblHeading->text(), heading);
    EXPECT_TRUE(window().cmdExitExample->isVisibleTo(&window()));
}

TEST_F(BackupTest, TheChooserIsWorkedByKeysAndEscapeCancelsIt) {
    start();
    const QString chosen = home.path() + QStringLiteral("/chosen");
    QDir().mkpath(chosen);
    int folderDialogs = 0;
    backup->chooser()->chooseFolder = [&] {
        ++folderDialogs;
        return chosen;
    };
    answers.push_back([](frmDrive& d) {
        EXPECT_EQ(d.focusWidget(), d.Drive1);
        QTest::keyClick(d.Drive1, Qt::Key_Escape);
        EXPECT_FALSE(d.isVisible());
    });
    window().mnuExport->trigger();
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_FALSE(QFileInfo::exists(onStick()));

    // Enter on "Other folder..." asks for the folder once and exports there.
    answers.push_back([](frmDrive& d) {
        QTest::keyClick(d.Drive1, Qt::Key_End);
        QTest::keyClick(d.Drive1, Qt::Key_Return);
    });
    window().mnuExport->trigger();
    EXPECT_TRUE(answers.empty());
    EXPECT_EQ(folderDialogs, 1);
    expectMessage(ui.lastMessage(),
                  QStringLiteral("Successful Export to ") + chosen + QStringLiteral("/RPBackup/floor.mdb"),
                  "Success ");
}

TEST_F(BackupTest, EnterBacksUpToTheHomeFolderWhenNoRemovableMediumIsMounted) {
    // The test's volume is a fixed disk here, listed with the system disk.
    otherVolumes = {{QStringLiteral("/"), QString(), QStringLiteral("ext4")}};
    start();
    answers.push_back([](frmDrive& d) {
        EXPECT_EQ(d.focusWidget(), d.Drive1);
        QTest::keyClick(d.Drive1, Qt::Key_Return);
    });
    window().mnuExport->trigger();
    EXPECT_TRUE(answers.empty());
    expectMessage(ui.lastMessage(),
                  QStringLiteral("Successful Export to ") + home.path() +
                      QStringLiteral("/RPBackup/floor.mdb"),
                  "Success ");
    EXPECT_FALSE(QFileInfo::exists(onStick()));
}

TEST_F(BackupTest, YesToTheBackupQuestionAtExitExports) {
    start();
    ui.answer(Answer::Yes);    // Backup?
    ui.answer(Answer::Cancel); // Leaving Rotaplan
    answers.push_back([](frmDrive& d) { chooseRow(d, 0); });
    click("cmdExit");
    EXPECT_TRUE(answers.empty());
    EXPECT_EQ(ui.titles(),
              (QStringList{QStringLiteral("Backup?"), QStringLiteral("Success "), QStringLiteral("Exit")}));
    EXPECT_EQ(rowsOf(onStick(), QStringLiteral("Agents")), rows(QStringLiteral("Agents")));
}
