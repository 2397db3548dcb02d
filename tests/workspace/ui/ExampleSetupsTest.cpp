// The example set-ups: the Examples window, the working copy an example runs on, Exit Example and Use as
// default, driven through the main window.
#include "workspace/ui/ExampleSetups.h"

#include "OfficeData.h"
#include "SessionFixture.h"
#include "backup/TransferErrors.h"
#include "platform/Database.h"
#include "workspace/Examples.h"
#include "workspace/ui/frmExamples.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <cerrno>

using namespace rp;
using namespace rp::test;

namespace {

const QDateTime kWhen(QDate(2008, 10, 22), QTime(14, 5, 9));

// The main window on the two-site office TwoOfficeA, with the shipped examples in the program folder.
class ExampleTest : public SessionTest {
protected:
    void SetUp() override {
        QDir().mkpath(folder.file(QStringLiteral("Examples")));
        for (const ExampleSetup& e : kExampleSetups) {
            const QString name = QLatin1String(e.file).chopped(4);
            ASSERT_TRUE(QFile::copy(exampleOffice(name), shipped(e.file)));
        }
        startWith(QStringLiteral("TwoOfficeA"));
        session->examples->now = [] { return kWhen; };
        office = readFile(officePath());
        officeRecords = officeRowsOf(officePath());
    }
    QString shipped(const char* file) const {
        return folder.file(QStringLiteral("Examples/") + QLatin1String(file));
    }
    QString workingCopy(const char* file) const {
        return folder.file(QStringLiteral("Examples/InUse/") + QLatin1String(file));
    }
    frmExamples& examplesWindow() { return *session->examples->window(); }
    // Opens the Examples window, moves down the list by keys and presses OK.
    void showExample(int entry) {
        window().mnuExamples->trigger();
        frmExamples& w = examplesWindow();
        ASSERT_TRUE(w.isVisible());
        w.cboExample->setFocus();
        for (int i = w.cboExample->currentIndex(); i < entry; ++i)
            QTest::keyClick(w.cboExample, Qt::Key_Down);
        ASSERT_EQ(w.cboExample->currentIndex(), entry);
        EXPECT_EQ(w.Label1->text(), QLatin1String(kExampleSetups[size_t(entry)].description));
        w.cmdOK->click();
        EXPECT_FALSE(w.isVisible());
    }
    void useAsDefault(Answer answer = Answer::Yes) {
        ui.answer(answer);
        click("cmdSetAsDefault");
    }
    bool exampleButtonsShown() {
        return window().cmdSetAsDefault->isVisibleTo(&window()) &&
               window().cmdExitExample->isVisibleTo(&window());
    }
    QStringList backups() const { return QDir(folder.file(QStringLiteral("Backup"))).entryList(QDir::Files); }

    QByteArray office;
    QStringList officeRecords;
};

struct ExampleCase {
    int entry;
    int calendars;
    std::string name;
};

class EachExampleTest : public ExampleTest, public ::testing::WithParamInterface<ExampleCase> {};

} // namespace

// Entry 1 is shown by OK alone, without touching the list.
TEST_P(EachExampleTest, OpensFromTheWindowAndGeneratesItsCalendars) {
    const ExampleCase& c = GetParam();
    showExample(c.entry);
    EXPECT_TRUE(ui.messages().empty()) << ui.texts().join(QLatin1Char('\n'));
    EXPECT_TRUE(session->workspace.state.IsExampleSchedule);
    EXPECT_EQ(session->program.paths.DatabasePath, workingCopy(kExampleSetups[size_t(c.entry)].file));
    EXPECT_EQ(session->program.schedule.CalendarCount, c.calendars);
    EXPECT_TRUE(window().lblHeading->text().startsWith(QStringLiteral("  EXAMPLE SITE: ")));
    EXPECT_TRUE(exampleButtonsShown());
    QCoreApplication::processEvents();
    for (QPushButton* b : {window().cmdSetAsDefault, window().cmdExitExample})
        EXPECT_GE(b->width(), b->fontMetrics().horizontalAdvance(b->text()))
            << "a cut caption: " << b->text();
    EXPECT_FALSE(control().CellText(QDate(2027, 1, 12)).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Examples, EachExampleTest,
                         ::testing::Values(ExampleCase{0, 1, "OneOffice"}, ExampleCase{1, 2, "TwoOfficeA"},
                                           ExampleCase{2, 2, "TwoOfficeB"}, ExampleCase{3, 1, "LinkTeam"},
                                           ExampleCase{4, 2, "LinkSub"}, ExampleCase{5, 2, "LinkSub2"}),
                         byName);

TEST_F(ExampleTest, AMissingOrDamagedExampleFileChangesNothing) {
    ASSERT_TRUE(QFile::remove(shipped("OneOffice.mdb")));
    writeFile(shipped("TwoOfficeA.mdb"), "not a database");
    for (int entry : {0, 1}) {
        ui.clear();
        showExample(entry);
        ASSERT_EQ(ui.messages().size(), 1u);
        expectMessage(
            ui.lastMessage(),
            "Were sorry. This example file was not found.\r\nPlease check the free download section of our "
            "\r\nwebsite to obtain all the latest example files. \r\nUse the Help menu to connect to our "
            "website \r\ndirectly.",
            "Example file not found", Icon::Information);
        EXPECT_FALSE(session->workspace.state.IsExampleSchedule);
        EXPECT_EQ(session->program.paths.DatabasePath, officePath());
        EXPECT_TRUE(session->workspace.state.IsPersonalCalendar);
    }
}

TEST_F(ExampleTest, AnExampleRunsOnAFreshWritableCopyAndTheShippedFileStaysAsItWas) {
    QFile::setPermissions(shipped("OneOffice.mdb"), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const QByteArray shippedBytes = readFile(shipped("OneOffice.mdb"));
    showExample(0);
    EXPECT_EQ(QFile::permissions(session->program.paths.DatabasePath) & 0x0777,
              QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther);
    // What the editors and the month clean-up write goes into the copy.
    Database::open(session->program.paths.DatabasePath)
        ->execute(QStringLiteral("UPDATE Agents SET fdOffAll = ' ' WHERE fdInitial = 'MO'"));
    EXPECT_TRUE(ui.messages().empty()) << ui.texts().join(QLatin1Char('\n'));
    EXPECT_TRUE(readFile(shipped("OneOffice.mdb")) == shippedBytes) << "the shipped example was written";
    showExample(0);
    EXPECT_EQ(rowsOf(session->program.paths.DatabasePath, QStringLiteral("Agents")),
              rowsOf(exampleOffice(QStringLiteral("OneOffice")), QStringLiteral("Agents")));
}

TEST_F(ExampleTest, ExitExampleReturnsToTheOfficeAndThePersonalCalendar) {
    showExample(0);
    ASSERT_TRUE(folder.exists(QStringLiteral("0127.1")));
    click("cmdExitExample");
    const GetSet& state = session->workspace.state;
    EXPECT_TRUE(state.IsPersonalCalendar);
    EXPECT_FALSE(state.IsGeneratedSchedule || state.IsExampleSchedule || state.IsSavedSchedule);
    EXPECT_FALSE(exampleButtonsShown());
    EXPECT_FALSE(window().cmdDisplaySite->isEnabled());
    EXPECT_FALSE(window().cmdReport->isEnabled());
    EXPECT_FALSE(folder.exists(QStringLiteral("0127.1")));
    EXPECT_FALSE(QFileInfo::exists(workingCopy("OneOffice.mdb")));
    EXPECT_EQ(window().lblHeading->text(), QStringLiteral("  Personal Calendar:  1/2027"));

    typeIntoDay(QDate(2027, 1, 20), QStringLiteral("Open house"));
    click("cmdGenerate");
    EXPECT_TRUE(folder.read(QStringLiteral("Personal/12027.txt")).contains("Open house~\r\n"));
    EXPECT_EQ(session->program.schedule.CalendarCount, 2);
    EXPECT_FALSE(window().lblHeading->text().contains(QStringLiteral("EXAMPLE")));
    EXPECT_TRUE(readFile(officePath()) == office) << "the office database changed";
}

TEST_F(ExampleTest, UseAsDefaultKeepsEveryReplacedOfficeUnderItsDatedName) {
    showExample(0);
    useAsDefault(Answer::No);
    ASSERT_EQ(ui.messages().size(), 2u);
    expectMessage(
        ui.messages()[0],
        "Only one default site set-up (Agent & Site information) may be saved at one time. \r\n\r\nWhen "
        "you save this example site set-up, it will replace the current Agent and Site Information.\r\n\r\n"
        "Do you want to replace the current set up with the example set up?",
        "Overwrite existing Site & Agent data?", Icon::Question, Buttons::YesNo);
    expectMessage(ui.messages()[1], "Existing default Agent and Site information is still in use",
                  "Not saved", Icon::Information);
    EXPECT_TRUE(session->workspace.state.IsExampleSchedule);

    Database::open(session->program.paths.DatabasePath)
        ->execute(QStringLiteral("UPDATE Agents SET fdName = 'Edited Name' WHERE fdInitial = 'MO'"));
    useAsDefault();
    expectMessage(
        ui.lastMessage(),
        "The example site and agent information you selected has been copied  \r\nover to be used as your "
        "default schedule.\r\n\r\nSelect the 'Sites' and 'Agents' Buttons to edit your new default set-up. ",
        "Success", Icon::Information);
    EXPECT_EQ(backups(), QStringList{QStringLiteral("Floor_221008140509.mdb")});
    EXPECT_EQ(officeRowsOf(folder.file(QStringLiteral("Backup/Floor_221008140509.mdb"))), officeRecords);
    EXPECT_TRUE(
        rowsOf(officePath(), QStringLiteral("Agents")).first().startsWith(QStringLiteral("Edited Name|MO|")));
    EXPECT_EQ(session->program.paths.DatabasePath, officePath());
    EXPECT_FALSE(session->workspace.state.IsExampleSchedule);
    EXPECT_TRUE(session->workspace.state.IsPersonalCalendar);
    EXPECT_FALSE(exampleButtonsShown());

    // A second use in the same second keeps the first backup.
    const QStringList first = officeRowsOf(officePath());
    showExample(1);
    useAsDefault();
    EXPECT_EQ(backups(), (QStringList{QStringLiteral("Floor_221008140509.mdb"),
                                      QStringLiteral("Floor_221008140509_2.mdb")}));
    EXPECT_EQ(officeRowsOf(folder.file(QStringLiteral("Backup/Floor_221008140509.mdb"))), officeRecords);
    EXPECT_EQ(officeRowsOf(folder.file(QStringLiteral("Backup/Floor_221008140509_2.mdb"))), first);
}

struct FailedDefault {
    std::string name;
    const char* failingTarget; // the copy that fails ("Backup/" for the safety copy), with this errno
    int error;
    const char* text; // the message, %1 standing for the program folder
    friend void PrintTo(const FailedDefault& c, std::ostream* os) { *os << c.name; }
};

class FailedDefaultTest : public ExampleTest, public ::testing::WithParamInterface<FailedDefault> {};

// Every failure of Use as default names the file that failed and stays in the example: the office
// database, the Backup folder and the shipped examples are as they were, and the program goes on.
TEST_P(FailedDefaultTest, StaysInTheExampleAndChangesNothing) {
    const FailedDefault& c = GetParam();
    const QByteArray shippedFile = readFile(shipped("OneOffice.mdb"));
    const QStringList backupsBefore = backups();
    showExample(0);
    const QString failing = folder.file(QLatin1String(c.failingTarget));
    if (c.error == 0)
        QFile::setPermissions(officePath(), QFile::ReadOwner | QFile::ReadUser);
    const CopyRoutines real;
    session->examples->copies.database = [&](const QString& source, const QString& target) {
        if (c.error != 0 && target.startsWith(failing))
            throw systemError(c.error);
        return real.database(source, target);
    };
    useAsDefault();
    expectMessage(ui.lastMessage(), QString::fromLatin1(c.text).arg(folder.path()), "Example Default",
                  Icon::Critical);
    EXPECT_FALSE(ui.ended());
    EXPECT_TRUE(readFile(officePath()) == office) << "the office database changed";
    EXPECT_EQ(backups(), backupsBefore);
    EXPECT_TRUE(readFile(shipped("OneOffice.mdb")) == shippedFile);
    EXPECT_TRUE(session->workspace.state.IsExampleSchedule);
    EXPECT_TRUE(exampleButtonsShown());
    EXPECT_EQ(session->program.paths.DatabasePath, workingCopy("OneOffice.mdb"));

    click("cmdExitExample"); // the program still answers, and leaves the example whole
    EXPECT_EQ(session->program.paths.DatabasePath, officePath());
    EXPECT_FALSE(QFileInfo::exists(workingCopy("OneOffice.mdb")));
}

INSTANTIATE_TEST_SUITE_P(
    Failures, FailedDefaultTest,
    ::testing::Values(
        FailedDefault{"BackupDenied", "Backup/", EACCES,
                      "The safety copy of the office could not be written to %1/Backup: Permission "
                      "denied. The office was not replaced."},
        FailedDefault{"DiskFull", "floor.mdb", ENOSPC,
                      "The example could not be copied over the office database %1/floor.mdb: No "
                      "space left on device. The office was not replaced."},
        FailedDefault{"OfficeReadOnly", "floor.mdb", 0,
                      "The example could not be copied over the office database %1/floor.mdb: "
                      "Permission denied. The office was not replaced."}),
    byName);

TEST_F(ExampleTest, HelpShowsTheExamplesTextAndCancelClosesTheWindow) {
    QString shown;
    session->program.showHelp = [&](const QString& path) { shown = path; };
    window().mnuExamples->trigger();
    frmExamples& w = examplesWindow();
    showActive(w);
    w.cmdHelp->click();
    EXPECT_EQ(shown, folder.file(QStringLiteral("help/Examphlp.txt")));
    pressMnemonic(w, Qt::Key_C);
    EXPECT_FALSE(w.isVisible());
    EXPECT_FALSE(session->workspace.state.IsExampleSchedule);
}
