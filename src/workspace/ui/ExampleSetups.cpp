#include "workspace/ui/ExampleSetups.h"

#include "model/CalendarFiles.h"
#include "platform/ErrorReport.h"
#include "platform/Ui.h"
#include "workspace/Examples.h"
#include "workspace/ui/DesktopSession.h"
#include "workspace/ui/frmCalendar.h"
#include "workspace/ui/frmExamples.h"
#include "workspace/ui/menunew.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <optional>

namespace rp {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

ExampleSetups::ExampleSetups(DesktopSession& session) : QObject(session.calendar.get()), session_(session) {
    setObjectName(QStringLiteral("ExampleSetups"));
}

frmExamples* ExampleSetups::window() {
    if (!window_) {
        window_ = new frmExamples(session_.calendar.get());
        window_->showExample = [this](int entry) { showExample(entry); };
        window_->help = [this] { session_.program.openHelp(QStringLiteral("Examphlp.txt")); };
    }
    return window_;
}

void ExampleSetups::openExamples() {
    frmExamples& w = *window();
    w.show();
    w.raise();
    w.activateWindow();
}

void ExampleSetups::showExample(int entry) {
    Program& program = session_.program;
    Ui& ui = program.ui;
    const ExampleSetup& example = kExampleSetups.at(size_t(entry));
    std::optional<QString> copy;
    if (QFileInfo(ExampleFilePath(program.paths.AppFolder, example)).isFile()) {
        // The editors may hold the copy of the example shown before.
        session_.controller->windows.closeOfficeWindows();
        try {
            copy = MakeExampleCopy(program.paths.AppFolder, example, copies);
        } catch (const Error& e) {
            ui.message(ErrorReportText(e), QStringLiteral("frmExamples.cmdOK"), Icon::Critical);
            return;
        }
    }
    if (!copy) {
        ui.message(QStringLiteral("Were sorry. This example file was not found.") + kCrLf +
                       QStringLiteral("Please check the free download section of our ") + kCrLf +
                       QStringLiteral("website to obtain all the latest example files. ") + kCrLf +
                       QStringLiteral("Use the Help menu to connect to our website ") + kCrLf +
                       QStringLiteral("directly."),
                   QStringLiteral("Example file not found"), Icon::Information);
        return;
    }
    // The example's generation replaces the schedule shown, with any days typed into it.
    session_.calendar->savePrompt();
    session_.workspace.state.EditDay = false;
    DeleteCalendarFiles(program.paths.AppFolder, false);
    program.schedule.CurrentSiteCalendar = 0;
    session_.workspace.state.IsExampleSchedule = true;
    program.paths.DatabasePath = *copy;
    session_.calendar->cmdGenerate_Click();
}

// The office's own database is in use again; the example's copy and calendars go.
void ExampleSetups::leaveExample() {
    Program& program = session_.program;
    frmCalendar& main = *session_.calendar;
    program.schedule.CurrentSiteCalendar = 0;
    main.cmdSetAsDefault->hide();
    main.cmdExitExample->hide();
    session_.controller->windows.closeOfficeWindows();
    session_.workspace.state.IsExampleSchedule = false;
    program.paths.DatabasePath = program.paths.officeDatabase();
    RemoveExampleCopies(program.paths.AppFolder);
}

// Shows the personal calendar as choosing it does, so that its edits are saved, with the schedule commands
// off, since the example's calendar files are gone.
void ExampleSetups::showPersonalCalendar() {
    frmCalendar& main = *session_.calendar;
    GetSet& state = session_.workspace.state;
    state.IsSavedSchedule = false;
    state.IsGeneratedSchedule = false;
    DeleteCalendarFiles(session_.program.paths.AppFolder, false);
    main.mnuSaveCurrent->setEnabled(false);
    main.CustomCalendar();
    main.ButtonOnOff(false);
}

void ExampleSetups::cmdExitExample_Click() {
    leaveExample();
    showPersonalCalendar();
}

void ExampleSetups::cmdSetAsDefault_Click() {
    Program& program = session_.program;
    Ui& ui = program.ui;
    if (!session_.workspace.state.IsExampleSchedule)
        return;
    const Answer a = ui.message(
        QStringLiteral("Only one default site set-up (Agent & Site information) may be saved at one time. ") +
            kCrLf + kCrLf +
            QStringLiteral("When you save this example site set-up, it will replace the current Agent and "
                           "Site Information.") +
            kCrLf + kCrLf +
            QStringLiteral("Do you want to replace the current set up with the example set up?"),
        QStringLiteral("Overwrite existing Site & Agent data?"), Icon::Question, Buttons::YesNo);
    if (a != Answer::Yes) {
        ui.message(QStringLiteral("Existing default Agent and Site information is still in use"),
                   QStringLiteral("Not saved"), Icon::Information);
        return;
    }
    session_.controller->windows.closeOfficeWindows();
    const std::optional<QString> failure =
        MakeExampleTheOffice(program.paths.DatabasePath, program.paths.officeDatabase(),
                             program.paths.file(QStringLiteral("Backup")), now(), copies);
    if (failure) {
        // The example stays in use, with the office database and the Backup folder as they were.
        ui.setBusy(false);
        ui.message(*failure, QStringLiteral("Example Default"), Icon::Critical);
        return;
    }
    leaveExample();
    ui.message(
        QStringLiteral("The example site and agent information you selected has been copied  ") + kCrLf +
            QStringLiteral("over to be used as your default schedule.") + kCrLf + kCrLf +
            QStringLiteral("Select the 'Sites' and 'Agents' Buttons to edit your new default set-up. "),
        QStringLiteral("Success"), Icon::Information);
    showPersonalCalendar();
}

ExampleSetups* attachExampleSetups(DesktopSession& session) {
    auto* examples = new ExampleSetups(session);
    frmCalendar::Commands& c = session.calendar->commands;
    c.examples = [examples] { examples->openExamples(); };
    c.setAsDefault = [examples] { examples->cmdSetAsDefault_Click(); };
    c.exitExample = [examples] { examples->cmdExitExample_Click(); };
    return examples;
}

} // namespace rp
