#include "SessionFixture.h"
#include "model/CalendarFiles.h"
#include "workspace/SavedSchedules.h"
#include "workspace/ui/ExampleSetups.h"
#include "workspace/ui/frmComments.h"
#include "workspace/ui/frmExamples.h"
#include "workspace/ui/frmPersonalCalendar.h"

#include <QLabel>
#include <QPlainTextEdit>

using namespace rp;
using namespace rp::test;

TEST_F(SessionTest, StartsOnThePersonalCalendarOfTheLastMonth) {
    folder.write(QStringLiteral("Personal/LastCalendar.txt"), "3\r\n2027\r\n");
    startWith(QStringLiteral("OneOffice"));
    EXPECT_TRUE(session->workspace.state.IsPersonalCalendar);
    EXPECT_EQ(window().lblHeading->text(), QStringLiteral("  Personal Calendar:  3/2027"));
    EXPECT_EQ(window().statusPanel1->text(), window().lblHeading->text());
    EXPECT_EQ(window().lblHeading->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(control().FirstDate(), QDate(2027, 2, 28));
    EXPECT_EQ(control().LastDate(), QDate(2027, 4, 3));
    EXPECT_FALSE(window().cmdDisplaySite->isEnabled());
    EXPECT_FALSE(window().cmdReport->isEnabled());
    EXPECT_TRUE(window().cmdSave->isEnabled());
}

TEST_F(SessionTest, GenerateShowsTheFirstCalendarAndNextSiteStepsThroughThem) {
    startWith(QStringLiteral("TwoOfficeA"));
    click("cmdGenerate");
    ASSERT_EQ(session->program.schedule.CalendarCount, 2);
    EXPECT_FALSE(session->workspace.state.IsPersonalCalendar);
    EXPECT_TRUE(window().cmdDisplaySite->isEnabled());
    EXPECT_TRUE(window().cmdReport->isEnabled());
    const QString first = session->program.schedule.SiteHeading;
    EXPECT_EQ(window().lblHeading->text(), QStringLiteral("  ") + first);
    EXPECT_EQ(window().lblHeading->palette().color(QPalette::WindowText),
              QApplication::palette().color(QPalette::WindowText));
    // Day texts come from the calendar file, one line per slot letter.
    const QString jan4 = control().CellText(QDate(2027, 1, 4));
    EXPECT_TRUE(jan4.startsWith(QStringLiteral("A-"))) << jan4;
    EXPECT_EQ(control().FirstDate(), QDate(2026, 12, 27));

    click("cmdDisplaySite");
    const QString second = session->program.schedule.SiteHeading;
    EXPECT_NE(second, first);
    click("cmdDisplaySite");
    EXPECT_EQ(session->program.schedule.SiteHeading, first) << "after the last calendar comes the first";
}

TEST_F(SessionTest, NextSiteStaysDisabledWithOneCalendar) {
    startWith(QStringLiteral("OneOffice"));
    click("cmdGenerate");
    EXPECT_EQ(session->program.schedule.CalendarCount, 1);
    EXPECT_FALSE(window().cmdDisplaySite->isEnabled());
    EXPECT_TRUE(window().cmdReport->isEnabled());
}

TEST_F(SessionTest, EditingADayShowsTheReportNoteOnceAndKeepsTheText) {
    startWith(QStringLiteral("OneOffice"));
    // An edit of the personal calendar shows no note; Tab ends it and keeps the typed text.
    typeIntoDay(QDate(2027, 1, 5), QStringLiteral("Dentist"));
    QTest::keyClick(control().findChild<QPlainTextEdit*>(QStringLiteral("dayEditor")), Qt::Key_Tab);
    EXPECT_FALSE(control().isEditing());
    EXPECT_EQ(control().CellText(QDate(2027, 1, 5)), QStringLiteral("Dentist"));
    EXPECT_TRUE(ui.messages().empty());

    click("cmdGenerate");
    typeIntoDay(QDate(2027, 1, 6), QStringLiteral("x"));
    typeIntoDay(QDate(2027, 1, 7), QStringLiteral("y"));
    EXPECT_EQ(ui.titles().count(QStringLiteral("Report Also")), 1);
    EXPECT_TRUE(session->workspace.state.EditDay);
    EXPECT_TRUE(control().CellText(QDate(2027, 1, 6)).endsWith(QLatin1Char('x')))
        << "opening the next day's editor keeps the first one's text";
}

TEST_F(SessionTest, EmptyingADayInTheEditorClearsIt) {
    startWith(QStringLiteral("OneOffice"));
    const QDate day(2027, 1, 12);
    control().setCellText(day, QStringLiteral("old"));
    typeIntoDay(day, QString());
    auto* editor = control().findChild<QPlainTextEdit*>(QStringLiteral("dayEditor"));
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(editor, Qt::Key_Delete);
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_EQ(control().CellText(day), QString());
}

// Answers the personal calendar dialog with OK on the month it offers.
const auto loadPersonalMonth = [](QDialog& d) {
    d.show();
    static_cast<frmPersonalCalendar&>(d).cmdLoad->click();
};

// Every way of leaving, saving or switching the calendar keeps a day still being typed.
struct DayEditRoute {
    const char* name;
    std::function<void(SessionTest&, ScriptedUi&)> use;
    friend void PrintTo(const DayEditRoute& r, std::ostream* os) { *os << r.name; }
};

class OpenDayEditTest : public SessionTest, public ::testing::WithParamInterface<DayEditRoute> {};

TEST_P(OpenDayEditTest, TheTypedDayReachesThePersonalFile) {
    startWith(QStringLiteral("OneOffice"));
    showActive(window());
    typeIntoDay(QDate(2027, 1, 20), QStringLiteral("Open house"));
    GetParam().use(*this, ui);
    EXPECT_TRUE(folder.read(QStringLiteral("Personal/12027.txt")).contains("Open house~\r\n"))
        << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Routes, OpenDayEditTest,
    ::testing::Values(DayEditRoute{"frame close button",
                                   [](SessionTest& t, ScriptedUi& ui) {
                                       ui.answer(Answer::No);
                                       ui.answer(Answer::Ok);
                                       t.window().close();
                                   }},
                      DayEditRoute{"Exit by its mnemonic",
                                   [](SessionTest& t, ScriptedUi& ui) {
                                       ui.answer(Answer::No);
                                       ui.answer(Answer::Ok);
                                       pressMnemonic(t.window(), Qt::Key_E);
                                   }},
                      DayEditRoute{"File | Exit",
                                   [](SessionTest& t, ScriptedUi& ui) {
                                       ui.answer(Answer::No);
                                       ui.answer(Answer::Ok);
                                       t.window().mnuExit->trigger();
                                   }},
                      DayEditRoute{"Personal by its mnemonic, then OK",
                                   [](SessionTest& t, ScriptedUi&) {
                                       t.answerDialog = loadPersonalMonth;
                                       pressMnemonic(t.window(), Qt::Key_P);
                                       EXPECT_EQ(t.control().CellText(QDate(2027, 1, 20)),
                                                 QStringLiteral("Open house"));
                                   }},
                      DayEditRoute{"Generate",
                                   [](SessionTest& t, ScriptedUi&) { t.window().cmdGenerate->click(); }},
                      DayEditRoute{"Save", [](SessionTest& t, ScriptedUi&) { t.window().cmdSave->click(); }}),
    byName);

// A month file that cannot be read is reported and never saved over, until the user edits a day of it.
TEST_F(SessionTest, ADamagedPersonalMonthIsReportedAndKeptUntilEdited) {
    const QByteArray damaged = "46385\r\nnot a number\r\n\r\n\r\nBoard meeting~\r\n";
    folder.write(QStringLiteral("Personal/12027.txt"), damaged);
    startWith(QStringLiteral("OneOffice"));
    ASSERT_EQ(ui.messages().size(), 1u);
    expectMessage(ui.messages()[0], "Type mismatch = 13", "frmCalendar.GetSavedSchedulePersonal");

    click("cmdSave");
    click("cmdGenerate");
    EXPECT_EQ(folder.read(QStringLiteral("Personal/12027.txt")), damaged);

    answerDialog = loadPersonalMonth;
    click("cmdPersonal");
    EXPECT_EQ(ui.titles().count(QStringLiteral("frmCalendar.GetSavedSchedulePersonal")), 2);
    typeIntoDay(QDate(2027, 1, 4), QStringLiteral("New plan"));
    click("cmdSave");
    EXPECT_TRUE(folder.read(QStringLiteral("Personal/12027.txt")).contains("New plan~\r\n"));
}

TEST_F(SessionTest, PersonalTextsSurviveAGeneration) {
    folder.write(QStringLiteral("Personal/LastCalendar.txt"), "1\r\n2027\r\n");
    startWith(QStringLiteral("OneOffice"));
    control().setCellText(QDate(2027, 1, 20), QStringLiteral("Open house 2-4"));
    click("cmdGenerate");
    EXPECT_NE(control().CellText(QDate(2027, 1, 20)), QStringLiteral("Open house 2-4"));
    // Choosing the personal calendar again brings the text back.
    answerDialog = [](QDialog& d) {
        auto& dialog = static_cast<frmPersonalCalendar&>(d);
        dialog.show();
        dialog.cboCustomMonth->setEditText(QStringLiteral("1"));
        dialog.cboCustomYear->setEditText(QStringLiteral("2027"));
        dialog.cmdLoad->click();
    };
    click("cmdPersonal");
    EXPECT_EQ(dialogsShown, 1);
    EXPECT_TRUE(session->workspace.state.IsPersonalCalendar);
    EXPECT_EQ(control().CellText(QDate(2027, 1, 20)), QStringLiteral("Open house 2-4"));
    EXPECT_FALSE(window().cmdDisplaySite->isEnabled());
}

TEST_F(SessionTest, PersonalDialogRefusesABadYear) {
    startWith(QStringLiteral("OneOffice"));
    frmPersonalCalendar& dialog = *window().personalDialog();
    dialog.show();
    dialog.cboCustomYear->setEditText(QStringLiteral("27"));
    EXPECT_FALSE(dialog.cboCustomYear_LostFocus());
    ASSERT_EQ(ui.messages().size(), 1u);
    expectMessage(ui.messages()[0], "Please insert a year in this field.", "Numeric Year Required");
    dialog.cboCustomMonth->setEditText(QStringLiteral("13"));
    EXPECT_FALSE(dialog.cboCustomMonth_LostFocus());
    dialog.hide();
}

TEST_F(SessionTest, ExitCancelledKeepsTheWindowButTheCalendarFilesAreGone) {
    startWith(QStringLiteral("OneOffice"));
    click("cmdGenerate");
    ASSERT_TRUE(folder.exists(QStringLiteral("0127.1")));
    ui.answer(Answer::No);     // no backup
    ui.answer(Answer::Cancel); // "Leaving Rotaplan"
    click("cmdExit");
    EXPECT_TRUE(window().cancelClose());
    EXPECT_FALSE(ui.ended());
    EXPECT_TRUE(window().isVisible());
    EXPECT_FALSE(folder.exists(QStringLiteral("0127.1")));
    EXPECT_FALSE(folder.exists(QStringLiteral("0127.1D")));
    expectMessage(ui.lastMessage(),
                  {.text = "Leaving Rotaplan", .title = "Exit", .buttons = Buttons::OkCancel});
}

TEST_F(SessionTest, ExitConfirmedEndsTheProgramAndSavesThePersonalCalendar) {
    folder.write(QStringLiteral("Personal/LastCalendar.txt"), "2\r\n2027\r\n");
    startWith(QStringLiteral("OneOffice"));
    control().setCellText(QDate(2027, 2, 14), QStringLiteral("Valentine"));
    ui.answer(Answer::No);
    ui.answer(Answer::Ok);
    click("cmdExit");
    EXPECT_TRUE(ui.ended());
    EXPECT_TRUE(folder.read(QStringLiteral("Personal/22027.txt")).contains("Valentine~\r\n"));
}

// Every command that replaces an edited generated schedule offers to save it first, as the site's saved
// schedule; No goes on without writing it.
struct LeaveEditedRoute {
    std::string name;
    std::function<void(SessionTest&, ScriptedUi&)> leave; // queues the answers it needs after the save's
};

class LeaveEditedTest : public SessionTest, public ::testing::WithParamInterface<LeaveEditedRoute> {};

TEST_P(LeaveEditedTest, OffersToSaveTheTypedChanges) {
    startWith(QStringLiteral("TwoOfficeA"));
    folder.write(QStringLiteral("Examples/OneOffice.mdb"),
                 readFile(exampleOffice(QStringLiteral("OneOffice"))));
    showActive(window());
    click("cmdGenerate");
    const QString saved =
        QStringLiteral("Saved/%1_CAL_%2.TXT")
            .arg(session->program.schedule.SiteNumberText, CleanName(session->program.schedule.SiteHeading));
    typeIntoDay(QDate(2027, 1, 6), QStringLiteral("swap")); // left open: the command ends it
    ui.answer(Answer::Yes);                                 // "Save changes to current schedule?"
    ui.answer(Answer::Yes);                                 // "Save & replace?"
    GetParam().leave(*this, ui);
    EXPECT_EQ(ui.titles().count(QStringLiteral("Save Schedule?")), 2);
    EXPECT_TRUE(folder.read(saved).contains("swap")) << GetParam().name;
    EXPECT_FALSE(session->workspace.state.EditDay);

    // Answered No, nothing is written and the next command asks nothing more.
    if (!window().cmdGenerate->isEnabled() || session->workspace.state.IsPersonalCalendar)
        return;
    click("cmdGenerate");
    typeIntoDay(QDate(2027, 1, 7), QStringLiteral("kept?"));
    ui.answer(Answer::No);
    click("cmdGenerate");
    expectMessage(ui.lastMessage(), "Current Schedule has NOT been saved", "Not saved", Icon::Information);
    click("cmdGenerate");
    EXPECT_FALSE(folder.read(saved).contains("kept?"));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, LeaveEditedTest,
    ::testing::Values(
        LeaveEditedRoute{"NextSite", [](SessionTest& t, ScriptedUi&) { t.click("cmdDisplaySite"); }},
        LeaveEditedRoute{"Generate", [](SessionTest& t, ScriptedUi&) { t.click("cmdGenerate"); }},
        LeaveEditedRoute{"PersonalByMnemonic",
                         [](SessionTest& t, ScriptedUi&) { pressMnemonic(t.window(), Qt::Key_P); }},
        LeaveEditedRoute{"ExampleOK",
                         [](SessionTest& t, ScriptedUi&) {
                             t.window().mnuExamples->trigger();
                             t.session->examples->window()->cmdOK->click();
                             EXPECT_TRUE(t.session->workspace.state.IsExampleSchedule);
                         }},
        LeaveEditedRoute{"FileExitCancelled",
                         [](SessionTest& t, ScriptedUi& ui) {
                             ui.answer(Answer::No);     // no backup
                             ui.answer(Answer::Cancel); // "Leaving Rotaplan"
                             t.window().mnuExit->trigger();
                             EXPECT_TRUE(t.window().cancelClose());
                         }}),
    byName);

TEST_F(SessionTest, HeadingKindsSetColours) {
    startWith(QStringLiteral("OneOffice"));
    window().ChangeHeading(QStringLiteral("Generating"), QStringLiteral("Generating Schedule(s). . ."));
    EXPECT_TRUE(window().lblHeading->font().italic());
    EXPECT_EQ(window().lblHeading->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    window().ChangeHeading(QStringLiteral("Example"), QStringLiteral("EXAMPLE SITE: North. "));
    EXPECT_FALSE(window().lblHeading->font().italic());
    EXPECT_TRUE(window().cmdSetAsDefault->isVisibleTo(&window()));
    EXPECT_TRUE(window().cmdExitExample->isVisibleTo(&window()));
    window().ChangeHeading(QStringLiteral("Odd"), QStringLiteral("x"));
    ASSERT_FALSE(ui.messages().empty());
    expectMessage(ui.lastMessage(), "Unhandled Case", "frmCalendar.ChangeHeading");
}

TEST_F(SessionTest, SaveOnThePersonalCalendarExplainsAndSaves) {
    folder.write(QStringLiteral("Personal/LastCalendar.txt"), "1\r\n2027\r\n");
    startWith(QStringLiteral("OneOffice"));
    control().setCellText(QDate(2027, 1, 2), QStringLiteral("Call Ann"));
    click("cmdSave");
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].title, QStringLiteral("Saved"));
    EXPECT_TRUE(folder.read(QStringLiteral("Personal/12027.txt")).contains("Call Ann~"));
}

TEST_F(SessionTest, PrintingAGeneratedCalendarCarriesTitleCommentAndDayTexts) {
    ASSERT_FALSE(pdfToTextTool().isEmpty()) << "scripts/setup-deps.sh installs poppler-utils";
    startWith(QStringLiteral("OneOffice"));
    click("cmdGenerate");
    const QString pdf = folder.file(QStringLiteral("print.pdf"));
    window().printCalendar = [&](MonthCalendar& c) { return CalendarPrintResult{c.printToPdf(pdf), pdf}; };
    answerDialog = [](QDialog& d) {
        auto& comments = static_cast<frmComments&>(d);
        comments.show();
        comments.Text1->setPlainText(QStringLiteral("Holiday rota, see Ann for swaps"));
        comments.cmdOK->click();
    };
    ui.answer(Answer::No); // no assignments report
    click("cmdPrint");
    EXPECT_EQ(session->workspace.CommentText, QStringLiteral("Holiday rota, see Ann for swaps"));
    const std::optional<QString> printed = pdfText(pdf);
    ASSERT_TRUE(printed.has_value());
    const QString& text = *printed;
    const QString heading = session->program.schedule.SiteHeading.trimmed();
    EXPECT_TRUE(text.contains(heading)) << text;
    EXPECT_TRUE(text.contains(QStringLiteral("1/2027")));
    EXPECT_TRUE(text.contains(QStringLiteral("Holiday rota, see Ann for swaps")));
    const QString firstRecordInitials = session->program.schedule.AgentInitials.value(0);
    EXPECT_TRUE(text.contains(firstRecordInitials.left(2))) << text;
    EXPECT_FALSE(text.contains(QStringLiteral("www."))) << "no placeholder address in the title";
    EXPECT_EQ(control().PrintDocName(), QStringLiteral("Main Office 2027-01")) << "the file name offered";
    EXPECT_TRUE(ui.texts().contains(QStringLiteral("Saved to ") + pdf)) << ui.texts().join(u'|');
    EXPECT_EQ(ui.lastMessage().title, QStringLiteral("View or Print Agent Report?"));
}

TEST_F(SessionTest, ASecondPrintOffersAnEmptyCommentBox) {
    startWith(QStringLiteral("OneOffice"));
    click("cmdGenerate");
    window().printCalendar = [](MonthCalendar&) { return CalendarPrintResult{}; };
    QString offered = QStringLiteral("unset");
    answerDialog = [&](QDialog& d) {
        auto& comments = static_cast<frmComments&>(d);
        comments.show();
        offered = comments.Text1->toPlainText();
        comments.Text1->setPlainText(QStringLiteral("first"));
        comments.cmdOK->click();
    };
    ui.answer(Answer::No);
    click("cmdPrint");
    window().comments()->hide();
    ui.answer(Answer::No);
    click("cmdPrint");
    EXPECT_EQ(offered, QString());
}
