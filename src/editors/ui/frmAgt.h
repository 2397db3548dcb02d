#pragma once

#include "editors/ui/RecordEditor.h"

class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace rp {

// The agent editor ("AGENT INFORMATION"): one record of the Agents table at a time, written back
// whenever the cursor leaves it; the agent list, the two site lists and the date-picking calendar.
class frmAgt : public RecordEditor {
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
    QString NameOnEntry, NameOnExit, InitialsOnEntry, InitialsOnExit;
    QString FocusedDateBox;
    int ManualSiteTarget = 1;

    // Each time the screen is shown (the first time also draws it: opens the cursor, fills the lists).
    void Form_Show();

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

    // Focus rules; a LostFocus that returns false refused the box's text (after its message).
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

    bool UpdateAgentList();
    void FillSiteList(const QString& databasePath);

    BoundCursor& datagt() { return cursor(); }

protected:
    QString listEntry(const Recordset& rs) const override;
    bool listedChanged() const override;
    QList<EntryBox*> drawnBoxes() const override;
    QList<EntryBox*> recordBoxes() const override { return drawnBoxes(); }
    void afterListFilled() override;
    void okExit() override { cmdAgtOk_Click(); }

private:
    void buildScreen();
    void connectHandlers();
    EntryBox* dateBoxNamed(const QString& name) const;
    bool isOnBox(const EntryBox* box) const { return box == txtAOn1 || box == txtAOn2; }
    bool checkBeforeMoving();
    bool changeTest(bool clearRemembered);
    bool moveBy(bool forward);
};

} // namespace rp
