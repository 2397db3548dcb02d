#include "workspace/ui/frmCalendar.h"

#include "display_settings/DisplaySettings.h"
#include "model/CalendarFiles.h"
#include "model/EngineSettings.h"
#include "model/Program.h"
#include "platform/Calendar.h"
#include "platform/Error.h"
#include "platform/Text.h"
#include "platform/Ui.h"
#include "platform/qt/BgrColor.h"
#include "platform/qt/MonthCalendar.h"
#include "platform/qt/Twips.h"
#include "workspace/DayTextsFile.h"
#include "workspace/PersonalCalendar.h"
#include "workspace/PrintNames.h"
#include "workspace/Rendering.h"
#include "workspace/SavedSchedules.h"
#include "workspace/Workspace.h"
#include "workspace/ui/frmComments.h"
#include "workspace/ui/frmPersonalCalendar.h"
#include "workspace/ui/frmdlg_Instruct.h"
#include "workspace/ui/menunew.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

namespace rp {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

frmCalendar::frmCalendar(Program& program, Workspace& workspace, menunew& controller, QWidget* parent)
    : QMainWindow(parent), today(QDate::currentDate()),
      earlierVersionDatabase(QDir::homePath() + QStringLiteral("/RPwin99/Floor.mdb")), program_(program),
      ui_(program.ui), ws_(workspace), controller_(controller) {
    setObjectName(QStringLiteral("frmCalendar"));
    setWindowTitle(QStringLiteral("Rotaplan"));

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    auto* bar = new QHBoxLayout;
    layout->addLayout(bar);
    auto add = [&](QPushButton* b) { bar->addWidget(b); };
    add(cmdPersonal = addButton(QStringLiteral("cmdPersonal"), QStringLiteral("&Personal"),
                                QStringLiteral("Personal Calendar")));
    add(cmdMonth = addButton(QStringLiteral("cmdMonth"), QStringLiteral("Month"),
                             QStringLiteral("Set the month for the generated schedule.")));
    add(cmdAgents = addButton(QStringLiteral("cmdAgents"), QStringLiteral("Agents"),
                              QStringLiteral("Enter / Edit agent names and requests.")));
    add(cmdSites = addButton(QStringLiteral("cmdSites"), QStringLiteral("Sites"),
                             QStringLiteral("Enter / Edit site information.")));
    add(cmdGenerate =
            addButton(QStringLiteral("cmdGenerate"), QStringLiteral("Generate"),
                      QStringLiteral("Create schedule based on Month, Agent and Site information.")));
    add(cmdDisplaySite = addButton(QStringLiteral("cmdDisplaySite"), QStringLiteral("Next Site"),
                                   QStringLiteral("If more then one site generated, move next.")));
    add(cmdReport = addButton(QStringLiteral("cmdReport"), QStringLiteral("Report"),
                              QStringLiteral("Show each agent's schedule individually.")));
    add(cmdSave = addButton(QStringLiteral("cmdSave"), QStringLiteral("Save"),
                            QStringLiteral("Save the generated schedule to edit/view it later.")));
    add(cmdPrint = addButton(QStringLiteral("cmdPrint"), QStringLiteral("Print"),
                             QStringLiteral("Print calendar, generated schedule and/or report.")));
    add(cmdExit =
            addButton(QStringLiteral("cmdExit"), QStringLiteral("&Exit"), QStringLiteral("Exit Rotaplan.")));
    bar->addStretch();
    cmdSetAsDefault =
        addButton(QStringLiteral("cmdSetAsDefault"), QStringLiteral("Use as default"),
                  QStringLiteral("Use this example's Site and Agent information as my default."));
    cmdExitExample = addButton(QStringLiteral("cmdExitExample"), QStringLiteral("Exit Example"),
                               QStringLiteral("Do not save as my new setup. Return to Personal Calendar."));
    lblHeading = new QLabel(this);
    lblHeading->setObjectName(QStringLiteral("lblHeading"));
    QFont headingFont = lblHeading->font();
    headingFont.setPointSize(headingFont.pointSize() + 5);
    headingFont.setBold(true);
    lblHeading->setFont(headingFont);
    // The example buttons stand at the right of the heading that shows the example ("EXAMPLE SITE: ..."):
    // at the end of the full button bar they were squeezed below their captions.
    auto* headingRow = new QHBoxLayout;
    headingRow->addWidget(lblHeading, 1);
    for (QPushButton* b : {cmdSetAsDefault, cmdExitExample}) {
        b->setStyleSheet(QStringLiteral("background-color: #ffc8c8;"));
        // The colour takes the button's frame, and with it the width its caption needs.
        b->setMinimumWidth(b->fontMetrics().horizontalAdvance(b->text()) + 16);
        b->hide();
        headingRow->addWidget(b);
    }
    layout->addLayout(headingRow);

    ctCalendar1 = new MonthCalendar(this);
    ctCalendar1->setObjectName(QStringLiteral("ctCalendar1"));
    layout->addWidget(ctCalendar1, 1);
    setCentralWidget(central);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    statusPanel1 = new QLabel(StatusBar1);
    statusPanel1->setObjectName(QStringLiteral("statusPanel1"));
    StatusBar1->addWidget(statusPanel1, 1);
    setStatusBar(StatusBar1);

    buildMenus();

    comments_ = new frmComments(ui_, ws_.CommentText, this);
    frmPersonalCalendar::Actions actions;
    actions.customCalendar = [this] { CustomCalendar(); };
    actions.buttonOnOff = [this](bool on) { ButtonOnOff(on); };
    actions.exitExample = [this] { run(commands.exitExample); };
    personal_ = new frmPersonalCalendar(ui_, ws_, program_.paths.AppFolder, std::move(actions), this);

    printCalendar = [this](MonthCalendar& control) { return control.PrintCalendar(this); };
    execDialog = [](QDialog& dialog) { return dialog.exec(); };

    connect(cmdPersonal, &QPushButton::clicked, this, &frmCalendar::cmdPersonal_Click);
    connect(cmdMonth, &QPushButton::clicked, this, [this] { runController(&menunew::cmdMonth_Click); });
    connect(cmdAgents, &QPushButton::clicked, this, [this] { runController(&menunew::cmdAgents_Click); });
    connect(cmdSites, &QPushButton::clicked, this, [this] { runController(&menunew::cmdSites_Click); });
    connect(cmdGenerate, &QPushButton::clicked, this, &frmCalendar::cmdGenerate_Click);
    connect(cmdDisplaySite, &QPushButton::clicked, this, &frmCalendar::cmdDisplaySite_Click);
    connect(cmdReport, &QPushButton::clicked, this, [this] { run(commands.report); });
    connect(cmdSave, &QPushButton::clicked, this, &frmCalendar::cmdSave_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmCalendar::cmdPrint_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmCalendar::cmdExit_Click);
    connect(cmdSetAsDefault, &QPushButton::clicked, this, [this] { run(commands.setAsDefault); });
    connect(cmdExitExample, &QPushButton::clicked, this, [this] { run(commands.exitExample); });
    connect(ctCalendar1, &MonthCalendar::DayEditRequested, this, &frmCalendar::ctCalendar1_DayEditRequested);
    connect(ctCalendar1, &MonthCalendar::DayEditEnded, this, &frmCalendar::ctCalendar1_DayEditEnded);

    commands.saveCurrent = [this] { mnuSaveCurrent_Click(); };
    commands.openSaved = [this](int entry) { mnuSavedFiles_Click(entry); };
    commands.deleteSaved = [this] { mnuDeleteSaved_Click(); };
    controller_.showCalendar = [this] {
        DisplaySite();
        show();
    };

    // Window load.
    QDir().mkpath(program_.paths.file(QStringLiteral("Saved")));
    ws_.state.IsPersonalCalendar = true;
    ButtonOnOff(false);
    SetCurrentMonthGlobals();
    FillSavedMenu();
    setMinimumSize(twips(9105), twips(7320));
    resize(980, 760);
}

frmCalendar::~frmCalendar() = default;

QPushButton* frmCalendar::addButton(const QString& name, const QString& caption, const QString& tip) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setToolTip(tip);
    return b;
}

void frmCalendar::notAvailable() {
    controller_.notAvailable();
}

void frmCalendar::run(const std::function<void()>& command) {
    endPendingDayEdit();
    if (command)
        command();
    else
        notAvailable();
}

void frmCalendar::runController(void (menunew::*command)()) {
    endPendingDayEdit();
    (controller_.*command)();
}

// A command never works on a day still being typed: a mnemonic or the frame's close button leaves the
// focus (and so the open editor) where it was, so every command first ends the edit and keeps its text.
void frmCalendar::endPendingDayEdit() {
    ctCalendar1->endDayEdit(true);
}

// ---- workspace routines -----------------------------------------------------------------------------------

void frmCalendar::ButtonOnOff(bool btnOn) {
    cmdDisplaySite->setEnabled(btnOn && program_.schedule.CalendarCount >= 2);
    cmdSave->setEnabled(true);
    cmdReport->setEnabled(btnOn);
    mnuNext->setEnabled(btnOn);
    mnuSchedReport->setEnabled(btnOn);
}

void frmCalendar::ChangeHeading(const QString& kind, const QString& text) {
    lblHeading->setText(QStringLiteral("  ") + text);
    QFont f = lblHeading->font();
    f.setItalic(false);
    QPalette palette = lblHeading->palette();
    const QColor windowText = QApplication::palette().color(QPalette::WindowText);
    if (kind == QLatin1String("Generating")) {
        palette.setColor(QPalette::WindowText, colorFromBgr(0x0000FF));
        f.setItalic(true);
    } else if (kind == QLatin1String("Saved") || kind == QLatin1String("Generated")) {
        palette.setColor(QPalette::WindowText, windowText);
    } else if (kind == QLatin1String("Personal")) {
        palette.setColor(QPalette::WindowText, colorFromBgr(0xFF0000));
    } else if (kind == QLatin1String("Example")) {
        palette.setColor(QPalette::WindowText, colorFromBgr(0x0000FF));
        cmdSetAsDefault->setVisible(true);
        cmdExitExample->setVisible(true);
    } else {
        ui_.message(QStringLiteral("Unhandled Case"), QStringLiteral("frmCalendar.ChangeHeading"),
                    Icon::Information);
    }
    lblHeading->setFont(f);
    lblHeading->setPalette(palette);
    statusPanel1->setText(QStringLiteral("  ") + text);
}

void frmCalendar::DoBackGround(int intFrom) {
    if (intFrom == 1) {
        ctCalendar1->setAppearance(4, bgrOf(255, 255, 255));
        ctCalendar1->setAppearance(30, bgrOf(255, 255, 102));
        ctCalendar1->setAppearance(12, bgrOf(255, 255, 153));
        ctCalendar1->setAppearance(32, bgrOf(255, 255, 204));
    } else if (intFrom == 2) {
        ctCalendar1->setAppearance(30, bgrOf(51, 255, 255));
        ctCalendar1->setAppearance(12, bgrOf(102, 255, 255));
        ctCalendar1->setAppearance(32, bgrOf(153, 255, 255));
    }
    ctCalendar1->setAppearance(33, -1);
    ctCalendar1->setAppearance(34, -1);
    ctCalendar1->setAppearance(105, false);
}

void frmCalendar::SetCurrentMonthGlobals() {
    const MonthSetting m = ReadMonthFile(program_.paths.MonthFilePath);
    program_.schedule.SchedMonth = QString::number(m.month).trimmed();
    program_.schedule.SchedYear = QString::number(m.year).trimmed();
}

void frmCalendar::SetMonthRange() {
    const int month = program_.schedule.SchedMonth.toInt();
    const int year = program_.schedule.SchedYear.toInt();
    if (month < 1 || month > 12 || year < 100)
        return;
    const MonthRange r = rp::SetMonthRange(month, year);
    ctCalendar1->setFirstDate(r.first);
    ctCalendar1->setLastDate(r.last);
    ctCalendar1->setPrintFirstDate(ctCalendar1->FirstDate());
    ctCalendar1->setPrintLastDate(ctCalendar1->LastDate());
}

void frmCalendar::SetFonts() {
    const DisplayState& d = program_.display;
    if (d.m_chkDefaultFonts > 0)
        DisplaySettings(program_).SetFontsToDefault();
    else
        DisplaySettings(program_).SetFontsToCustom();
    auto font = [&](const QString& face, int size, bool bold, bool italic) -> std::optional<QFont> {
        if (trimBlanks(face).isEmpty() || size <= 0 || size > 400)
            return std::nullopt;
        QFont f(trimBlanks(face));
        f.setPointSize(size);
        f.setBold(bold);
        f.setItalic(italic);
        return f;
    };
    const auto date = font(d.m_DateFontScreen, d.m_DateSizeScreen, d.m_DateBoldScreen != 0, false);
    const auto text =
        font(d.m_TextFontScreen, d.m_TextSizeScreen, d.m_TextBoldScreen != 0, d.m_TextItalicScreen != 0);
    const auto print = font(d.m_TextFontPrinter, d.m_TextSizePrinter, d.m_TextBoldPrinter != 0, false);
    if (!date || !text || !print) {
        ui_.message(QStringLiteral(" Reset your font settings. See Menu | Settings | Calendar Settings. "),
                    QStringLiteral("SetFonts"), Icon::Critical);
    }
    if (date)
        ctCalendar1->setDateFont(*date);
    ctCalendar1->setAppearance(22, bgrOf(128, 0, 128));
    if (text)
        ctCalendar1->setTextFont(*text);
    ctCalendar1->setForeColor(d.m_TextForeColorScreen);
    if (print)
        ctCalendar1->setPrintTextFont(*print);
    ctCalendar1->setAppearance(81, 30);
}

void frmCalendar::DisplaySite() {
    ScheduleState& s = program_.schedule;
    try {
        ctCalendar1->ClearAll();
        s.CurrentSiteCalendar += 1;
        const QString file =
            CalendarFilePath(program_.paths.AppFolder, s.CalendarFilePrefix, s.CurrentSiteCalendar);
        const QString text = ReadRecordText(file);
        if (trimBlanks(text).isEmpty())
            ui_.message(QStringLiteral("Site has no time slots entered."), QStringLiteral("Check site Data"));
        ws_.state.FullName = program_.display.m_CheckFullName != 0;
        BuildDayTexts(s, text, ws_.state.FullName, ui_);
        ui_.setBusy(true);
        s.AgentSummary = BuildAgentSummaries(s.AgentInitials, text);
        ui_.setBusy(false);
        const SiteDescription header = ReadDescriptionFile(file + QLatin1Char('D'));
        s.SiteHeading = header.heading;
        s.SiteNumberText = header.numberText;
        ctCalendar1->setPrintDocName(
            PrintDocumentName(s.SiteHeading, s.SchedMonth.toInt(), s.SchedYear.toInt()));
        if (ws_.state.IsExampleSchedule) {
            ChangeHeading(QStringLiteral("Example"), QStringLiteral("EXAMPLE SITE: ") + s.SiteHeading);
            ctCalendar1->setPrintTitle(QStringLiteral("EXAMPLE SITE: ") + s.SiteHeading + PrintTitleSuffix());
        } else {
            ChangeHeading(QStringLiteral("Generated"), s.SiteHeading);
            ctCalendar1->setPrintTitle(s.SiteHeading + QStringLiteral("  ") + s.SchedMonth +
                                       QLatin1Char('/') + s.SchedYear + PrintTitleSuffix());
        }
        if (s.CurrentSiteCalendar == s.CalendarCount)
            s.CurrentSiteCalendar = 0;
        ctCalendar1->setFixedDayHeight(true);
        ctCalendar1->setDayHeight(program_.display.m_DateHeightScreen);
        ctCalendar1->setPrintDayHeight(program_.display.m_DateHeightPrinter);
        SetMonthRange();
        ctCalendar1->setAppearance(56, 1);
        ctCalendar1->setAppearance(60, 14);
        ctCalendar1->setAppearance(71, 14);
        ctCalendar1->setAppearance(15, false);
        SetFonts();
        ctCalendar1_FirstDraw();
        siteCalendarShown_ = true;
    } catch (const Error& e) {
        siteCalendarShown_ = false;
        ui_.setBusy(false);
        ui_.message(QStringLiteral("Error in frmCalendar.DisplaySite") + kCrLf + QString::number(e.number) +
                        QStringLiteral(" - ") + e.description,
                    QStringLiteral("Display Site"), Icon::Critical);
    }
}

void frmCalendar::ctCalendar1_FirstDraw() {
    if (ws_.state.IsSavedSchedule && drawSavedSchedule())
        return;
    ws_.state.IsSavedSchedule = false;
    if (ws_.state.IsPersonalCalendar) {
        DoBackGround(1);
        GetPersonalCalendar();
        return;
    }
    ScheduleState& s = program_.schedule;
    DoBackGround(2);
    const int month = s.SchedMonth.toInt(), year = s.SchedYear.toInt();
    if (month < 1 || month > 12 || year < 100)
        return;
    ws_.times.appFolder = program_.paths.AppFolder;
    ws_.times.siteHeading = s.SiteHeading;
    ws_.times.siteNumberText = s.SiteNumberText;
    const int days = daysInMonth(month, year);
    for (int d = 1; d <= days && d <= 31; ++d) {
        const QDate date(year, month, d);
        bool reset = false;
        const SiteTimes times = GetSiteTimesByDay(ws_.times, weekdayOf(date), ui_, reset);
        if (reset)
            s.CurrentSiteCalendar = 0;
        const QString& dayText = s.DayText[size_t(d)];
        ctCalendar1->setCellText(date,
                                 leadingNumber(times[0]) < 1 ? dayText : ReplaceLetters(dayText, times));
    }
    const QDate first(year, month, 1);
    ctCalendar1->setDate(first);
    ctCalendar1->setDayBackColor(first, 0xE0E0E0);
}

// ---- personal calendar
// --------------------------------------------------------------------------------------

void frmCalendar::CustomCalendar() {
    siteCalendarShown_ = false;
    ctCalendar1->ClearAll();
    ui_.setBusy(false);
    ws_.state.IsPersonalCalendar = true;
    ctCalendar1->setFixedDayHeight(true);
    ctCalendar1->setDayHeight(program_.display.m_DateHeightScreen);
    ctCalendar1->setPrintDayHeight(program_.display.m_DateHeightPrinter);
    ctCalendar1->setAppearance(56, 1);
    ctCalendar1->setAppearance(60, 14);
    ctCalendar1->setAppearance(71, 14);
    ctCalendar1->setAppearance(15, false);
    SetFonts();
    ctCalendar1_FirstDraw();
}

void frmCalendar::GetPersonalCalendar() {
    const PersonalMonth m = ReadLastCalendar(program_.paths.AppFolder, today);
    const QString monthYear = m.monthText() + QLatin1Char('/') + m.yearText();
    ChangeHeading(QStringLiteral("Personal"), QStringLiteral("Personal Calendar:  ") + monthYear);
    ctCalendar1->setPrintTitle(QStringLiteral("Personal Calendar: ") + monthYear + QLatin1Char('.') +
                               PrintTitleSuffix());
    ctCalendar1->setPrintDocName(PrintDocumentName(QStringLiteral("Personal Calendar"), m.month, m.year));
    ctCalendar1->setPrintSubTitle(QString());
    const QDate first(m.year, m.month, 1);
    ctCalendar1->setDate(first);
    ctCalendar1->setDayBackColor(first, 0xE0E0E0);
    const MonthRange r = rp::SetMonthRange(m.month, m.year);
    ctCalendar1->setFirstDate(r.first);
    ctCalendar1->setLastDate(r.last);
    ctCalendar1->setPrintFirstDate(r.first);
    ctCalendar1->setPrintLastDate(r.last);
    const DayTextsFile f =
        ReadPersonalMonthFile(PersonalMonthPath(program_.paths.AppFolder, m.month, m.year));
    // A month whose file could not be read is not saved over until the user edits one of its days.
    personalMonthUnread_ = f.damage.has_value();
    if (f.damage) {
        ui_.setBusy(false);
        ui_.message(QStringLiteral("%1 = %2").arg(f.damage->description).arg(f.damage->number),
                    QStringLiteral("frmCalendar.GetSavedSchedulePersonal"));
    }
    const qint64 limit = r.first.daysTo(r.last) + 1;
    if (f.start > 0) {
        const QDate start = dateFromDayNumber(f.start);
        for (qsizetype i = 0; i < f.texts.size() && i < limit; ++i)
            ctCalendar1->setCellText(start.addDays(i), f.texts[i]);
    }
}

void frmCalendar::SaveMePersonalCalendar() {
    if (!ws_.state.IsPersonalCalendar)
        return;
    endPendingDayEdit();
    if (personalMonthUnread_)
        return;
    try {
        const QDate first = ctCalendar1->FirstDate();
        const QDate last = ctCalendar1->LastDate();
        if (!first.isValid() || !last.isValid())
            return;
        ctCalendar1->setDate(first.addDays(15));
        DayTextsFile f;
        f.start = dayNumber(first);
        f.end = dayNumber(last);
        f.heading = program_.schedule.SiteHeading;
        f.rules = program_.schedule.RulesText;
        for (QDate d = first; d <= last; d = d.addDays(1))
            f.texts << ctCalendar1->CellText(d);
        WritePersonalMonthFile(
            PersonalMonthPath(program_.paths.AppFolder, ctCalendar1->ShownMonth(), ctCalendar1->ShownYear()),
            f);
        ui_.setBusy(false);
    } catch (const Error& e) {
        ui_.setBusy(false);
        ui_.message(QStringLiteral("%1 = %2").arg(e.description).arg(e.number),
                    QStringLiteral("frmCalendar.SaveMePersonalCalendar"));
    }
}

// ---- commands
// -----------------------------------------------------------------------------------------------

// Typed changes of a generated schedule are offered for saving as well as those of a saved one: leaving
// either loses them.
void frmCalendar::savePrompt() {
    const GetSet& g = ws_.state;
    if (!(g.EditDay && (g.IsSavedSchedule || (g.IsGeneratedSchedule && siteCalendarShown()))))
        return;
    const Answer a = ui_.message(QStringLiteral("Save changes to current schedule? ") + kCrLf + kCrLf,
                                 QStringLiteral("Save Schedule?"), Icon::Question, Buttons::YesNo);
    if (a == Answer::Yes)
        run(commands.saveCurrent);
    else
        ui_.message(QStringLiteral("Current Schedule has NOT been saved"), QStringLiteral("Not saved"),
                    Icon::Information);
}

void frmCalendar::cmdPersonal_Click() {
    endPendingDayEdit();
    savePrompt();
    mnuSaveCurrent->setEnabled(false);
    if (ws_.state.IsPersonalCalendar)
        SaveMePersonalCalendar();
    personal_->setToday(today);
    execDialog(*personal_);
}

void frmCalendar::cmdGenerate_Click() {
    endPendingDayEdit();
    mnuSaveCurrent->setEnabled(true);
    savePrompt();
    ws_.state.EditDay = false;
    SaveMePersonalCalendar();
    ws_.state.IsGeneratedSchedule = true;
    ws_.state.IsPersonalCalendar = false;
    DoBackGround(2);
    ChangeHeading(QStringLiteral("Generating"), QStringLiteral("Generating Schedule(s). . ."));
    ui_.setBusy(true);
    siteCalendarShown_ = false;
    ctCalendar1->ClearAll();
    repaint();
    ws_.state.IsSavedSchedule = false;
    ws_.ReportText.clear();
    SetCurrentMonthGlobals();
    try {
        controller_.cmdGenerate_Click();
    } catch (const ProgramEnded&) {
        return;
    }
    ui_.setBusy(false);
    repaint();
    ButtonOnOff(true);
}

void frmCalendar::cmdDisplaySite_Click() {
    endPendingDayEdit();
    savePrompt();
    ws_.state.EditDay = false; // the edits were those of the calendar left
    ws_.ReportText.clear();
    ws_.state.IsSavedSchedule = false;
    ws_.state.IsGeneratedSchedule = true;
    DisplaySite();
}

void frmCalendar::cmdSave_Click() {
    endPendingDayEdit();
    if (ws_.state.IsPersonalCalendar) {
        ui_.message(QStringLiteral("Note:  It is not necessary to save your Personal Calendar. Any ") +
                        kCrLf +
                        QStringLiteral("changes made to your Personal Calendar are automatically saved."),
                    QStringLiteral("Saved"), Icon::Information);
        SaveMePersonalCalendar();
    } else {
        run(commands.saveCurrent);
    }
}

void frmCalendar::cmdPrint_Click() {
    endPendingDayEdit();
    const GetSet& g = ws_.state;
    if (g.IsGeneratedSchedule || g.IsExampleSchedule || g.IsSavedSchedule) {
        execDialog(*comments_);
        ctCalendar1->setPrintSubTitle(ws_.CommentText);
    }
    const CalendarPrintResult printout = printCalendar(*ctCalendar1);
    QApplication::processEvents();
    if (printout.file.isEmpty())
        ui_.message(QStringLiteral(
                        "If you did not select CANCEL, your Calendar/Schedule has been sent to the printer"),
                    QStringLiteral("Printing"), Icon::Information);
    else if (printout.printed)
        ui_.message(QStringLiteral("Saved to ") + printout.file, QStringLiteral("Printing"),
                    Icon::Information);
    else
        ui_.message(QStringLiteral("The Calendar/Schedule could not be saved to ") + printout.file,
                    QStringLiteral("Printing"), Icon::Warning);
    if (g.IsGeneratedSchedule || g.IsExampleSchedule || g.IsSavedSchedule) {
        const Answer a = ui_.message(
            QStringLiteral("Would you like to View and/or Print the 'Assignments by Agent' report ? ") +
                kCrLf + kCrLf,
            QStringLiteral("View or Print Agent Report?"), Icon::Question, Buttons::YesNo);
        if (a == Answer::Yes)
            run(commands.report);
    }
}

void frmCalendar::cmdExit_Click() {
    endPendingDayEdit();
    savePrompt();
    DeleteCalendarFiles(program_.paths.AppFolder, false);
    m_CancelClose = false;
    SaveMePersonalCalendar();
    const Answer backup =
        ui_.message(QStringLiteral("Would you like to create a backup copy of your Site and Agent Data? ") +
                        kCrLf + kCrLf,
                    QStringLiteral("Backup?"), Icon::Question, Buttons::YesNo);
    if (backup == Answer::Yes)
        run(commands.exportData);
    if (ui_.message(QStringLiteral("Leaving Rotaplan"), QStringLiteral("Exit"), Icon::None,
                    Buttons::OkCancel) == Answer::Cancel) {
        m_CancelClose = true;
        return;
    }
    exiting_ = true;
    controller_.cmdExit_Click();
    close();
}

void frmCalendar::closeEvent(QCloseEvent* event) {
    if (exiting_) {
        event->accept();
        return;
    }
    cmdExit_Click();
    if (m_CancelClose)
        event->ignore();
    else
        event->accept();
}

bool frmCalendar::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && !activatedOnce_) {
        activatedOnce_ = true;
        ShowInstruct();
    }
    return QMainWindow::event(e);
}

void frmCalendar::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
}

void frmCalendar::ShowInstruct() {
    if (QFileInfo::exists(frmdlg_Instruct::skipFilePath(program_.paths.AppFolder)))
        return;
    ws_.state.DialogueString =
        QFileInfo::exists(earlierVersionDatabase) ? QStringLiteral("RPWin99") : QStringLiteral("Instruct");
    ui_.setBusy(false);
    frmdlg_Instruct dialog(ui_, program_.paths.AppFolder, ws_.state.DialogueString, this);
    if (dialog.Form_Load())
        execDialog(dialog);
}

// ---- day edits --------------------------------------------------------------------------------------------

void frmCalendar::ctCalendar1_DayEditRequested(const QDate& date) {
    ctCalendar1->setAppearance(92, -5);
    ctCalendar1->setAppearance(94, 50);
    ctCalendar1->setAppearance(95, 50);
    ws_.state.EditDay = true;
    // The note comes before the editor opens, so that its message box does not close the editor.
    if (!ws_.reportNoteShown && (ws_.state.IsGeneratedSchedule || ws_.state.IsSavedSchedule)) {
        ws_.reportNoteShown = true;
        ui_.message(QStringLiteral("Note that if you manually edit this Calendar, you will also want") +
                        kCrLf + QStringLiteral("to edit the Report, so that the two will match."),
                    QStringLiteral("Report Also"), Icon::Information);
    }
    ctCalendar1->StartDayEdit(date, false);
}

void frmCalendar::ctCalendar1_DayEditEnded(const QDate& date) {
    const QString edited = ctCalendar1->EditText();
    if (edited != ctCalendar1->CellText(date))
        personalMonthUnread_ = false;
    if (!ctCalendar1->CellText(date).isEmpty() || !edited.isEmpty())
        ctCalendar1->setCellText(date, edited);
}

} // namespace rp
