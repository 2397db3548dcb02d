// The report windows driven through the main window: the agent and site reports of the office database
// and the assignments-by-agent report of the shown site, shown, edited, printed and closed.
#include "reports/ui/ReportWindows.h"

#include "RecordingPrinter.h"
#include "SessionFixture.h"
#include "check/CheckReport.h"
#include "check/ScheduleCheck.h"
#include "platform/Database.h"
#include "platform/ErrorReport.h"
#include "platform/qt/QtReportPrinter.h"
#include "reports/AssignmentsReport.h"
#include "reports/ui/CheckPage.h"
#include "reports/ui/frmReport.h"
#include "reports/ui/rptmenu.h"
#include "workspace/ui/frmComments.h"

#include <QAction>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScatterSeries>
#include <QTabWidget>

using namespace rp;
using namespace rp::test;

namespace {

QString boxText(QDialog& d) {
    return d.findChild<QPlainTextEdit*>(QStringLiteral("txtReport"))->toPlainText();
}

void typeAtEnd(QDialog& d, const QString& text) {
    auto* box = d.findChild<QPlainTextEdit*>(QStringLiteral("txtReport"));
    box->moveCursor(QTextCursor::End);
    QTest::keyClicks(box, text);
}

void clickButton(QDialog& d, const char* name) {
    QTest::mouseClick(d.findChild<QPushButton*>(QLatin1String(name)), Qt::LeftButton);
}

} // namespace

// The main window of an example office with the report windows attached; a report window opened through
// it is shown with the keyboard, and the test drives it after the command returns.
class ReportTest : public SessionTest {
protected:
    void open() {
        startWith(QStringLiteral("OneOffice"));
        reports = attachReportWindows(*session);
    }
    void showDialog(QDialog& d) override { showActive(d); }
    rptmenu& databaseReport() { return *reports->databaseReport(); }
    frmReport& assignments() { return *reports->assignments(); }
    // The window's printer records into `printed`, failing from call failFrom.
    void recordPrints(OpenPrinter& open, int failFrom = 0) {
        open = [this, failFrom] { return std::make_unique<RecordingPrinter>(printed, failFrom); };
    }

    ReportWindows* reports = nullptr;
    Printout printed;
};

TEST_F(ReportTest, AgentAndSiteReportsShowTheOfficeAndPrintTheBlocksRead) {
    open();
    const struct {
        QAction* command;
        const char* start;     // the heading and the first line of the first block
        const char* blockLine; // a line that each block has once
        int blocks;
        const char* printedHeading;
        std::function<void(QDialog&)> leave;
    } cases[] = {{window().mnuPrintAgt,
                  "AGENT REPORT. ROTAPLAN.\n\nMargaret Olsen / MO. SITES ON: 1. MAX TIMES: \n",
                  "MANUAL (on only): ", 12, "ROTAPLAN REPORT. Agent Report.",
                  [](QDialog& d) { clickButton(d, "cmdRptReturn"); }},
                 {window().mnuPrintSite, "SITE REPORT. ROTAPLAN.\n\nMain Office.  LINK (if any):      \n",
                  "SUN:    1   1   1", 1, "ROTAPLAN REPORT. Sites Report.", [](QDialog& d) { d.close(); }}};
    for (const auto& c : cases) {
        c.command->trigger();
        rptmenu& d = databaseReport();
        ASSERT_TRUE(d.isVisible());
        EXPECT_EQ(d.windowTitle(), QStringLiteral("REPORT"));
        EXPECT_TRUE(boxText(d).startsWith(QLatin1String(c.start))) << boxText(d);
        EXPECT_EQ(boxText(d).count(QLatin1String(c.blockLine)), c.blocks);
        // What is typed in the box is not printed; the message comes once the pages are done.
        typeAtEnd(d, QStringLiteral("Typed only on screen"));
        printed = {};
        recordPrints(d.openPrinter);
        clickButton(d, "cmdRptPrint");
        ASSERT_EQ(ui.messages().size(), 1u);
        expectMessage(ui.lastMessage(), "Your report has been sent to the printer", "Printing",
                      Icon::Information);
        EXPECT_EQ(printed.calls.mid(1, 2),
                  (QStringList{QStringLiteral("<bold>"), QLatin1String(c.printedHeading)}));
        EXPECT_EQ(printed.calls.filter(QLatin1String(c.blockLine)).size(), c.blocks);
        EXPECT_TRUE(printed.calls.filter(QStringLiteral("Typed")).isEmpty());
        EXPECT_EQ(printed.calls.last(), QStringLiteral("<end>"));
        EXPECT_FALSE(ui.busy());
        c.leave(d);
        EXPECT_FALSE(d.isVisible());
        ui.clear();
    }
}

TEST_F(ReportTest, TheReportsWindowBuildsOnceForEachOpeningAndBadOfficesChangeNothing) {
    open();
    window().mnuPrintAgt->trigger();
    const QString agents = boxText(databaseReport());
    Database::open(officePath())->execute(QStringLiteral("DELETE FROM Sites;"));
    // Coming back to the window is no new opening: nothing is read, nothing is said.
    databaseReport().hide();
    showActive(window());
    showActive(databaseReport());
    EXPECT_EQ(boxText(databaseReport()), agents);
    QTest::keyClick(&databaseReport(), Qt::Key_Escape);
    EXPECT_TRUE(ui.messages().empty());

    // An office without sites: the message, and no agent report left behind.
    const QByteArray office = folder.read(QStringLiteral("floor.mdb"));
    window().mnuPrintSite->trigger();
    ASSERT_EQ(ui.messages().size(), 1u);
    expectMessage(ui.lastMessage(), "Error: No current record.. #3021.", "rptMenu", Icon::Critical);
    EXPECT_FALSE(databaseReport().isVisible());
    EXPECT_EQ(boxText(databaseReport()), QString());

    ASSERT_TRUE(QFile::setPermissions(officePath(), QFile::ReadOwner | QFile::ReadUser));
    window().mnuPrintAgt->trigger();
    ASSERT_EQ(ui.messages().size(), 2u);
    expectMessage(ui.lastMessage(), DatabaseAccessMessageText(officePath()), kDatabaseAccessTitle,
                  Icon::Critical);
    EXPECT_TRUE(ui.ended());
    EXPECT_FALSE(databaseReport().isVisible());
    EXPECT_EQ(folder.read(QStringLiteral("floor.mdb")), office);
    EXPECT_FALSE(ui.busy());
}

TEST_F(ReportTest, TheReportButtonBuildsTheReportAndAnEditLastsUntilTheNextGeneration) {
    open();
    click("cmdGenerate");
    click("cmdReport");
    frmReport& d = assignments();
    ASSERT_TRUE(d.isVisible());
    EXPECT_EQ(d.windowTitle(), QStringLiteral("REPORT OF ASSIGNMENTS BY AGENT"));
    EXPECT_EQ(d.Label1->text(),
              QStringLiteral("If you've edited the screen calendar,  you must also edit this report."));
    const ScheduleState& s = session->program.schedule;
    const QString built = BuildAssignmentsReport(s.AgentInitials, s.AgentNames, s.AgentSummary);
    const QString shown = QString(built).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(boxText(d), shown);
    EXPECT_EQ(built.count(QStringLiteral(" - ")), 12);

    typeAtEnd(d, QStringLiteral("Swap: Ann <-> \"Bo\""));
    clickButton(d, "cmdRptReturn");
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(session->workspace.ReportText, built + QStringLiteral("Swap: Ann <-> \"Bo\""));
    EXPECT_EQ(boxText(d), QString());
    // Reopened by the menu and left by the frame's close button, the edit stays.
    window().mnuSchedReport->trigger();
    EXPECT_EQ(boxText(d), shown + QStringLiteral("Swap: Ann <-> \"Bo\""));
    d.close();
    EXPECT_EQ(session->workspace.ReportText, built + QStringLiteral("Swap: Ann <-> \"Bo\""));

    click("cmdGenerate");
    click("cmdReport");
    EXPECT_FALSE(boxText(d).contains(QStringLiteral("Swap")));
    EXPECT_EQ(boxText(d).count(QStringLiteral(" - ")), 12);
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(ReportTest, PrintingTheCalendarOffersTheReportAndASavedScheduleShowsItsStoredReport) {
    open();
    click("cmdGenerate");
    session->workspace.state.IsSavedSchedule = true;
    session->workspace.ReportText = QStringLiteral("Stored report\r\n\r\n");
    window().printCalendar = [](MonthCalendar&) { return CalendarPrintResult{true, {}}; };
    answerDialog = [](QDialog& d) {
        if (auto* comments = qobject_cast<frmComments*>(&d))
            comments->cmdOK->click();
    };
    ui.answer(Answer::Yes);
    click("cmdPrint");
    expectMessage(ui.lastMessage(), {.title = "View or Print Agent Report?"});
    ASSERT_TRUE(assignments().isVisible());
    EXPECT_EQ(boxText(assignments()), QStringLiteral("Stored report\n\n"));
    clickButton(assignments(), "cmdRptReturn");
    EXPECT_EQ(session->workspace.ReportText, QStringLiteral("Stored report\r\n\r\n"));
    EXPECT_EQ(boxText(assignments()), QStringLiteral("Stored report\n\n")); // a saved schedule keeps its box
}

TEST_F(ReportTest, ACancelledPrintSaysNothingAndAFailedOneSaysWhy) {
    open();
    click("cmdGenerate");
    const struct {
        std::function<void()> show;
        QDialog* window;
        OpenPrinter* printer;
        int failFrom; // a call of the body, after the heading
        ExpectedMessage failed;
    } cases[] = {{[this] { window().mnuPrintSite->trigger(); },
                  &databaseReport(),
                  &databaseReport().openPrinter,
                  9,
                  {"ErrorPrinter error", "Report Menu", Icon::None, Buttons::Ok}},
                 {[this] { click("cmdReport"); },
                  &assignments(),
                  &assignments().openPrinter,
                  12,
                  {"Error: Printer error. #482.", "frmReport.cmdRptPrint", Icon::Critical}}};
    for (const auto& c : cases) {
        c.show();
        *c.printer = [] { return nullptr; };
        clickButton(*c.window, "cmdRptPrint");
        EXPECT_TRUE(ui.messages().empty());
        recordPrints(*c.printer, c.failFrom);
        clickButton(*c.window, "cmdRptPrint");
        ASSERT_EQ(ui.messages().size(), 1u) << ui.texts().join(QLatin1Char('\n'));
        expectMessage(ui.lastMessage(), c.failed);
        EXPECT_FALSE(printed.calls.contains(QStringLiteral("<end>")));
        EXPECT_FALSE(ui.busy());
        c.window->close();
        ui.clear();
    }
}

TEST_F(ReportTest, EachReportPrintsToPdf) {
    ASSERT_FALSE(pdfToTextTool().isEmpty()) << "scripts/setup-deps.sh installs poppler-utils";
    open();
    const QString agentsPdf = folder.file(QStringLiteral("agents.pdf"));
    window().mnuPrintAgt->trigger();
    databaseReport().openPrinter = [&] { return QtReportPrinter::toPdf(agentsPdf); };
    clickButton(databaseReport(), "cmdRptPrint");
    clickButton(databaseReport(), "cmdRptReturn");

    click("cmdGenerate");
    click("cmdReport");
    typeAtEnd(assignments(), QStringLiteral("Call O'Brien"));
    const QString assignmentsPdf = folder.file(QStringLiteral("assignments.pdf"));
    assignments().openPrinter = [&] { return QtReportPrinter::toPdf(assignmentsPdf); };
    clickButton(assignments(), "cmdRptPrint");
    EXPECT_EQ(ui.texts(), (QStringList{QStringLiteral("Saved to ") + agentsPdf,
                                       QStringLiteral("Saved to ") + assignmentsPdf}));

    const QString agents = pdfText(agentsPdf).value_or(QString());
    EXPECT_TRUE(agents.contains(QStringLiteral("ROTAPLAN REPORT. Agent Report."))) << agents;
    EXPECT_TRUE(agents.contains(QStringLiteral("David Chen / DC. SITES ON: 1. MAX TIMES:")));
    const QString text = pdfText(assignmentsPdf).value_or(QString());
    const ScheduleState& s = session->program.schedule;
    EXPECT_TRUE(text.contains(QStringLiteral("ROTAPLAN REPORT. 1/2027"))) << text;
    EXPECT_TRUE(text.contains(s.SiteHeading.trimmed()));
    EXPECT_TRUE(text.contains(s.AgentNames[0].trimmed()));
    EXPECT_TRUE(text.contains(QStringLiteral("Call O'Brien")));
}

TEST_F(ReportTest, TheCheckPageShowsTheFiguresTheChartAndWhoCouldTakeEachGap) {
    open();
    // Strict rules leave slots open.
    TuneSettings rules;
    rules.onceDay = 1;
    rules.onceWeek = 1;
    rules.daysAfter = 2;
    WriteTuneFile(session->program.paths.TuneFilePath, rules);
    WriteAutoTune(folder.path(), QStringLiteral("0"));
    click("cmdGenerate");
    const ScheduleCheckRun run = CheckSchedule(session->program);
    ASSERT_TRUE(run.check) << run.problem.toStdString();
    const ScheduleCheck& c = *run.check;
    ASSERT_GT(c.unfilled, 0);

    click("cmdReport");
    frmReport& d = assignments();
    auto* tabs = d.findChild<QTabWidget*>(QStringLiteral("tabReport"));
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->currentWidget(), d.txtReport) << "each opening starts on the report";
    QTest::keyClick(&d, Qt::Key_K, Qt::AltModifier);
    ASSERT_EQ(tabs->currentWidget(), d.pageCheck);
    EXPECT_EQ(d.pageCheck->txtCheck->toPlainText(), ScheduleCheckText(c));

    QChart* chart = d.findChild<QChartView*>(QStringLiteral("chartDuties"))->chart();
    ASSERT_EQ(chart->series().size(), 2);
    auto* bars = qobject_cast<QBarSeries*>(chart->series()[0]);
    ASSERT_NE(bars, nullptr);
    QBarSet* duties = bars->barSets().value(0);
    ASSERT_NE(duties, nullptr);
    ASSERT_EQ(duties->count(), int(c.agents.size()));
    int marked = 0;
    for (size_t i = 0; i < c.agents.size(); ++i) {
        EXPECT_EQ(duties->at(int(i)), c.agents[i].duties) << c.agents[i].initials.toStdString();
        marked += c.agents[i].maximum < 310;
    }
    auto* maxima = qobject_cast<QScatterSeries*>(chart->series()[1]);
    ASSERT_NE(maxima, nullptr);
    EXPECT_EQ(maxima->count(), marked);

    auto* gaps = d.findChild<QListWidget*>(QStringLiteral("lstGaps"));
    ASSERT_EQ(gaps->count(), c.unfilled);
    EXPECT_TRUE(gaps->item(0)->text().startsWith(CheckDateText(c.gaps[0].date)))
        << gaps->item(0)->text().toStdString();
    clickButton(d, "cmdRptReturn");

    // A saved schedule has no check of its own.
    session->workspace.state.IsSavedSchedule = true;
    click("cmdReport");
    EXPECT_TRUE(d.pageCheck->txtCheck->toPlainText().contains(QStringLiteral("saved")))
        << "why there is no check";
    EXPECT_EQ(d.pageCheck->lstGaps->count(), 0);
    clickButton(d, "cmdRptReturn");
    EXPECT_TRUE(ui.messages().empty());
}
