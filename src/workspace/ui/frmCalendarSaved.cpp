// The main window's saved schedules: the Retrieve Saved Schedule menu, Save Current Schedule, opening a
// saved schedule and drawing it, and Delete Saved Schedules.
#include "model/Program.h"
#include "platform/Calendar.h"
#include "platform/Error.h"
#include "platform/Text.h"
#include "platform/Ui.h"
#include "platform/qt/MonthCalendar.h"
#include "reports/AssignmentsReport.h"
#include "workspace/PrintNames.h"
#include "workspace/SavedSchedules.h"
#include "workspace/Workspace.h"
#include "workspace/ui/frmCalendar.h"

#include <QAction>
#include <QPushButton>

namespace rp {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

void notSaved(Ui& ui) {
    ui.message(QStringLiteral("Current Schedule has NOT been saved"), QStringLiteral("Not saved"),
               Icon::Information);
}

void limitReached(Ui& ui) {
    ui.message(QStringLiteral("You have reached the maximum number of saved schedules allowed.") + kCrLf +
                   QStringLiteral("See 'File | Delete Saved Schedules' to clear old saved schedules."),
               QStringLiteral("You have reached the saved schedules limit"), Icon::Information);
}

QString errorText(const Error& e) {
    return QStringLiteral("%1 = %2").arg(e.description).arg(e.number);
}

} // namespace

void frmCalendar::FillSavedMenu() {
    fillSavedMenu(true);
}

// Entry d shows the saved schedule of site d + 1 and keeps the file it came from; a heading caption keeps
// none, so that choosing it does nothing.
void frmCalendar::fillSavedMenu(bool reportLimit) {
    savedEntryFiles_ = QStringList(mnuSavedFiles.size());
    for (int i = 0; i <= 4; ++i)
        mnuSavedFiles[i]->setText(QString());
    const SavedList list = ArrayFilesFunction(program_.paths.AppFolder);
    if (list.overLimit && reportLimit)
        limitReached(ui_);
    const qsizetype last = list.captions.size() - 1;
    if (last == 0) {
        mnuSavedFiles[0]->setText(QStringLiteral("No saved schedules found"));
        mnuSavedFiles[0]->setVisible(true);
    }
    for (qsizetype d = 0; d < last; ++d) {
        if (d == 0 && list.captions[0].isEmpty())
            mnuSavedFiles[0]->setText(QStringLiteral("Select from the following:"));
        if (!list.captions[d].isEmpty()) {
            mnuSavedFiles[d]->setText(list.captions[d]);
            mnuSavedFiles[d]->setVisible(true);
            savedEntryFiles_[d] = list.files[d];
        }
    }
}

bool frmCalendar::siteCalendarShown() const {
    const QString& site = program_.schedule.SiteNumberText;
    return siteCalendarShown_ && !ws_.state.IsPersonalCalendar && site.size() == 1 &&
           site[0] >= QLatin1Char('0') && site[0] <= QLatin1Char('9');
}

void frmCalendar::mnuSaveCurrent_Click() {
    endPendingDayEdit();
    if (!siteCalendarShown()) {
        notSaved(ui_);
        return;
    }
    const QString& heading = program_.schedule.SiteHeading;
    const QString site = trimBlanks(heading.left(heading.size() - 2));
    const Answer a = ui_.message(QStringLiteral("Only one site schedule for '") + site +
                                     QStringLiteral("' may be saved at one time. ") + kCrLf +
                                     QStringLiteral("Saving this copy of '") + site +
                                     QStringLiteral("' will replace any previously saved") + kCrLf +
                                     QStringLiteral("copy of '") + site + QStringLiteral("'.") + kCrLf +
                                     kCrLf + QStringLiteral("Save & replace?"),
                                 QStringLiteral("Save Schedule?"), Icon::Question, Buttons::YesNo);
    if (a != Answer::Yes) {
        notSaved(ui_);
        return;
    }
    // The save of a site the menu does not list has had its message already (the limit, or why it failed).
    SaveMeSchedule();
    fillSavedMenu(IsListedSiteNumber(program_.schedule.SiteNumberText));
}

bool frmCalendar::SaveMeSchedule() {
    endPendingDayEdit();
    const ScheduleState& s = program_.schedule;
    try {
        // A saved schedule keeps the report it was opened with; only a generated one builds its own.
        if (ws_.ReportText.isEmpty() && !ws_.state.IsSavedSchedule)
            ws_.ReportText = BuildAssignmentsReport(s.AgentInitials, s.AgentNames, s.AgentSummary);
        ui_.setBusy(true);
        SavedSchedule saved{s.SiteNumberText,
                            s.SchedMonth,
                            s.SchedYear,
                            dayNumber(ctCalendar1->FirstDate()),
                            dayNumber(ctCalendar1->LastDate()),
                            s.SiteHeading,
                            s.RulesText,
                            {}};
        for (QDate d = ctCalendar1->FirstDate(); d <= ctCalendar1->LastDate(); d = d.addDays(1))
            saved.texts << ctCalendar1->CellText(d);
        SaveSiteSchedule(program_.paths.AppFolder, saved, ws_.ReportText);
    } catch (const Error& e) {
        ui_.setBusy(false);
        ui_.message(errorText(e), QStringLiteral("frmCalendar.SaveMeSchedule"));
        return false;
    }
    ws_.state.EditDay = false;
    ui_.setBusy(false);
    if (!IsListedSiteNumber(s.SiteNumberText)) {
        limitReached(ui_);
        return true;
    }
    ui_.message(QStringLiteral("Your current schedule has been successfully saved. To work ") + kCrLf +
                    QStringLiteral("with this schedule in the future choose File | Retrieve Saved Schedule."),
                QStringLiteral("File Saved"), Icon::Information);
    return true;
}

void frmCalendar::mnuSavedFiles_Click(int index) {
    endPendingDayEdit();
    const QString file = savedEntryFiles_.value(index);
    if (file.isEmpty())
        return;
    const QString folder = SavedFolder(program_.paths.AppFolder);
    if (ws_.state.IsGeneratedSchedule &&
        ui_.message(
            QStringLiteral("The currently displayed schedule will be replaced with your Saved Schedule") +
                kCrLf + QStringLiteral("Do you want to continue?"),
            QStringLiteral("Load Saved Schedule?"), Icon::Question, Buttons::YesNo) != Answer::Yes)
        return;
    // Edits of the shown schedule and of the personal calendar are kept before anything is replaced.
    savePrompt();
    SaveMePersonalCalendar();
    sgSavedCALFile = folder + QLatin1Char('/') + file;
    sgSavedRPTFile = SavedFilePath(folder, SavedReportFileName(file));
    const std::optional<SavedSchedule> saved = GetSavedSchedule(file[0]);
    if (!saved)
        return;
    ScheduleState& s = program_.schedule;
    s.SiteNumberText = saved->siteNumberText;
    s.SchedMonth = saved->month;
    s.SchedYear = saved->year;
    s.SiteHeading = saved->heading;
    s.RulesText = saved->rules;
    shownSaved_ = std::make_unique<SavedSchedule>(*saved);
    ws_.state.IsPersonalCalendar = false;
    ws_.state.IsSavedSchedule = true;
    ui_.setBusy(true);
    ctCalendar1->ClearAll();
    SetFonts();
    cmdSave->setVisible(true);
    cmdReport->setVisible(true);
    mnuSchedReport->setEnabled(true);
    mnuSaveCurrent->setEnabled(true);
    cmdReport->setEnabled(true);
    cmdDisplaySite->setEnabled(false);
    repaint();
    ctCalendar1_FirstDraw();
    siteCalendarShown_ = true;
    ws_.state.EditDay = false;
    ui_.setBusy(false);
}

// Reads the chosen calendar file; a file that is missing, damaged or no schedule of the entry's site is
// reported and changes nothing.
std::optional<SavedSchedule> frmCalendar::GetSavedSchedule(QChar siteDigit) {
    try {
        std::optional<SavedSchedule> saved = ReadSavedCalendar(sgSavedCALFile, siteDigit);
        if (!saved) {
            ui_.setBusy(false);
            ui_.message(QStringLiteral("No saved schedule found."), QStringLiteral("Not found"),
                        Icon::Information);
        }
        return saved;
    } catch (const Error& e) {
        ui_.setBusy(false);
        ui_.message(errorText(e), QStringLiteral("frmCalendar.GetSavedSchedule"));
        return std::nullopt;
    }
}

// The saved texts are shown as they were saved: slot times never replace their letters again.
bool frmCalendar::drawSavedSchedule() {
    if (!shownSaved_)
        return false;
    const SavedSchedule& saved = *shownSaved_;
    DoBackGround(2);
    const QDate first = dateFromDayNumber(saved.start);
    const QDate last = dateFromDayNumber(saved.end);
    ctCalendar1->setLastDate(last);
    ctCalendar1->setPrintLastDate(last);
    ctCalendar1->setFirstDate(first);
    ctCalendar1->setPrintFirstDate(first);
    for (qsizetype j = 0; j < saved.texts.size(); ++j)
        ctCalendar1->setCellText(first.addDays(j), saved.texts[j]);
    const QString monthYear = saved.month + QLatin1Char('/') + saved.year;
    ChangeHeading(QStringLiteral("Generated"),
                  QStringLiteral("SAVED: ") + saved.heading + QLatin1Char(' ') + monthYear);
    const QDate firstOfMonth(saved.year.toInt(), saved.month.toInt(), 1);
    ctCalendar1->setDate(firstOfMonth);
    ctCalendar1->setDayBackColor(firstOfMonth, 0xE0E0E0);
    repaint();
    ctCalendar1->setPrintTitle(saved.heading + QStringLiteral("  ") + monthYear + PrintTitleSuffix());
    ctCalendar1->setPrintDocName(PrintDocumentName(saved.heading, saved.month.toInt(), saved.year.toInt()));
    LoadSavedReport();
    ui_.message(QStringLiteral("Saved schedule retrieved and opened"), QStringLiteral("Ready"),
                Icon::Information);
    return true;
}

void frmCalendar::LoadSavedReport() {
    try {
        ws_.ReportText = ReadSavedReport(sgSavedRPTFile);
    } catch (const Error& e) {
        ws_.ReportText.clear();
        ui_.message(errorText(e), QStringLiteral("frmCalendar.LoadSavedReport"));
    }
}

void frmCalendar::mnuDeleteSaved_Click() {
    endPendingDayEdit();
    if (ui_.message(QStringLiteral("This action will delete all saved schedules.") + kCrLf +
                        QStringLiteral("Do you want to continue?"),
                    QStringLiteral("Delete Saved Schedule?"), Icon::Question, Buttons::YesNo) != Answer::Yes)
        return;
    const QStringList failed = DeleteSavedSchedules(program_.paths.AppFolder);
    if (!failed.isEmpty())
        ui_.message(QStringLiteral("These saved schedules could not be deleted:") + kCrLf +
                        failed.join(kCrLf),
                    QStringLiteral("Delete Saved Schedules"), Icon::Warning);
    FillSavedMenu();
}

} // namespace rp
