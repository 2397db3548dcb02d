#pragma once

#include <QDate>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QStatusBar;

namespace rp {

class MonthCalendar;
class Ui;
class frmComments;
class frmPersonalCalendar;
class menunew;
struct CalendarPrintResult;
struct Program;
struct SavedSchedule;
struct Workspace;

// The main window: the month control, the command buttons, the heading, the status bar and the menus.
// It keeps which kind of calendar is shown (personal calendar, generated, saved or example schedule)
// and whether a day was edited.
class frmCalendar : public QMainWindow {
    Q_OBJECT
public:
    frmCalendar(Program& program, Workspace& workspace, menunew& controller, QWidget* parent = nullptr);
    ~frmCalendar() override;

    // Controls.
    QPushButton* cmdPersonal;
    QPushButton* cmdMonth;
    QPushButton* cmdAgents;
    QPushButton* cmdSites;
    QPushButton* cmdGenerate;
    QPushButton* cmdDisplaySite;
    QPushButton* cmdReport;
    QPushButton* cmdSave;
    QPushButton* cmdPrint;
    QPushButton* cmdExit;
    QPushButton* cmdSetAsDefault;
    QPushButton* cmdExitExample;
    QLabel* lblHeading;
    QStatusBar* StatusBar1;
    QLabel* statusPanel1;
    MonthCalendar* ctCalendar1;

    // Menus.
    QMenu* mnuFile;
    QAction* mnuSaveCurrent;
    QMenu* mnuSavedFile;
    QList<QAction*> mnuSavedFiles;
    QAction* mnuDeleteSaved;
    QAction* mnuExport;
    QAction* mnuImport;
    QAction* mnuExit;
    QMenu* mnuReport;
    QAction* mnuSchedReport;
    QAction* mnuPrintAgt;
    QAction* mnuPrintSite;
    QMenu* mnuSettings;
    QAction* mnuCalSettings;
    QAction* mnuTimes;
    QAction* mnuFineTune;
    QAction* mnuExamples;
    QMenu* mnuHelp;
    QAction* mnuHelpStart;
    QAction* mnuGenerated;
    QAction* mnuBrowser;
    QAction* mnuAbout;
    QAction* mnuPersonal;
    QAction* mnuMonth;
    QAction* mnuSites;
    QAction* mnuAgents;
    QAction* mnuGenerate;
    QAction* mnuNext;
    QAction* mnuPrint;

    // Commands.
    void cmdPersonal_Click();
    void cmdGenerate_Click();
    void cmdDisplaySite_Click();
    void cmdSave_Click();
    void cmdPrint_Click();
    void cmdExit_Click();

    // Workspace routines shared with the other windows.
    void ButtonOnOff(bool btnOn);
    void ChangeHeading(const QString& kind, const QString& text);
    void DoBackGround(int intFrom);
    void DisplaySite();
    void ctCalendar1_FirstDraw();
    void SetFonts();
    void SetMonthRange();
    void SetCurrentMonthGlobals();
    void CustomCalendar();
    void GetPersonalCalendar();
    void SaveMePersonalCalendar();
    void ShowInstruct();

    // Saved schedules (frmCalendarSaved.cpp).
    void FillSavedMenu();
    void mnuSaveCurrent_Click();
    void mnuSavedFiles_Click(int index);
    void mnuDeleteSaved_Click();
    // Writes the two files of the shown site calendar; whether they were written.
    bool SaveMeSchedule();
    void LoadSavedReport();
    // The files of the saved schedule chosen last.
    QString sgSavedCALFile;
    QString sgSavedRPTFile;

    // Day edits in the month control.
    void ctCalendar1_DayEditRequested(const QDate& date);
    void ctCalendar1_DayEditEnded(const QDate& date);

    bool cancelClose() const { return m_CancelClose; }
    // Prints the month control; the default shows the print dialog. Tests print to a file instead.
    std::function<CalendarPrintResult(MonthCalendar&)> printCalendar;
    // Shows a modal dialog; the default runs its event loop. Tests answer dialogs themselves.
    std::function<int(QDialog&)> execDialog;
    // Today, for the personal calendar; tests fix it.
    QDate today;
    // The earlier version's office database, whose presence changes the first-run text.
    QString earlierVersionDatabase;

    // The commands whose windows belong to other parts of the program, attached by those parts. A command
    // left empty shows "Not available yet.". The saved-schedule commands are this window's own.
    struct Commands {
        std::function<void()> report;        // Report button and Reports | Assignments by Agent
        std::function<void()> saveCurrent;   // Save on a schedule, File | Save Current Schedule
        std::function<void(int)> openSaved;  // File | Retrieve Saved Schedule, entry 0..5
        std::function<void()> deleteSaved;   // File | Delete Saved Schedules
        std::function<void()> exportData;    // File | Export (Backup), and Yes to the backup question at Exit
        std::function<void()> importData;    // File | Import
        std::function<void()> printAgents;   // Reports | agents
        std::function<void()> printSites;    // Reports | sites
        std::function<void()> examples;      // Examples
        std::function<void()> setAsDefault;  // Set as Default on an example
        std::function<void()> exitExample;   // Exit Example, and leaving an example for the personal calendar
        std::function<void()> helpStart;     // Help | getting started
        std::function<void()> helpGenerated; // Help | the generated schedule
        std::function<void()> browser;       // Help | web help
        std::function<void()> about;         // Help | About
    } commands;
    // Before a command replaces the shown site calendar: offers to save it when a day of it was edited.
    void savePrompt();
    // Runs an attached command, or says it is not available yet.
    void run(const std::function<void()>& command);

    frmComments* comments() const { return comments_; }
    frmPersonalCalendar* personalDialog() const { return personal_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPushButton* addButton(const QString& name, const QString& caption, const QString& tip);
    QAction* addMenuAction(QMenu* menu, const QString& name, const QString& caption);
    void buildMenus();
    void notAvailable();
    void runController(void (menunew::*command)());
    void endPendingDayEdit();
    void fillSavedMenu(bool reportLimit);
    bool siteCalendarShown() const;
    std::optional<SavedSchedule> GetSavedSchedule(QChar siteDigit);
    bool drawSavedSchedule();

    Program& program_;
    Ui& ui_;
    Workspace& ws_;
    menunew& controller_;
    frmComments* comments_ = nullptr;
    frmPersonalCalendar* personal_ = nullptr;
    bool m_CancelClose = false;
    bool personalMonthUnread_ = false;
    bool exiting_ = false;
    bool activatedOnce_ = false;
    // A site calendar of a generation or a saved schedule is shown, so that Save has something to write.
    bool siteCalendarShown_ = false;
    QStringList savedEntryFiles_; // the calendar file of each saved-schedule menu entry
    std::unique_ptr<SavedSchedule> shownSaved_;
};

} // namespace rp
