#include "editors/ui/frmSite.h"

#include "editors/ui/EditorSupport.h"
#include "editors/ui/EntryBox.h"
#include "model/EntrySyntax.h"
#include "model/OfficeDatabase.h"
#include "model/Program.h"
#include "model/SlotTimesFile.h"
#include "platform/ErrorReport.h"
#include "platform/Ui.h"
#include "platform/qt/Twips.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace rp {

namespace {

const QString kNumberInUse = QStringLiteral("Site number already in use.");

const RecordEditor::Names kNames{
    .window = "frmSite",
    .title = "SITE INFORMATION",
    .table = "Sites",
    .listField = "fdSName",
    .paintTitle = "frmSite_Paint",
    .list = "lstSiteClick",
    .calendar = "CSCalSite",
    .commands = {"cmdSiteAdd", "cmdSiteDelete", "cmdSiteFind", "cmdSiteHelp", "cmdSitePrev", "cmdSiteNext",
                 "cmdSiteOk"},
};

bool isDuplicate(const Error& e) {
    return e.number == err::DuplicateKey;
}

} // namespace

QString SiteDataProblemText(const QString& description) {
    const QString nl = QStringLiteral("\r\n");
    return description + nl + nl +
           QStringLiteral("There is a data problem. Please delete your latest changes ") + nl +
           QStringLiteral("and try again. ALSO CHECK...") + nl +
           QStringLiteral("Site numbers must be entered in sequence. ") + nl +
           QStringLiteral("Press OK/EXIT, then try exiting and the restarting the program. ") + nl +
           QStringLiteral("If this does not fix the problem... ") + nl +
           QStringLiteral("Beginning with the last site, delete each site until no SITE # ") +
           QStringLiteral("is skipped between entries. Then reenter your site information.") +
           QStringLiteral(
               "You can save and print each site screen using the ALT & PrtScrn key combination. ") +
           QStringLiteral("Use this key combination on each screen you want to save, then paste into your ") +
           QStringLiteral("word processor to use as a reference as you reenter your site data.");
}

frmSite::frmSite(Program& program, frmCalendar* mainWindow, QWidget* parent)
    : RecordEditor(program, mainWindow, parent, kNames) {
    buildScreen();
    connectHandlers();
    BoundCursor& c = datSite();
    c.bind(txtSiteNum, QStringLiteral("fdSNum"), true);
    c.bind(txtSiteName, QStringLiteral("fdSName"), false);
    c.bind(txtSLink, QStringLiteral("fdLink"), false);
    for (int i = 0; i < kSlotBoxes; ++i)
        c.bind(txtSlot[size_t(i)], SlotColumn(i), true);
    c.bind(txtHoliday, QStringLiteral("fdSClose"), false);
    c.afterUpdate = [this] { renameSiteTimes(); };
    SetBrowseButtons();
}

frmSite::~frmSite() = default;

void frmSite::buildScreen() {
    Ui& ui = program_.ui;
    txtSiteNum = entryBox("txtSiteNum", &AnyKey, 0);
    txtSiteNum->setReadOnly(true);
    txtSiteNum->setFocusPolicy(Qt::NoFocus);
    txtSiteNum->setMaximumWidth(twips(600));
    txtSiteName = entryBox("txtSiteName", &SiteNameKey, kSiteNameLimit);
    txtSiteName->onFull = [&ui] {
        ui.message(QStringLiteral("Site Name is limited to a length of %1 characters").arg(kSiteNameLimit),
                   QStringLiteral(" Limited to %1 Characters").arg(kSiteNameLimit), Icon::Information);
    };
    txtSiteName->onReplaced = [&ui] {
        ui.message(QStringLiteral("Sorry, this character is not allowed to be used in the name."),
                   QStringLiteral("Bad Character"), Icon::Information);
    };
    txtSLink = entryBox("txtSLink", &SiteLinkKey, kSiteLinkLimit);
    txtSLink->setMaximumWidth(twips(600));
    for (int i = 0; i < kSlotBoxes; ++i) {
        txtSlot[size_t(i)] =
            new EntryBox(ui, QStringLiteral("txtSlot_%1").arg(i), &SlotCountKey, kSlotCountLimit, this);
        txtSlot[size_t(i)]->setMaximumWidth(twips(600));
    }
    txtHoliday = entryBox("txtHoliday", &DateListKey, kHolidayLimit);
    txtHoliday->onFull = [&ui] {
        ui.message(
            QStringLiteral("Site holiday entry is limited to a length of %1 characters").arg(kHolidayLimit),
            QStringLiteral(" Limited to %1 Characters").arg(kHolidayLimit), Icon::Information);
    };

    createControls(lstSiteClick, CSCalSite, lblCalendar,
                   {&cmdSiteAdd, &cmdSiteDelete, &cmdSiteFind, &cmdSiteHelp, &cmdSitePrev, &cmdSiteNext,
                    &cmdSiteOk, &cmdCancel});

    auto* left = new QVBoxLayout;
    QGridLayout* nameGrid = addFrame(left, QStringLiteral("Site Number and Site name"));
    addRow(nameGrid, 0, 0, QStringLiteral("SI&TE#"), txtSiteNum, txtSiteName);
    addRow(nameGrid, 0, 2, QStringLiteral("&SITE NAME"), txtSiteName);

    auto* fraLink = new QGroupBox(QStringLiteral(" &Link (if any)"), this);
    left->addWidget(fraLink);
    auto* linkLayout = new QHBoxLayout(fraLink);
    linkLayout->addWidget(txtSLink);
    linkLayout->addStretch();

    QGridLayout* slotGrid = addFrame(left, QStringLiteral(" Sl&ots needed for each period of the day"));
    QWidget* fraSlots = slotGrid->parentWidget();
    const char* const columns[] = {"AM", "PM1", "PM2"};
    const char* const ranges[] = {"0-2", "0-4", "0-2"};
    const char* const letters[] = {"(A B)", "(C D E F)", "(G H)"};
    for (int p = 0; p < 3; ++p) {
        slotGrid->addWidget(new QLabel(QLatin1String(letters[p]), fraSlots), 0, p + 1);
        slotGrid->addWidget(new QLabel(QLatin1String(ranges[p]), fraSlots), 1, p + 1);
        slotGrid->addWidget(new QLabel(QLatin1String(columns[p]), fraSlots), 2, p + 1);
    }
    const char* const days[] = {"SUN:", "MON:", "TUE:", "WED:", "THU:", "FRI:", "SAT:"};
    for (int d = 0; d < 7; ++d) {
        slotGrid->addWidget(new QLabel(QLatin1String(days[d]), fraSlots), d + 3, 0);
        for (int p = 0; p < 3; ++p)
            slotGrid->addWidget(txtSlot[size_t(3 * d + p)], d + 3, p + 1);
    }

    auto* fraHoliday = new QGroupBox(QStringLiteral("Holida&ys / Closed ( Eg.: 25 29-31 )"), this);
    left->addWidget(fraHoliday);
    (new QHBoxLayout(fraHoliday))->addWidget(txtHoliday);
    layOut(left, clickListFrame(QStringLiteral("Click List")), QSize(twips(10400), twips(7600)));

    QWidget* previous = txtSiteName;
    for (EntryBox* b : recordBoxes()) {
        if (b != txtSiteName) {
            setTabOrder(previous, b);
            previous = b;
        }
    }
}

void frmSite::connectHandlers() {
    onCommand(cmdSiteAdd, [this] { cmdSiteAdd_Click(); });
    onCommand(cmdCancel, [this] { cmdCancel_Click(); });
    onCommand(cmdSiteDelete, [this] { cmdSiteDelete_Click(); });
    onCommand(cmdSiteFind, [this] { cmdSiteFind_Click(); });
    onCommand(cmdSiteNext, [this] { cmdSiteNext_Click(); });
    onCommand(cmdSitePrev, [this] { cmdSitePrev_Click(); });
    onCommand(cmdSiteOk, [this] { cmdSiteOk_Click(); });
    onCommand(cmdSiteHelp, [this] { cmdSiteHelp_Click(); });
    onListClick([this](const QString& entry) { lstSiteClick_Click(entry); });
    onDateClicks([this] { CSCalSite_DateClick(); }, [this] { CSCalSite_DateDoubleClick(); });

    connect(txtSiteName, &EntryBox::gotFocus, this, [this] { showCalendar(false); });
    watch(txtSiteName, [this] { return txtSiteName_LostFocus(); });
    connect(txtSLink, &EntryBox::gotFocus, this, [this] {
        showCalendar(false);
        SelectAfterFocus(txtSLink, 1);
    });
    watchLeave(txtSLink, [this] { txtSLink_LostFocus(); });
    for (int i = 0; i < kSlotBoxes; ++i) {
        EntryBox* b = txtSlot[size_t(i)];
        connect(b, &EntryBox::gotFocus, this, [this, b] {
            showCalendar(false);
            SelectAfterFocus(b, 1);
        });
        watchLeave(b, [this, i] { txtSlot_LostFocus(i); });
    }
    onDateBoxFocus(txtHoliday, [this] { txtHoliday_GotFocus(); });
    watch(txtHoliday, [this] { return txtHoliday_LostFocus(); });
}

// ---------------------------------------------------------------------------------------------------------
// Opening

void frmSite::Form_Show() {
    beginShow();
    focusBox(txtSiteName);
    Adding = false;
}

QString frmSite::listEntry(const Recordset& rs) const {
    return rs.field(QStringLiteral("fdSName")).toString();
}

bool frmSite::listedChanged() const {
    return cursor().changed(txtSiteName);
}

QList<EntryBox*> frmSite::drawnBoxes() const {
    return {txtSiteNum, txtSiteName, txtSLink, txtHoliday};
}

QList<EntryBox*> frmSite::recordBoxes() const {
    QList<EntryBox*> boxes{txtSiteName, txtSLink};
    for (EntryBox* b : txtSlot)
        boxes.append(b);
    boxes.append(txtHoliday);
    return boxes;
}

// An office without sites starts on a new site 1.
void frmSite::afterFirstShow() {
    if (datSite().pendingNew())
        txtSiteNum->setText(QStringLiteral("1"));
}

// ---------------------------------------------------------------------------------------------------------
// Shared steps

void frmSite::report(const Error& e, const QString& duplicateText, const QString& otherPrefix,
                     const QString& title) {
    reportFailure(e, duplicateText, otherPrefix, title, false);
    if (isDuplicate(e) && duplicateText == kNumberInUse)
        focusBox(txtSiteName);
}

bool frmSite::checkBeforeMoving() {
    if (txtSiteName->text().size() < kShortestName) {
        program_.ui.message(QStringLiteral("Please enter site name first."), QStringLiteral("SITE NAME"));
        focusBox(txtSiteName);
        return false;
    }
    return true;
}

// Find, Next and Previous first write a site being added, or a site renamed, and rebuild the list; false
// when that write failed (and was reported).
bool frmSite::writeListedChange() {
    if (!Adding && !listedChanged())
        return true;
    Adding = false;
    return UpdateSiteList();
}

bool frmSite::UpdateSiteList() {
    try {
        rebuildList();
        return true;
    } catch (const Error& e) {
        Ui& ui = program_.ui;
        ui.setBusy(false);
        if (e.number == err::CannotAccessDatabase)
            ShowDatabaseAccessMessage(ui, program_.paths.DatabasePath);
        if (e.number == editorErr::WriteConflict)
            return true;
        const QString title = QStringLiteral("UPDATE");
        if (isDuplicate(e)) {
            ui.message(kNumberInUse, title);
            focusBox(txtSiteName);
        } else if (e.number == editorErr::UpdateCancelled) {
            ui.message(SiteDataProblemText(e.description), title);
        } else {
            ui.message(QStringLiteral("Error ") + e.description, title);
        }
        return false;
    }
}

// ---------------------------------------------------------------------------------------------------------
// Commands

void frmSite::cmdSiteAdd_Click() {
    if (!readyToAdd(txtSiteName))
        return;
    int number = 0;
    try {
        // Moving to the first site writes the shown one: when the table refuses it, the editor stays as
        // it was, browsing (or adding the new site it already had).
        datSite().moveFirst();
        QList<int> numbers;
        Recordset& rs = datSite().rs();
        for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
            if (const auto n = numberField(rs, QStringLiteral("fdSNum")))
                numbers.append(int(*n));
        }
        number = LowestFreeSiteNumber(numbers);
    } catch (const Error& e) {
        report(e, kNumberInUse, QStringLiteral("Error "), QStringLiteral("ADD"));
        return;
    }
    Adding = true;
    SetAddingButtons();
    try {
        datSite().startNew();
        txtSiteNum->setText(QString::number(number));
        focusBox(txtSiteName);
    } catch (const Error& e) {
        Adding = false;
        SetBrowseButtons();
        report(e, kNumberInUse, QStringLiteral("Error "), QStringLiteral("ADD"));
        return;
    }
    if (number > kHighestSiteNumber) {
        program_.ui.message(QStringLiteral("Sorry, nine is the maximum number of sites allowed."),
                            QStringLiteral("SITE NUMBER"));
        cmdCancel_Click();
    }
}

void frmSite::cmdCancel_Click() {
    try {
        if (cancelAdding())
            UpdateSiteList();
    } catch (const Error& e) {
        report(e, kNumberInUse, QStringLiteral("Error"), QStringLiteral("EXIT/OK"));
    }
}

void frmSite::cmdSiteDelete_Click() {
    if (Adding || !datSite().isOpen() || refuseDeletingLast())
        return;
    Ui& ui = program_.ui;
    // Each step is tried in turn; a failing one is reported and the next one follows.
    const auto step = [&](const std::function<void()>& fn) {
        try {
            fn();
        } catch (const Error& e) {
            if (e.number == err::CannotAccessDatabase)
                ShowDatabaseAccessMessage(ui, program_.paths.DatabasePath);
            ui.message(QStringLiteral("Error: %1. %2.").arg(e.number).arg(e.description),
                       QStringLiteral("cmdSiteDelete"), Icon::Information);
        }
    };
    // The record goes first; its times files follow under the number and name it held, so a record that
    // stays keeps them.
    step([&] {
        Recordset& rs = datSite().rs();
        const QString number = rs.field(QStringLiteral("fdSNum")).toString();
        const QString name = rs.field(QStringLiteral("fdSName")).toString();
        rs.deleteCurrent();
        datSite().forgetShown();
        DeleteSiteTimesFiles(program_.paths.AppFolder, number, name);
    });
    step([&] { datSite().moveLast(); });
    UpdateSiteList();
}

void frmSite::cmdSiteFind_Click() {
    if (!datSite().isOpen() || !checkBeforeMoving())
        return;
    try {
        if (!writeListedChange())
            return;
        findLast(QStringLiteral("Which Site?"));
        SetBrowseButtons();
    } catch (const Error& e) {
        report(e, kNumberInUse, QStringLiteral("Error"), QStringLiteral("FIND"));
    }
}

void frmSite::cmdSiteNext_Click() {
    if (!datSite().isOpen() || !checkBeforeMoving())
        return;
    try {
        if (!writeListedChange())
            return;
        SetBrowseButtons();
        if (!datSite().rs().eof())
            datSite().moveNext();
        cmdSitePrev->setEnabled(true);
        if (datSite().rs().eof()) {
            datSite().moveLast();
            cmdSiteNext->setEnabled(false);
            program_.ui.beep();
        }
    } catch (const Error& e) {
        report(e, QStringLiteral("Error:%1. Site Next.").arg(e.number),
               QStringLiteral("Error:%1. ").arg(e.number), QStringLiteral("NEXT"));
    }
}

void frmSite::cmdSitePrev_Click() {
    if (!datSite().isOpen() || !checkBeforeMoving())
        return;
    try {
        if (!writeListedChange())
            return;
        if (!datSite().rs().bof())
            datSite().movePrevious();
        SetBrowseButtons();
        if (datSite().rs().bof()) {
            datSite().moveFirst();
            cmdSitePrev->setEnabled(false);
            program_.ui.beep();
        }
    } catch (const Error& e) {
        report(e, QStringLiteral("Error:%1. Site Previous.").arg(e.number), QStringLiteral("Error"),
               QStringLiteral("PREVIOUS"));
    }
}

void frmSite::cmdSiteOk_Click() {
    if (closeUndrawn() || !checkBeforeMoving())
        return;
    try {
        UpdateSiteList();
        SetBrowseButtons();
        datSite().moveLast();
        if (Adding) {
            const QString nl = QStringLiteral("\r\n");
            program_.ui.message(
                QStringLiteral("To use times in place of letters on your generated schedule, select ") + nl +
                    QStringLiteral("'Settings' and then 'Schedule Times' from the main menu.") + nl + nl +
                    QStringLiteral("For Linked sites, enter times for both sites by using the site with") +
                    nl +
                    QStringLiteral("the higher site number. Example: If you have linked sites 1 and 2 ") +
                    nl + QStringLiteral("enter the times for both in site 2."),
                QStringLiteral("Times in place of Letters"), Icon::Information);
        }
        showCalendar(false);
        closeByCommand(true);
    } catch (const Error& e) {
        report(e, kNumberInUse, QStringLiteral("Error: "), QStringLiteral("EXIT/OK"));
    }
}

void frmSite::cmdSiteHelp_Click() {
    program_.openHelp(QStringLiteral("sitehlp.txt"));
}

void frmSite::lstSiteClick_Click(const QString& entry) {
    if (Adding || !datSite().isOpen())
        return;
    try {
        showListed(entry);
    } catch (const Error& e) {
        report(e, kNumberInUse, QStringLiteral("Error: "), QStringLiteral("lstSiteClick"));
    }
}

// ---------------------------------------------------------------------------------------------------------
// Focus rules

bool frmSite::txtSiteName_LostFocus() {
    if (!Adding && txtSiteName->text().size() < kShortestName) {
        program_.ui.message(QStringLiteral("Please enter SITE NAME"), QStringLiteral("SITE NAME"));
        return false;
    }
    return true;
}

void frmSite::txtSLink_LostFocus() {
    if (IsBlankText(txtSLink->text()))
        txtSLink->setText(kBlankField);
}

void frmSite::txtSlot_LostFocus(int index) {
    EntryBox* b = txtSlot[size_t(index)];
    b->setText(StoredFormOfEmptied(b->text(), kNoSlots));
}

void frmSite::txtHoliday_GotFocus() {
    showCalendarBeside(txtHoliday);
}

bool frmSite::txtHoliday_LostFocus() {
    if (IsBlankText(txtHoliday->text()))
        txtHoliday->setText(kBlankField);
    QString text = txtHoliday->text();
    return CheckDateList(text, program_.ui);
}

// ---------------------------------------------------------------------------------------------------------
// Date picking

void frmSite::CSCalSite_DateClick() {
    if (!appendClickedDay(txtHoliday, kHolidayClickRoom))
        return;
    ShowDashTip(txtHoliday->text());
    focusBox(txtHoliday);
}

void frmSite::CSCalSite_DateDoubleClick() {
    removeLastDay(txtHoliday);
}

// ---------------------------------------------------------------------------------------------------------
// Times files

// The shown site was written: when its name changed, its times files take the new name.
void frmSite::renameSiteTimes() {
    try {
        RenameSiteTimesFiles(program_.paths.AppFolder, datSite().shownText(txtSiteNum),
                             datSite().shownText(txtSiteName), txtSiteName->text());
    } catch (const Error& e) {
        program_.ui.message(QStringLiteral("Error: %1. %2. The slot times stay under the old site name.")
                                .arg(e.number)
                                .arg(e.description),
                            QStringLiteral("frmSite.renameSiteTimes"), Icon::Information);
    }
}

} // namespace rp
