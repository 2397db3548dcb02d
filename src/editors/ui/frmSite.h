#pragma once

#include "editors/EntryRules.h"
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

// The site editor ("SITE INFORMATION"): one record of the Sites table at a time, written back whenever
// the cursor leaves it; the site list and the holiday date picking. The site's times files follow it:
// renaming a site renames them, deleting it deletes them.
class frmSite : public QDialog {
    Q_OBJECT
public:
    frmSite(Program& program, frmCalendar* mainWindow, QWidget* parent = nullptr);
    ~frmSite() override;

    EntryBox* txtSiteNum;
    EntryBox* txtSiteName;
    EntryBox* txtSLink;
    // Slot box 3*(weekday-1)+period: period 0 morning, 1 first afternoon, 2 second afternoon. Their
    // object names are txtSlot_0 ... txtSlot_20.
    std::array<EntryBox*, kSlotBoxes> txtSlot{};
    EntryBox* txtHoliday;
    QListWidget* lstSiteClick;
    DatePicker* CSCalSite;
    QLabel* lblCalendar;
    QPushButton* cmdSiteAdd;
    QPushButton* cmdSiteDelete;
    QPushButton* cmdSiteFind;
    QPushButton* cmdSiteHelp;
    QPushButton* cmdSitePrev;
    QPushButton* cmdSiteNext;
    QPushButton* cmdSiteOk;
    QPushButton* cmdCancel;

    bool Adding = false;
    bool DashTipShown = false;

    std::function<void(const QString&)> showHelp;

    void Form_Show();
    void Form_Paint();

    void cmdSiteAdd_Click();
    void cmdCancel_Click();
    void cmdSiteDelete_Click();
    void cmdSiteFind_Click();
    void cmdSiteNext_Click();
    void cmdSitePrev_Click();
    void cmdSiteOk_Click();
    void cmdSiteHelp_Click();
    void lstSiteClick_Click(const QString& entry);
    void CSCalSite_DateClick();
    void CSCalSite_DateDoubleClick();

    bool txtSiteName_LostFocus();
    void txtSLink_LostFocus();
    void txtSlot_LostFocus(int index);
    bool txtHoliday_LostFocus();
    void txtHoliday_GotFocus();

    void SetBrowseButtons();
    void SetAddingButtons();
    bool UpdateSiteList();
    void ShowDashTip(const QString& text);
    void RenameSiteTimes();

    BoundCursor& datSite() { return datSite_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildScreen();
    void connectHandlers();
    void showCalendar(bool shown);
    void setBoxesVisible(bool visible);
    void setRecordsUsable(bool usable);
    bool CheckBeforeMoving();
    void leaveAdding();
    void report(const Error& e, const QString& duplicateText, const QString& otherPrefix,
                const QString& title);

    Program& program_;
    frmCalendar* main_;
    BoundCursor datSite_;
    EntryBoxChecks* checks_;
    bool closingByCommand_ = false;
};

// The message shown when the store cancels a write of a site.
QString SiteDataProblemText(const QString& description);

} // namespace rp
