#include "editors/ui/frmSite.h"

#include "model/SlotTimesFile.h"
#include "editors/ui/EditorSupport.h"
#include "editors/ui/EntryBox.h"
#include "model/EntrySyntax.h"
#include "model/OfficeDatabase.h"
#include "model/Program.h"
#include "platform/Ui.h"
#include "platform/qt/DatePicker.h"
#include "workspace/ui/frmCalendar.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace rp {

namespace {

const QString kNumberInUse = QStringLiteral("Site number already in use.");
const QString kSitesTable = QStringLiteral("Sites");

int twips(int t) {
    return t / 15;
}

QPushButton* command(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
}

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
    : QDialog(parent), program_(program), main_(mainWindow), checks_(new EntryBoxChecks(this)) {
    setObjectName(QStringLiteral("frmSite"));
    setWindowTitle(QStringLiteral("SITE INFORMATION"));
    buildScreen();
    connectHandlers();
    datSite_.bind(txtSiteNum, QStringLiteral("fdSNum"), true);
    datSite_.bind(txtSiteName, QStringLiteral("fdSName"), false);
    datSite_.bind(txtSLink, QStringLiteral("fdLink"), false);
    for (int i = 0; i < kSlotBoxes; ++i)
        datSite_.bind(txtSlot[size_t(i)], SlotColumn(i), true);
    datSite_.bind(txtHoliday, QStringLiteral("fdSClose"), false);
    datSite_.afterUpdate = [this] { RenameSiteTimes(); };
    SetBrowseButtons();
    showCalendar(false);
}

frmSite::~frmSite() = default;

void frmSite::buildScreen() {
    Ui& ui = program_.ui;
    txtSiteNum = new EntryBox(ui, QStringLiteral("txtSiteNum"), &AnyKey, 0, this);
    txtSiteNum->setReadOnly(true);
    txtSiteNum->setFocusPolicy(Qt::NoFocus);
    txtSiteNum->setMaximumWidth(twips(600));
    txtSiteName = new EntryBox(ui, QStringLiteral("txtSiteName"), &SiteNameKey, 14, this);
    txtSiteName->onFull = [&ui] {
        ui.message(QStringLiteral("Site Name is limited to a length of 14 characters"),
                   QStringLiteral(" Limited to 14 Characters"), Icon::Information);
    };
    txtSiteName->onReplaced = [&ui] {
        ui.message(QStringLiteral("Sorry, this character is not allowed to be used in the name."),
                   QStringLiteral("Bad Character"), Icon::Information);
    };
    txtSLink = new EntryBox(ui, QStringLiteral("txtSLink"), &SiteLinkKey, 1, this);
    txtSLink->setMaximumWidth(twips(600));
    for (int i = 0; i < kSlotBoxes; ++i) {
        txtSlot[size_t(i)] = new EntryBox(ui, QStringLiteral("txtSlot_%1").arg(i), &SlotCountKey, 1, this);
        txtSlot[size_t(i)]->setMaximumWidth(twips(600));
    }
    txtHoliday = new EntryBox(ui, QStringLiteral("txtHoliday"), &DateListKey, 24, this);
    txtHoliday->onFull = [&ui] {
        ui.message(QStringLiteral("Site holiday entry is limited to a length of 24 characters"),
                   QStringLiteral(" Limited to 24 Characters"), Icon::Information);
    };
    lstSiteClick = new QListWidget(this);
    lstSiteClick->setObjectName(QStringLiteral("lstSiteClick"));

    cmdSiteAdd = command(this, "cmdSiteAdd", QStringLiteral("&ADD"));
    cmdSiteDelete = command(this, "cmdSiteDelete", QStringLiteral("&DELETE"));
    cmdSiteFind = command(this, "cmdSiteFind", QStringLiteral("&FIND"));
    cmdSiteHelp = command(this, "cmdSiteHelp", QStringLiteral("&HELP"));
    cmdSitePrev = command(this, "cmdSitePrev", QStringLiteral("<< &PREVIOUS <<"));
    cmdSiteNext = command(this, "cmdSiteNext", QStringLiteral(">> &NEXT >>"));
    cmdSiteOk = command(this, "cmdSiteOk", QStringLiteral("OK/&EXIT"));
    cmdCancel = command(this, "cmdCancel", QStringLiteral("&CANCEL ADD"));

    auto* fraName = new QGroupBox(QStringLiteral("Site Number and Site name"), this);
    auto* nameGrid = new QGridLayout(fraName);
    auto* lblNum = new QLabel(QStringLiteral("SI&TE#"), fraName);
    lblNum->setBuddy(txtSiteName);
    auto* lblName = new QLabel(QStringLiteral("&SITE NAME"), fraName);
    lblName->setBuddy(txtSiteName);
    nameGrid->addWidget(lblNum, 0, 0);
    nameGrid->addWidget(txtSiteNum, 0, 1);
    nameGrid->addWidget(lblName, 0, 2);
    nameGrid->addWidget(txtSiteName, 0, 3);

    auto* fraLink = new QGroupBox(QStringLiteral(" &Link (if any)"), this);
    auto* linkLayout = new QHBoxLayout(fraLink);
    linkLayout->addWidget(txtSLink);
    linkLayout->addStretch();

    auto* fraSlots = new QGroupBox(QStringLiteral(" Sl&ots needed for each period of the day"), this);
    auto* slotGrid = new QGridLayout(fraSlots);
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
    auto* holidayLayout = new QHBoxLayout(fraHoliday);
    holidayLayout->addWidget(txtHoliday);

    auto* fraList = new QGroupBox(QStringLiteral("Click List"), this);
    auto* listLayout = new QVBoxLayout(fraList);
    listLayout->addWidget(lstSiteClick);

    auto* left = new QVBoxLayout;
    left->addWidget(fraName);
    left->addWidget(fraLink);
    left->addWidget(fraSlots);
    left->addWidget(fraHoliday);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 3);
    top->addWidget(fraList, 1);
    auto* commands = new QHBoxLayout;
    for (QPushButton* b : {cmdSiteAdd, cmdCancel, cmdSiteDelete, cmdSiteFind, cmdSitePrev, cmdSiteNext,
                           cmdSiteHelp, cmdSiteOk})
        commands->addWidget(b);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addLayout(commands);

    CSCalSite = new DatePicker(this);
    CSCalSite->setObjectName(QStringLiteral("CSCalSite"));
    lblCalendar = new QLabel(QStringLiteral("Dbl click on calendar to remove."), this);
    lblCalendar->setObjectName(QStringLiteral("lblCalendar"));
    lblCalendar->setAutoFillBackground(true);

    QWidget* previous = txtSiteName;
    for (QWidget* w : std::initializer_list<QWidget*>{txtSLink}) {
        setTabOrder(previous, w);
        previous = w;
    }
    for (EntryBox* b : txtSlot) {
        setTabOrder(previous, b);
        previous = b;
    }
    setTabOrder(previous, txtHoliday);
    resize(twips(10400), twips(7600));
}

void frmSite::connectHandlers() {
    // Every command first runs the check of the box that has the focus.
    const auto on = [this](QPushButton* b, void (frmSite::*handler)()) {
        connect(b, &QPushButton::clicked, this, [this, handler] {
            RunHandler([this, handler] {
                if (checks_->beforeCommand())
                    (this->*handler)();
            });
        });
    };
    on(cmdSiteAdd, &frmSite::cmdSiteAdd_Click);
    on(cmdCancel, &frmSite::cmdCancel_Click);
    on(cmdSiteDelete, &frmSite::cmdSiteDelete_Click);
    on(cmdSiteFind, &frmSite::cmdSiteFind_Click);
    on(cmdSiteNext, &frmSite::cmdSiteNext_Click);
    on(cmdSitePrev, &frmSite::cmdSitePrev_Click);
    on(cmdSiteOk, &frmSite::cmdSiteOk_Click);
    on(cmdSiteHelp, &frmSite::cmdSiteHelp_Click);
    connect(lstSiteClick, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const QString entry = item->text();
        RunHandler([this, entry] {
            if (checks_->beforeCommand())
                lstSiteClick_Click(entry);
        });
    });
    connect(CSCalSite, &DatePicker::DateClick, this,
            [this] { RunHandler([this] { CSCalSite_DateClick(); }); });
    connect(CSCalSite, &DatePicker::DateDoubleClick, this, [this] { CSCalSite_DateDoubleClick(); });

    connect(txtSiteName, &EntryBox::gotFocus, this, [this] { showCalendar(false); });
    checks_->add(txtSiteName, [this] { return txtSiteName_LostFocus(); });
    connect(txtSLink, &EntryBox::gotFocus, this, [this] {
        showCalendar(false);
        SelectAfterFocus(txtSLink, 1);
    });
    checks_->add(txtSLink, [this] {
        txtSLink_LostFocus();
        return true;
    });
    for (int i = 0; i < kSlotBoxes; ++i) {
        EntryBox* b = txtSlot[size_t(i)];
        connect(b, &EntryBox::gotFocus, this, [this, b] {
            showCalendar(false);
            SelectAfterFocus(b, 1);
        });
        checks_->add(b, [this, i] {
            txtSlot_LostFocus(i);
            return true;
        });
    }
    connect(txtHoliday, &EntryBox::gotFocus, this, &frmSite::txtHoliday_GotFocus);
    connect(txtHoliday, &EntryBox::mousePressed, this, &frmSite::txtHoliday_GotFocus);
    checks_->add(txtHoliday, [this] { return txtHoliday_LostFocus(); });
    lstSiteClick->installEventFilter(this);
}

// ---------------------------------------------------------------------------------------------------------
// Opening

void frmSite::Form_Show() {
    if (main_)
        main_->SetCurrentMonthGlobals();
    CSCalSite->setMonthShown(
        QDate(program_.schedule.SchedYear.toInt(), program_.schedule.SchedMonth.toInt(), 1));
    // A draw that failed is tried again at the next opening.
    if (!datSite_.isOpen())
        Form_Paint();
    txtSiteName->setFocus(Qt::OtherFocusReason);
    Adding = false;
}

void frmSite::Form_Paint() {
    Ui& ui = program_.ui;
    ui.setBusy(true);
    try {
        datSite_.open(program_.paths.DatabasePath, kSitesTable);
        setBoxesVisible(false);
        CSCalSite->setMonthShown(
            QDate(program_.schedule.SchedYear.toInt(), program_.schedule.SchedMonth.toInt(), 1));
        Recordset& rs = datSite_.rs();
        lstSiteClick->clear();
        if (rs.recordCount() > 0) {
            rs.moveLast();
            const int count = rs.recordCount();
            rs.moveFirst();
            for (int i = 0; i < count && !rs.eof(); ++i) {
                lstSiteClick->addItem(rs.field(QStringLiteral("fdSName")).toString());
                rs.moveNext();
            }
            rs.moveFirst();
        }
        datSite_.show();
        // An office without sites starts on a new site 1.
        if (datSite_.pendingNew())
            txtSiteNum->setText(QStringLiteral("1"));
        setBoxesVisible(true);
        setRecordsUsable(true);
        ui.setBusy(false);
    } catch (const Error& e) {
        ui.setBusy(false);
        datSite_.close();
        setRecordsUsable(false);
        if (e.number == err::CannotAccessDatabase)
            ShowDatabaseAccessMessage(ui, program_.paths.DatabasePath);
        ui.message(QStringLiteral("Error: %1. #%2.").arg(e.description).arg(e.number),
                   QStringLiteral("frmSite_Paint"), Icon::Critical);
    }
}

void frmSite::setBoxesVisible(bool visible) {
    for (EntryBox* b : {txtSiteNum, txtSiteName, txtSLink, txtHoliday})
        b->setVisible(visible);
}

// Without a sites table there is no record to show or move to: only Help and OK/EXIT stay.
void frmSite::setRecordsUsable(bool usable) {
    for (EntryBox* b : {txtSiteName, txtSLink, txtHoliday})
        b->setEnabled(usable);
    for (EntryBox* b : txtSlot)
        b->setEnabled(usable);
    if (usable) {
        SetBrowseButtons();
        return;
    }
    for (QWidget* w : std::initializer_list<QWidget*>{cmdSiteAdd, cmdSiteDelete, cmdSiteFind, cmdSitePrev,
                                                      cmdSiteNext, cmdCancel, lstSiteClick})
        w->setEnabled(false);
}

// ---------------------------------------------------------------------------------------------------------
// Command states and shared steps

void frmSite::SetBrowseButtons() {
    cmdSiteAdd->setEnabled(true);
    cmdSiteDelete->setEnabled(true);
    cmdSiteFind->setEnabled(true);
    cmdSiteHelp->setEnabled(true);
    cmdSitePrev->setEnabled(true);
    cmdSiteNext->setEnabled(true);
    lstSiteClick->setEnabled(true);
    cmdCancel->setEnabled(false);
    cmdSiteOk->setEnabled(true);
}

void frmSite::SetAddingButtons() {
    cmdSiteAdd->setEnabled(true);
    cmdSiteDelete->setEnabled(false);
    cmdSiteFind->setEnabled(false);
    cmdSiteHelp->setEnabled(true);
    cmdSitePrev->setEnabled(true);
    cmdSiteNext->setEnabled(true);
    lstSiteClick->setEnabled(false);
    cmdCancel->setEnabled(true);
    cmdSiteOk->setEnabled(true);
}

void frmSite::report(const Error& e, const QString& duplicateText, const QString& otherPrefix,
                     const QString& title) {
    ReportEditorFailure(program_.ui, program_.paths.DatabasePath, e, duplicateText, otherPrefix, title,
                        false);
    if (isDuplicate(e) && duplicateText == kNumberInUse)
        txtSiteName->setFocus(Qt::OtherFocusReason);
}

bool frmSite::CheckBeforeMoving() {
    if (txtSiteName->text().size() < 2) {
        program_.ui.message(QStringLiteral("Please enter site name first."), QStringLiteral("SITE NAME"));
        txtSiteName->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}

// Find, Next and Previous first write a site being added and rebuild the list.
void frmSite::leaveAdding() {
    if (!Adding)
        return;
    Adding = false;
    UpdateSiteList();
}

bool frmSite::UpdateSiteList() {
    try {
        datSite_.moveFirst();
        lstSiteClick->clear();
        Recordset& rs = datSite_.rs();
        const Criterion all = Criterion::contains(QStringLiteral("fdSName"), QString());
        if (rs.findFirst(all)) {
            do {
                lstSiteClick->addItem(rs.field(QStringLiteral("fdSName")).toString());
            } while (rs.findNext(all));
        }
        datSite_.show();
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
            txtSiteName->setFocus(Qt::OtherFocusReason);
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
    if (!datSite_.isOpen())
        return;
    if (txtSiteName->text().size() < 2) {
        program_.ui.message(QStringLiteral("Name Required."));
        txtSiteName->setFocus(Qt::OtherFocusReason);
        return;
    }
    int number = 0;
    try {
        // Moving to the first site writes the shown one: when the table refuses it, the editor stays as
        // it was, browsing (or adding the new site it already had).
        datSite_.moveFirst();
        QList<int> numbers;
        Recordset& rs = datSite_.rs();
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
    cmdCancel->setEnabled(true);
    SetAddingButtons();
    try {
        datSite_.startNew();
        txtSiteNum->setText(QString::number(number));
        txtSiteName->setFocus(Qt::OtherFocusReason);
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
    // Only a new site not yet written can be discarded.
    if (!Adding || !datSite_.pendingNew())
        return;
    SetBrowseButtons();
    try {
        datSite_.forgetShown();
        datSite_.moveLast();
        Adding = false;
        UpdateSiteList();
    } catch (const Error& e) {
        report(e, kNumberInUse, QStringLiteral("Error"), QStringLiteral("EXIT/OK"));
    }
}

void frmSite::cmdSiteDelete_Click() {
    if (Adding || !datSite_.isOpen())
        return;
    Ui& ui = program_.ui;
    if (datSite_.count() <= 1) {
        ui.message(QStringLiteral("Cannot delete last record, Edit only"), QStringLiteral("LAST RECORD"));
        cmdSiteNext->setEnabled(false);
        cmdSitePrev->setEnabled(false);
        return;
    }
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
        Recordset& rs = datSite_.rs();
        const QString number = rs.field(QStringLiteral("fdSNum")).toString();
        const QString name = rs.field(QStringLiteral("fdSName")).toString();
        rs.deleteCurrent();
        datSite_.forgetShown();
        DeleteSiteTimesFiles(program_.paths.AppFolder, number, name);
    });
    step([&] { datSite_.moveLast(); });
    UpdateSiteList();
}

void frmSite::cmdSiteFind_Click() {
    if (!datSite_.isOpen() || !CheckBeforeMoving())
        return;
    try {
        leaveAdding();
        datSite_.moveFirst();
        const QString answer = program_.ui.input(QStringLiteral("Which Site?")).value_or(QString());
        Recordset& rs = datSite_.rs();
        const Criterion c = Criterion::contains(QStringLiteral("fdSName"), answer);
        if (rs.findFirst(c)) {
            while (rs.findNext(c)) {
            }
        }
        datSite_.show();
        SetBrowseButtons();
    } catch (const Error& e) {
        report(e, kNumberInUse, QStringLiteral("Error"), QStringLiteral("FIND"));
    }
}

void frmSite::cmdSiteNext_Click() {
    if (!datSite_.isOpen() || !CheckBeforeMoving())
        return;
    try {
        leaveAdding();
        SetBrowseButtons();
        if (!datSite_.rs().eof())
            datSite_.moveNext();
        cmdSitePrev->setEnabled(true);
        if (datSite_.rs().eof()) {
            datSite_.moveLast();
            cmdSiteNext->setEnabled(false);
        }
    } catch (const Error& e) {
        report(e, QStringLiteral("Error:%1. Site Next.").arg(e.number),
               QStringLiteral("Error:%1. ").arg(e.number), QStringLiteral("NEXT"));
    }
}

void frmSite::cmdSitePrev_Click() {
    if (!datSite_.isOpen() || !CheckBeforeMoving())
        return;
    try {
        leaveAdding();
        if (!datSite_.rs().bof())
            datSite_.movePrevious();
        SetBrowseButtons();
        if (datSite_.rs().bof()) {
            datSite_.moveFirst();
            cmdSitePrev->setEnabled(false);
        }
    } catch (const Error& e) {
        report(e, QStringLiteral("Error:%1. Site Previous.").arg(e.number), QStringLiteral("Error"),
               QStringLiteral("PREVIOUS"));
    }
}

void frmSite::cmdSiteOk_Click() {
    if (!datSite_.isOpen()) {
        // Nothing was drawn, so there is nothing to write.
        showCalendar(false);
        closingByCommand_ = true;
        reject();
        closingByCommand_ = false;
        return;
    }
    if (!CheckBeforeMoving())
        return;
    try {
        UpdateSiteList();
        SetBrowseButtons();
        datSite_.moveLast();
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
        closingByCommand_ = true;
        accept();
        closingByCommand_ = false;
    } catch (const Error& e) {
        report(e, kNumberInUse, QStringLiteral("Error: "), QStringLiteral("EXIT/OK"));
    }
}

void frmSite::cmdSiteHelp_Click() {
    const QString file = program_.paths.file(QStringLiteral("help/sitehlp.txt"));
    if (showHelp)
        showHelp(file);
    else
        program_.ui.message(QStringLiteral("Not available yet."));
}

void frmSite::lstSiteClick_Click(const QString& entry) {
    if (Adding || !datSite_.isOpen())
        return;
    try {
        datSite_.moveFirst();
        datSite_.rs().findFirst(Criterion::equals(QStringLiteral("fdSName"), entry));
        datSite_.show();
    } catch (const Error& e) {
        report(e, kNumberInUse, QStringLiteral("Error: "), QStringLiteral("lstSiteClick"));
    }
}

// ---------------------------------------------------------------------------------------------------------
// Focus rules

bool frmSite::txtSiteName_LostFocus() {
    if (!Adding && txtSiteName->text().size() < 2) {
        program_.ui.message(QStringLiteral("Please enter SITE NAME"), QStringLiteral("SITE NAME"));
        checks_->refuse(txtSiteName);
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
    PlaceBeside(CSCalSite, txtHoliday);
    lblCalendar->adjustSize();
    lblCalendar->move(CSCalSite->x(), CSCalSite->y() + CSCalSite->height());
    showCalendar(true);
}

bool frmSite::txtHoliday_LostFocus() {
    if (IsBlankText(txtHoliday->text()))
        txtHoliday->setText(kBlankField);
    QString text = txtHoliday->text();
    if (!CheckDateList(text, program_.ui)) {
        checks_->refuse(txtHoliday);
        return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------------------------
// Date picking

void frmSite::showCalendar(bool shown) {
    CSCalSite->setVisible(shown);
    lblCalendar->setVisible(shown);
    if (shown) {
        CSCalSite->raise();
        lblCalendar->raise();
    }
}

void frmSite::CSCalSite_DateClick() {
    if (txtHoliday->text().size() > 74) {
        program_.ui.beep();
        return;
    }
    txtHoliday->setText(AppendDay(txtHoliday->text(), CSCalSite->ClickedDay()));
    txtHoliday->end(false);
    ShowDashTip(txtHoliday->text());
    txtHoliday->setFocus(Qt::OtherFocusReason);
}

void frmSite::CSCalSite_DateDoubleClick() {
    if (txtHoliday->text().size() > 1)
        txtHoliday->setText(txtHoliday->text().chopped(2));
    showCalendar(false);
}

void frmSite::ShowDashTip(const QString& text) {
    rp::ShowDashTip(program_.ui, DashTipShown, text);
}

// ---------------------------------------------------------------------------------------------------------
// Times files

// The shown site was written: when its name changed, its times files take the new name.
void frmSite::RenameSiteTimes() {
    try {
        RenameSiteTimesFiles(program_.paths.AppFolder, datSite_.shownText(txtSiteNum),
                             datSite_.shownText(txtSiteName), txtSiteName->text());
    } catch (const Error& e) {
        program_.ui.message(QStringLiteral("Error: %1. %2. The slot times stay under the old site name.")
                                .arg(e.number)
                                .arg(e.description),
                            QStringLiteral("frmSite.RenameSiteTimes"), Icon::Information);
    }
}

// ---------------------------------------------------------------------------------------------------------
// Window events

bool frmSite::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lstSiteClick && event->type() == QEvent::FocusIn)
        showCalendar(false);
    return QDialog::eventFilter(watched, event);
}

void frmSite::closeEvent(QCloseEvent* event) {
    // Closing the window is leaving it with OK/EXIT, so the shown site is written (or the window stays).
    if (closingByCommand_ || !isVisible()) {
        QDialog::closeEvent(event);
        return;
    }
    event->ignore();
    RunHandler([this] {
        if (checks_->beforeCommand())
            cmdSiteOk_Click();
    });
}

void frmSite::keyPressEvent(QKeyEvent* event) {
    // Escape does not close the screen; OK/EXIT does. Without sites to show, Escape closes it too.
    if (event->key() == Qt::Key_Escape) {
        if (!datSite_.isOpen())
            close();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace rp
