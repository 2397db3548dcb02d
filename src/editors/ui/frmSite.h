#pragma once

#include "editors/EntryRules.h"
#include "editors/ui/RecordEditor.h"

#include <array>

class QLabel;
class QListWidget;
class QPushButton;

namespace rp {

// The site editor ("SITE INFORMATION"): one record of the Sites table at a time, written back whenever
// the cursor leaves it; the site list and the holiday date picking. The site's times files follow it:
// renaming a site renames them, deleting it deletes them.
class frmSite : public RecordEditor {
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

    void Form_Show();

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

    bool UpdateSiteList();
    void renameSiteTimes();

    BoundCursor& datSite() { return cursor(); }

protected:
    QString listEntry(const Recordset& rs) const override;
    bool listedChanged() const override;
    QList<EntryBox*> drawnBoxes() const override;
    QList<EntryBox*> recordBoxes() const override;
    void afterFirstShow() override;
    void okExit() override { cmdSiteOk_Click(); }

private:
    void buildScreen();
    void connectHandlers();
    bool checkBeforeMoving();
    bool writeListedChange();
    void report(const Error& e, const QString& duplicateText, const QString& otherPrefix,
                const QString& title);
};

// The message shown when the store cancels a write of a site.
QString SiteDataProblemText(const QString& description);

} // namespace rp
