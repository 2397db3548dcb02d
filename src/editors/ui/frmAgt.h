#pragma once

#include "editors/ui/BoundCursor.h"

#include <QDialog>
#include <array>
#include <functional>

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace rp {

class DatePicker;
class EntryBox;
class EntryBoxChecks;
class frmCalendar;
struct Program;

// The agent editor ("AGENT INFORMATION"): one record of the Agents table at a time, written back
// whenever the cursor leaves it; the agent list, the two site lists and the date-picking calendar.
class frmAgt : public QDialog {
    Q_OBJECT
public:
    frmAgt(Program& program, frmCalendar* mainWindow, QWidget* parent = nullptr);
    ~frmAgt() override;

    // Entry boxes, in tab order.
    EntryBox* txtName;
    EntryBox* txtIni;
    EntryBox* txtAssign;
    EntryBox* txtMax;
    EntryBox* txtAALL;
    EntryBox* txtAAM;
    EntryBox* txtAPM1;
    EntryBox* txtAPM2;
    EntryBox* txtASite1;
    EntryBox* txtAOn1;
    EntryBox* txtASite2;
    EntryBox* txtAOn2;
    // Lists, calendar and commands.
    QGroupBox* fraClickList;
    QListWidget* lstAgtClick;
    QListWidget* lstAgtSites;
    QListWidget* lstAgtSitesOnly;
    DatePicker* CSCalAgt;
    QLabel* lblCalendar;
    QPushButton* cmdagtadd;
    QPushButton* cmdagtDelete;
    QPushButton* cmdagtfind;
    QPushButton* cmdagthelp;
    QPushButton* cmdagtprev;
    QPushButton* cmdagtnext;
    QPushButton* cmdAgtOk;
    QPushButton* cmdCancel;

    // Screen state.
    bool Adding = false;
    QString NameOnEntry, NameOnExit, InitialsOnEntry, InitialsOnExit;
    QString FocusedDateBox;
    int ManualSiteTarget = 1;
    bool DashTipShown = false;

    // Shows the help text of a file; without it the command says it is not available.
    std::function<void(const QString&)> showHelp;

    // Each time the screen is shown (the first time also draws it: opens the cursor, fills the lists).
    void Form_Show();
    void Form_Paint();

    // Commands.
    void cmdagtadd_Click();
    void cmdCancel_Click();
    void cmdagtDelete_Click();
    void cmdagtfind_Click();
    void cmdagtnext_Click();
    void cmdagtprev_Click();
    void cmdAgtOk_Click();
    void cmdagthelp_Click();
    void lstAgtClick_Click(const QString& entry);
    void lstAgtSites_Click(const QString& entry);
    void lstAgtSitesOnly_Click(const QString& entry);
    void CSCalAgt_DateClick();
    void CSCalAgt_DateDoubleClick();

    // Focus rules; a LostFocus that returns false has put the focus back on its box.
    void txtName_GotFocus();
    bool txtName_LostFocus();
    void txtIni_GotFocus();
    bool txtIni_LostFocus();
    void txtAssign_GotFocus();
    void txtAssign_LostFocus();
    void txtMax_GotFocus();
    void txtMax_LostFocus();
    void txtASite_GotFocus(int target);
    void txtASite_LostFocus(int target);
    void DateBox_GotFocus(EntryBox* box);
    bool DateOffBox_LostFocus(EntryBox* box);
    bool CheckManualEntries(EntryBox* box);

    void SetBrowseButtons();
    void SetAddingButtons();
    bool UpdateAgentList();
    void FillSiteList(const QString& databasePath);
    void ShowDashTip(const QString& text);

    BoundCursor& datagt() { return datagt_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildScreen();
    void connectHandlers();
    EntryBox* box(const QString& name, int limit, const QString& tip);
    void showCalendar(bool shown);
    EntryBox* dateBoxNamed(const QString& name) const;
    bool isOnBox(const EntryBox* box) const { return box == txtAOn1 || box == txtAOn2; }
    std::array<EntryBox*, 12> entryBoxes() const;
    void setBoxesVisible(bool visible);
    void setRecordsUsable(bool usable);
    bool CheckBeforeMoving();
    bool ChangeTest(bool clearRemembered);
    void focusBox(QWidget* box);
    void refuseWithFocus(QWidget* box);

    Program& program_;
    frmCalendar* main_;
    BoundCursor datagt_;
    EntryBoxChecks* checks_;
    bool closingByCommand_ = false;
};

} // namespace rp
