#include "editors/ui/frmAgt.h"

#include "editors/EntryRules.h"
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

const QString kDuplicate = QStringLiteral("Name or initials are already in use. Please make them unique.");
const QString kAgents = QStringLiteral("agents");

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

QListWidget* siteList(QWidget* parent, const char* name) {
    auto* l = new QListWidget(parent);
    l->setObjectName(QLatin1String(name));
    // The list is clicked while its box keeps the focus.
    l->setFocusPolicy(Qt::NoFocus);
    QSizePolicy p = l->sizePolicy();
    p.setRetainSizeWhenHidden(true);
    l->setSizePolicy(p);
    l->setMaximumHeight(twips(1200));
    l->hide();
    return l;
}

} // namespace

frmAgt::frmAgt(Program& program, frmCalendar* mainWindow, QWidget* parent)
    : QDialog(parent), program_(program), main_(mainWindow), checks_(new EntryBoxChecks(this)) {
    setObjectName(QStringLiteral("frmAgt"));
    setWindowTitle(QStringLiteral("AGENT INFORMATION"));
    buildScreen();
    connectHandlers();
    datagt_.bind(txtName, QStringLiteral("fdName"), false);
    datagt_.bind(txtIni, QStringLiteral("fdInitial"), false);
    datagt_.bind(txtAssign, QStringLiteral("fdAssigned"), false);
    datagt_.bind(txtMax, QStringLiteral("fdMaxTimes"), true);
    datagt_.bind(txtAALL, QStringLiteral("fdOffAll"), false);
    datagt_.bind(txtAAM, QStringLiteral("fdOffAM"), false);
    datagt_.bind(txtAPM1, QStringLiteral("fdOffPM1"), false);
    datagt_.bind(txtAPM2, QStringLiteral("fdOffPM2"), false);
    datagt_.bind(txtASite1, QStringLiteral("fdManSite1"), true);
    datagt_.bind(txtAOn1, QStringLiteral("fdManOn1"), false);
    datagt_.bind(txtASite2, QStringLiteral("fdManSite2"), true);
    datagt_.bind(txtAOn2, QStringLiteral("fdManOn2"), false);
    SetBrowseButtons();
}

frmAgt::~frmAgt() = default;

EntryBox* frmAgt::box(const QString& name, int limit, const QString& tip) {
    KeyRule rule = &DateListKey;
    if (name == QLatin1String("txtName"))
        rule = &AgentNameKey;
    else if (name == QLatin1String("txtIni"))
        rule = &AgentInitialsKey;
    else if (name == QLatin1String("txtAssign"))
        rule = &AgentSitesKey;
    else if (name == QLatin1String("txtMax"))
        rule = &MaxTimesKey;
    else if (name.startsWith(QLatin1String("txtASite")))
        rule = &ManualSiteKey;
    else if (name.startsWith(QLatin1String("txtAOn")))
        rule = &ManualOnKey;
    auto* b = new EntryBox(program_.ui, name, rule, limit, this);
    b->setToolTip(tip);
    return b;
}

void frmAgt::buildScreen() {
    Ui& ui = program_.ui;
    txtName = box(QStringLiteral("txtName"), 24, QStringLiteral("Full Name"));
    txtName->onFull = [&ui] {
        ui.message(QStringLiteral("Agent Name is limited to a length of 24 characters"),
                   QStringLiteral(" Limited to 24 Characters"), Icon::Information);
    };
    txtIni = box(QStringLiteral("txtIni"), 4,
                 QStringLiteral("Initials displayed on calendar. Up to 4 characters."));
    const auto noQuotes = [&ui] { ui.message(QStringLiteral("No apostrophes or quotes")); };
    txtName->onReplaced = noQuotes;
    txtIni->onReplaced = noQuotes;
    txtAssign = box(QStringLiteral("txtAssign"), 22, QStringLiteral("Sites agent can work"));
    txtMax = box(QStringLiteral("txtMax"), 2, QStringLiteral("To limit agent assignments"));
    txtAALL = box(QStringLiteral("txtAALL"), 43, QStringLiteral("Do not schedule agent on these dates"));
    txtAAM = box(QStringLiteral("txtAAM"), 43,
                 QStringLiteral("Do not schedule agent for slots a-b on these dates"));
    txtAPM1 = box(QStringLiteral("txtAPM1"), 43,
                  QStringLiteral("Do not schedule agent for slots c-f on these dates"));
    txtAPM2 = box(QStringLiteral("txtAPM2"), 43,
                  QStringLiteral("Do not schedule agent for slots g-h on these dates"));
    const QString siteTip = QStringLiteral("Site number for the following times on");
    const QString onTip = QStringLiteral("Schedule agent on these days and slots. Example: 1A 12G 3C");
    txtASite1 = box(QStringLiteral("txtASite1"), 1, siteTip);
    txtAOn1 = box(QStringLiteral("txtAOn1"), 27, onTip);
    txtASite2 = box(QStringLiteral("txtASite2"), 1, siteTip);
    txtAOn2 = box(QStringLiteral("txtAOn2"), 27, onTip);

    lstAgtClick = new QListWidget(this);
    lstAgtClick->setObjectName(QStringLiteral("lstAgtClick"));
    lstAgtSites = siteList(this, "lstAgtSites");
    lstAgtSitesOnly = siteList(this, "lstAgtSitesOnly");

    cmdagtadd = command(this, "cmdagtadd", QStringLiteral("&ADD"));
    cmdagtDelete = command(this, "cmdagtDelete", QStringLiteral("&DELETE"));
    cmdagtfind = command(this, "cmdagtfind", QStringLiteral("&FIND"));
    cmdagthelp = command(this, "cmdagthelp", QStringLiteral("&HELP"));
    cmdagtprev = command(this, "cmdagtprev", QStringLiteral("<< &PREVIOUS <<"));
    cmdagtnext = command(this, "cmdagtnext", QStringLiteral(">> &NEXT >>"));
    cmdAgtOk = command(this, "cmdAgtOk", QStringLiteral("OK/&EXIT"));
    cmdCancel = command(this, "cmdCancel", QStringLiteral("&CANCEL ADD"));

    auto* fraName = new QGroupBox(QStringLiteral(" Name and Calendar Initials "), this);
    auto* nameGrid = new QGridLayout(fraName);
    auto* lblName = new QLabel(QStringLiteral("&NAME"), fraName);
    lblName->setBuddy(txtName);
    auto* lblIni = new QLabel(QStringLiteral("&INITIALS"), fraName);
    lblIni->setBuddy(txtIni);
    nameGrid->addWidget(lblName, 0, 0);
    nameGrid->addWidget(txtName, 0, 1);
    nameGrid->addWidget(lblIni, 0, 2);
    nameGrid->addWidget(txtIni, 0, 3);
    txtIni->setMaximumWidth(twips(900));

    auto* fraSites = new QGroupBox(QStringLiteral(" Assigned Site(s) and Max duty times "), this);
    auto* sitesGrid = new QGridLayout(fraSites);
    auto* lblSites = new QLabel(QStringLiteral("&SITES ON"), fraSites);
    lblSites->setBuddy(txtAssign);
    auto* lblMax = new QLabel(QStringLiteral("&MAX TIMES"), fraSites);
    lblMax->setBuddy(txtMax);
    sitesGrid->addWidget(lblSites, 0, 0);
    sitesGrid->addWidget(txtAssign, 0, 1);
    sitesGrid->addWidget(lblMax, 0, 2);
    sitesGrid->addWidget(txtMax, 0, 3);
    sitesGrid->addWidget(lstAgtSites, 1, 1);
    txtMax->setMaximumWidth(twips(600));

    auto* fraOff = new QGroupBox(QStringLiteral(" Agent cannot work ( example: 5 10-11 18)"), this);
    auto* offGrid = new QGridLayout(fraOff);
    auto* lblOffAll = new QLabel(QStringLiteral("DATES &OFF ALL: a-h"), fraOff);
    lblOffAll->setBuddy(txtAALL);
    offGrid->addWidget(lblOffAll, 0, 0);
    offGrid->addWidget(txtAALL, 0, 1);
    offGrid->addWidget(new QLabel(QStringLiteral("DATES OFF AM:  a-b"), fraOff), 1, 0);
    offGrid->addWidget(txtAAM, 1, 1);
    offGrid->addWidget(new QLabel(QStringLiteral("DATES OFF PM1: c-f"), fraOff), 2, 0);
    offGrid->addWidget(txtAPM1, 2, 1);
    offGrid->addWidget(new QLabel(QStringLiteral("DATES OFF PM2: g-h"), fraOff), 3, 0);
    offGrid->addWidget(txtAPM2, 3, 1);

    auto* fraOn = new QGroupBox(QStringLiteral("Schedule Agent as ON: (example: 1A 12G) "), this);
    auto* onGrid = new QGridLayout(fraOn);
    auto* lblSite1 = new QLabel(QStringLiteral("SI&TE #"), fraOn);
    lblSite1->setBuddy(txtASite1);
    onGrid->addWidget(lblSite1, 0, 0);
    onGrid->addWidget(txtASite1, 0, 1);
    onGrid->addWidget(new QLabel(QStringLiteral(" -> TIMES ON"), fraOn), 0, 2);
    onGrid->addWidget(txtAOn1, 0, 3);
    onGrid->addWidget(new QLabel(QStringLiteral("SITE #"), fraOn), 1, 0);
    onGrid->addWidget(txtASite2, 1, 1);
    onGrid->addWidget(new QLabel(QStringLiteral(" -> TIMES ON"), fraOn), 1, 2);
    onGrid->addWidget(txtAOn2, 1, 3);
    onGrid->addWidget(lstAgtSitesOnly, 2, 1, 1, 3);
    txtASite1->setMaximumWidth(twips(450));
    txtASite2->setMaximumWidth(twips(450));

    fraClickList = new QGroupBox(QStringLiteral(" Click List"), this);
    auto* listLayout = new QVBoxLayout(fraClickList);
    listLayout->addWidget(lstAgtClick);

    auto* left = new QVBoxLayout;
    left->addWidget(fraName);
    left->addWidget(fraSites);
    left->addWidget(fraOff);
    left->addWidget(fraOn);
    auto* top = new QHBoxLayout;
    top->addLayout(left, 3);
    top->addWidget(fraClickList, 1);
    auto* commands = new QHBoxLayout;
    for (QPushButton* b :
         {cmdagtadd, cmdCancel, cmdagtDelete, cmdagtfind, cmdagtprev, cmdagtnext, cmdagthelp, cmdAgtOk})
        commands->addWidget(b);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top);
    all->addLayout(commands);

    // The calendar floats above the screen beside the box it writes into.
    CSCalAgt = new DatePicker(this);
    CSCalAgt->setObjectName(QStringLiteral("CSCalAgt"));
    CSCalAgt->hide();
    lblCalendar = new QLabel(QStringLiteral("Dbl click on calendar to remove."), this);
    lblCalendar->setObjectName(QStringLiteral("lblCalendar"));
    lblCalendar->setAutoFillBackground(true);
    lblCalendar->hide();

    setTabOrder(txtName, txtIni);
    setTabOrder(txtIni, txtAssign);
    setTabOrder(txtAssign, txtMax);
    setTabOrder(txtMax, txtAALL);
    setTabOrder(txtAALL, txtAAM);
    setTabOrder(txtAAM, txtAPM1);
    setTabOrder(txtAPM1, txtAPM2);
    setTabOrder(txtAPM2, txtASite1);
    setTabOrder(txtASite1, txtAOn1);
    setTabOrder(txtAOn1, txtASite2);
    setTabOrder(txtASite2, txtAOn2);
    resize(twips(11400), twips(7400));
}

void frmAgt::connectHandlers() {
    // Every command first runs the check of the box that has the focus.
    const auto on = [this](QPushButton* b, void (frmAgt::*handler)()) {
        connect(b, &QPushButton::clicked, this, [this, handler] {
            RunHandler([this, handler] {
                if (checks_->beforeCommand())
                    (this->*handler)();
            });
        });
    };
    on(cmdagtadd, &frmAgt::cmdagtadd_Click);
    on(cmdCancel, &frmAgt::cmdCancel_Click);
    on(cmdagtDelete, &frmAgt::cmdagtDelete_Click);
    on(cmdagtfind, &frmAgt::cmdagtfind_Click);
    on(cmdagtnext, &frmAgt::cmdagtnext_Click);
    on(cmdagtprev, &frmAgt::cmdagtprev_Click);
    on(cmdAgtOk, &frmAgt::cmdAgtOk_Click);
    on(cmdagthelp, &frmAgt::cmdagthelp_Click);
    const auto onList = [this](QListWidget* l, void (frmAgt::*handler)(const QString&)) {
        connect(l, &QListWidget::itemClicked, this, [this, handler](QListWidgetItem* item) {
            const QString entry = item->text();
            RunHandler([this, handler, entry] { (this->*handler)(entry); });
        });
    };
    connect(lstAgtClick, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const QString entry = item->text();
        RunHandler([this, entry] {
            if (checks_->beforeCommand())
                lstAgtClick_Click(entry);
        });
    });
    onList(lstAgtSites, &frmAgt::lstAgtSites_Click);
    onList(lstAgtSitesOnly, &frmAgt::lstAgtSitesOnly_Click);
    connect(CSCalAgt, &DatePicker::DateClick, this, [this] { RunHandler([this] { CSCalAgt_DateClick(); }); });
    connect(CSCalAgt, &DatePicker::DateDoubleClick, this, [this] { CSCalAgt_DateDoubleClick(); });

    // The leave checks; the boxes without a check of their own always pass.
    const auto always = [](const std::function<void()>& leave) {
        return [leave] {
            leave();
            return true;
        };
    };
    connect(txtName, &EntryBox::gotFocus, this, &frmAgt::txtName_GotFocus);
    checks_->add(txtName, [this] { return txtName_LostFocus(); });
    connect(txtIni, &EntryBox::gotFocus, this, &frmAgt::txtIni_GotFocus);
    checks_->add(txtIni, [this] { return txtIni_LostFocus(); });
    connect(txtAssign, &EntryBox::gotFocus, this, &frmAgt::txtAssign_GotFocus);
    checks_->add(txtAssign, always([this] { txtAssign_LostFocus(); }));
    connect(txtMax, &EntryBox::gotFocus, this, &frmAgt::txtMax_GotFocus);
    checks_->add(txtMax, always([this] { txtMax_LostFocus(); }));
    connect(txtASite1, &EntryBox::gotFocus, this, [this] { txtASite_GotFocus(1); });
    checks_->add(txtASite1, always([this] { txtASite_LostFocus(1); }));
    connect(txtASite2, &EntryBox::gotFocus, this, [this] { txtASite_GotFocus(2); });
    checks_->add(txtASite2, always([this] { txtASite_LostFocus(2); }));
    for (EntryBox* b : {txtAALL, txtAAM, txtAPM1, txtAPM2, txtAOn1, txtAOn2}) {
        connect(b, &EntryBox::gotFocus, this, [this, b] { DateBox_GotFocus(b); });
        connect(b, &EntryBox::mousePressed, this, [this, b] { DateBox_GotFocus(b); });
        if (isOnBox(b))
            checks_->add(b, [this, b] { return CheckManualEntries(b); });
        else
            checks_->add(b, [this, b] { return DateOffBox_LostFocus(b); });
    }
    lstAgtClick->installEventFilter(this);
}

// ---------------------------------------------------------------------------------------------------------
// Opening

void frmAgt::Form_Show() {
    if (main_)
        main_->SetCurrentMonthGlobals();
    const QDate first(program_.schedule.SchedYear.toInt(), program_.schedule.SchedMonth.toInt(), 1);
    CSCalAgt->setMonthShown(first);
    // Drawing fills the site lists too; a draw that failed is tried again at the next opening.
    if (datagt_.isOpen())
        FillSiteList(program_.paths.DatabasePath);
    else
        Form_Paint();
}

void frmAgt::Form_Paint() {
    Ui& ui = program_.ui;
    ui.setBusy(true);
    try {
        datagt_.open(program_.paths.DatabasePath, kAgents);
        CSCalAgt->setMonthShown(
            QDate(program_.schedule.SchedYear.toInt(), program_.schedule.SchedMonth.toInt(), 1));
        setBoxesVisible(false);
        Recordset& rs = datagt_.rs();
        lstAgtClick->clear();
        if (rs.recordCount() > 0) {
            rs.moveLast();
            const int count = rs.recordCount();
            rs.moveFirst();
            for (int i = 0; i < count && !rs.eof(); ++i) {
                lstAgtClick->addItem(AgentListEntry(rs.field(QStringLiteral("fdName")).toString(),
                                                    rs.field(QStringLiteral("fdInitial")).toString()));
                rs.moveNext();
            }
        }
        FillSiteList(program_.paths.DatabasePath);
        if (rs.recordCount() > 0)
            rs.moveFirst();
        datagt_.show();
        setBoxesVisible(true);
        setRecordsUsable(true);
        ui.setBusy(false);
    } catch (const Error& e) {
        ui.setBusy(false);
        datagt_.close();
        setRecordsUsable(false);
        if (e.number == err::CannotAccessDatabase)
            ShowDatabaseAccessMessage(ui, program_.paths.DatabasePath);
        ui.message(QStringLiteral("Error: %1. #%2.").arg(e.description).arg(e.number),
                   QStringLiteral("frmAgt_Paint"), Icon::Critical);
    }
}

std::array<EntryBox*, 12> frmAgt::entryBoxes() const {
    return {txtName, txtIni,  txtAssign, txtMax,  txtAALL,   txtAAM,
            txtAPM1, txtAPM2, txtASite1, txtAOn1, txtASite2, txtAOn2};
}

void frmAgt::setBoxesVisible(bool visible) {
    for (EntryBox* b : entryBoxes())
        b->setVisible(visible);
}

// Without an agents table there is no record to show or move to: only Help and OK/EXIT stay.
void frmAgt::setRecordsUsable(bool usable) {
    for (EntryBox* b : entryBoxes())
        b->setEnabled(usable);
    if (usable) {
        SetBrowseButtons();
        return;
    }
    for (QWidget* w : std::initializer_list<QWidget*>{cmdagtadd, cmdagtDelete, cmdagtfind, cmdagtprev,
                                                      cmdagtnext, cmdCancel, lstAgtClick})
        w->setEnabled(false);
}

// ---------------------------------------------------------------------------------------------------------
// Command states and the shared steps of the moving commands

void frmAgt::SetBrowseButtons() {
    cmdagtadd->setEnabled(true);
    cmdagtDelete->setEnabled(true);
    cmdagtfind->setEnabled(true);
    cmdagthelp->setEnabled(true);
    cmdagtprev->setEnabled(true);
    cmdagtnext->setEnabled(true);
    lstAgtClick->setEnabled(true);
    cmdCancel->setEnabled(false);
    cmdAgtOk->setEnabled(true);
}

void frmAgt::SetAddingButtons() {
    cmdagtadd->setEnabled(true);
    cmdagtDelete->setEnabled(false);
    cmdagtfind->setEnabled(false);
    cmdagthelp->setEnabled(true);
    cmdagtprev->setEnabled(true);
    cmdagtnext->setEnabled(true);
    lstAgtClick->setEnabled(false);
    cmdCancel->setEnabled(true);
    cmdAgtOk->setEnabled(true);
}

void frmAgt::focusBox(QWidget* b) {
    b->setFocus(Qt::OtherFocusReason);
}

void frmAgt::refuseWithFocus(QWidget* b) {
    checks_->refuse(b);
}

bool frmAgt::CheckBeforeMoving() {
    if (txtName->text().size() < 2) {
        program_.ui.message(QStringLiteral("Please enter Agent name first."), QStringLiteral("AGENT NAME"));
        focusBox(txtName);
        return false;
    }
    if (txtIni->text().isEmpty()) {
        program_.ui.message(QStringLiteral("Please enter Agent's Initials first."),
                            QStringLiteral("AGENT INITIALS"));
        focusBox(txtIni);
        return false;
    }
    return true;
}

// Rebuilds the list when the name or initials may have changed (or a new agent is being added).
bool frmAgt::ChangeTest(bool clearRemembered) {
    const bool changed = Adding || NameOnExit != NameOnEntry || InitialsOnExit != InitialsOnEntry ||
                         datagt_.changed(txtName) || datagt_.changed(txtIni);
    if (changed && !UpdateAgentList())
        return false;
    if (clearRemembered) {
        NameOnEntry.clear();
        NameOnExit.clear();
        InitialsOnEntry.clear();
        InitialsOnExit.clear();
    }
    Adding = false;
    return true;
}

bool frmAgt::UpdateAgentList() {
    try {
        datagt_.moveFirst();
        lstAgtClick->clear();
        Recordset& rs = datagt_.rs();
        const Criterion all = Criterion::contains(QStringLiteral("fdName"), QString());
        if (rs.findFirst(all)) {
            do {
                lstAgtClick->addItem(AgentListEntry(rs.field(QStringLiteral("fdName")).toString(),
                                                    rs.field(QStringLiteral("fdInitial")).toString()));
            } while (rs.findNext(all));
        }
        datagt_.show();
        return true;
    } catch (const Error& e) {
        ReportEditorFailure(program_.ui, program_.paths.DatabasePath, e, kDuplicate,
                            QStringLiteral("Error: "), QStringLiteral("UPDATE"));
        return false;
    }
}

// ---------------------------------------------------------------------------------------------------------
// Commands

void frmAgt::cmdagtadd_Click() {
    if (!datagt_.isOpen())
        return;
    if (txtName->text().size() < 2) {
        program_.ui.message(QStringLiteral("Name Required."));
        focusBox(txtName);
        return;
    }
    try {
        // The shown agent is written first: when the table refuses it, the editor stays as it was,
        // browsing (or adding the new agent it already had).
        datagt_.write();
    } catch (const Error& e) {
        ReportEditorFailure(program_.ui, program_.paths.DatabasePath, e, kDuplicate, QStringLiteral("Error "),
                            QStringLiteral("ADD"));
        if (e.number == err::DuplicateKey || e.number == editorErr::UpdateCancelled) {
            txtIni->clear();
            focusBox(txtIni);
        }
        return;
    }
    Adding = true;
    cmdCancel->setEnabled(true);
    SetAddingButtons();
    UpdateAgentList();
    try {
        datagt_.startNew();
        focusBox(txtName);
    } catch (const Error& e) {
        Adding = false;
        SetBrowseButtons();
        ReportEditorFailure(program_.ui, program_.paths.DatabasePath, e, kDuplicate, QStringLiteral("Error "),
                            QStringLiteral("ADD"));
    }
}

void frmAgt::cmdCancel_Click() {
    // Only a new agent not yet written can be discarded.
    if (!Adding || !datagt_.pendingNew())
        return;
    SetBrowseButtons();
    try {
        datagt_.forgetShown();
        datagt_.moveLast();
        Adding = false;
        UpdateAgentList();
    } catch (const Error& e) {
        ReportEditorFailure(program_.ui, program_.paths.DatabasePath, e,
                            QStringLiteral("Agent Name or initials already in use."),
                            QStringLiteral("Error "), QStringLiteral("EXIT/OK"));
    }
}

void frmAgt::cmdagtDelete_Click() {
    if (Adding || !datagt_.isOpen())
        return;
    if (datagt_.count() <= 1) {
        program_.ui.message(QStringLiteral("Cannot delete last record, Edit only"),
                            QStringLiteral("LAST RECORD"));
        cmdagtnext->setEnabled(false);
        cmdagtprev->setEnabled(false);
        return;
    }
    try {
        datagt_.write();
        datagt_.rs().deleteCurrent();
        datagt_.forgetShown();
        if (!UpdateAgentList())
            return;
        datagt_.moveLast();
    } catch (const Error& e) {
        ReportEditorFailure(program_.ui, program_.paths.DatabasePath, e, kDuplicate,
                            QStringLiteral("Error: "), QStringLiteral("DELETE"));
    }
}

void frmAgt::cmdagtfind_Click() {
    if (Adding || !datagt_.isOpen() || !CheckBeforeMoving())
        return;
    try {
        if (!ChangeTest(false))
            return;
        datagt_.moveFirst();
        const QString answer = program_.ui.input(QStringLiteral("Which Agent?")).value_or(QString());
        Recordset& rs = datagt_.rs();
        const Criterion c = Criterion::contains(QStringLiteral("fdName"), answer);
        if (rs.findFirst(c)) {
            while (rs.findNext(c)) {
            }
        }
        datagt_.show();
    } catch (const Error& e) {
        ReportEditorFailure(program_.ui, program_.paths.DatabasePath, e, kDuplicate,
                            QStringLiteral("Error: "), QStringLiteral("FIND"));
    }
}

void frmAgt::cmdagtnext_Click() {
    if (!datagt_.isOpen() || !CheckBeforeMoving())
        return;
    try {
        if (!ChangeTest(true))
            return;
        SetBrowseButtons();
        datagt_.moveNext();
        cmdagtprev->setEnabled(true);
        if (datagt_.rs().eof()) {
            datagt_.moveLast();
            cmdagtnext->setEnabled(false);
        }
    } catch (const Error& e) {
        ReportEditorFailure(program_.ui, program_.paths.DatabasePath, e,
                            QStringLiteral("Error! ") + e.description, QStringLiteral("Error! "),
                            QStringLiteral("NEXT"));
    }
}

void frmAgt::cmdagtprev_Click() {
    if (!datagt_.isOpen() || !CheckBeforeMoving())
        return;
    try {
        if (!ChangeTest(true))
            return;
        SetBrowseButtons();
        datagt_.movePrevious();
        cmdagtnext->setEnabled(true);
        if (datagt_.rs().bof()) {
            datagt_.moveFirst();
            cmdagtprev->setEnabled(false);
        }
    } catch (const Error& e) {
        ReportEditorFailure(program_.ui, program_.paths.DatabasePath, e,
                            QStringLiteral("Agt initials already in use. Change was not saved."),
                            QStringLiteral("Error "), QStringLiteral("PREVIOUS"));
    }
}

void frmAgt::cmdAgtOk_Click() {
    showCalendar(false);
    if (!datagt_.isOpen()) {
        // Nothing was drawn, so there is nothing to write.
        closingByCommand_ = true;
        reject();
        closingByCommand_ = false;
        return;
    }
    if (!CheckBeforeMoving())
        return;
    try {
        if (!UpdateAgentList())
            return;
        Adding = false;
        SetBrowseButtons();
        datagt_.moveLast();
        closingByCommand_ = true;
        accept();
        closingByCommand_ = false;
    } catch (const Error& e) {
        ReportEditorFailure(program_.ui, program_.paths.DatabasePath, e, kDuplicate, QStringLiteral("Error "),
                            QStringLiteral("EXIT/OK"));
        if (e.number == err::DuplicateKey || e.number == editorErr::UpdateCancelled) {
            for (QWidget* w : std::initializer_list<QWidget*>{cmdagtDelete, cmdagtprev, cmdagtnext,
                                                              cmdagtfind, cmdagtadd, lstAgtClick})
                w->setEnabled(false);
            txtIni->clear();
            focusBox(txtIni);
        }
    }
}

void frmAgt::cmdagthelp_Click() {
    const QString file = program_.paths.file(QStringLiteral("help/agthlp.txt"));
    if (showHelp)
        showHelp(file);
    else
        program_.ui.message(QStringLiteral("Not available yet."));
}

void frmAgt::lstAgtClick_Click(const QString& entry) {
    if (Adding || !datagt_.isOpen())
        return;
    try {
        datagt_.moveFirst();
        datagt_.rs().findFirst(Criterion::equals(QStringLiteral("fdName"), AgentNameOfEntry(entry)));
        datagt_.show();
    } catch (const Error& e) {
        ReportEditorFailure(program_.ui, program_.paths.DatabasePath, e, kDuplicate,
                            QStringLiteral("Error: "), QStringLiteral("Name or Initials error"));
    }
}

// ---------------------------------------------------------------------------------------------------------
// Site lists

void frmAgt::FillSiteList(const QString& databasePath) {
    Ui& ui = program_.ui;
    try {
        auto db = Database::open(databasePath);
        auto rs = db->openTable(QStringLiteral("Sites"));
        lstAgtSites->clear();
        lstAgtSitesOnly->clear();
        while (!rs->eof()) {
            const QString entry = SiteListEntry(rs->field(QStringLiteral("fdSNum")).toString(),
                                                rs->field(QStringLiteral("fdSName")).toString());
            lstAgtSites->addItem(entry);
            lstAgtSitesOnly->addItem(entry);
            rs->moveNext();
        }
        ui.setBusy(false);
    } catch (const Error& e) {
        ui.setBusy(false);
        if (e.number == err::CannotAccessDatabase)
            ShowDatabaseAccessMessage(ui, databasePath);
        ui.message(QStringLiteral("Error: %1. #%2.").arg(e.description).arg(e.number),
                   QStringLiteral("FillSiteList"), Icon::Critical);
    }
}

void frmAgt::lstAgtSites_Click(const QString& entry) {
    if (const auto sites = SitesAfterListClick(txtAssign->text(), entry))
        txtAssign->setText(*sites);
    else
        program_.ui.beep();
    focusBox(txtAssign);
}

void frmAgt::lstAgtSitesOnly_Click(const QString& entry) {
    const auto digit = SiteDigitOfEntry(entry);
    if (!digit) {
        program_.ui.beep();
        return;
    }
    (ManualSiteTarget == 2 ? txtASite2 : txtASite1)->setText(QString(*digit));
}

// ---------------------------------------------------------------------------------------------------------
// Focus rules

void frmAgt::txtName_GotFocus() {
    NameOnEntry = txtName->text();
    showCalendar(false);
}

bool frmAgt::txtName_LostFocus() {
    NameOnExit = txtName->text();
    if (!Adding && txtName->text().size() < 2) {
        program_.ui.message(QStringLiteral("Please enter AGENT NAME"), QStringLiteral("AGENT NAME"));
        refuseWithFocus(txtName);
        return false;
    }
    if (IsBlankText(txtIni->text())) {
        txtIni->setText(txtName->text().left(4));
        txtAssign->setText(QStringLiteral("1"));
        txtMax->setText(kNoLimitMaxTimes);
    }
    return true;
}

void frmAgt::txtIni_GotFocus() {
    InitialsOnEntry = txtIni->text();
    showCalendar(false);
}

bool frmAgt::txtIni_LostFocus() {
    InitialsOnExit = txtIni->text();
    if (!Adding && txtIni->text().size() < 2) {
        program_.ui.message(QStringLiteral("Please enter AGENT INITIALS"), QStringLiteral("AGENT INITIALS"));
        refuseWithFocus(txtIni);
        return false;
    }
    txtIni->setText(StoredFormOfEmptied(txtIni->text(), kBlankField));
    return true;
}

void frmAgt::txtAssign_GotFocus() {
    lstAgtSites->show();
    showCalendar(false);
}

void frmAgt::txtAssign_LostFocus() {
    lstAgtSites->hide();
    txtAssign->setText(StoredFormOfEmptied(txtAssign->text(), kBlankField));
}

void frmAgt::txtMax_GotFocus() {
    SelectAfterFocus(txtMax, -1);
    showCalendar(false);
}

void frmAgt::txtMax_LostFocus() {
    txtMax->setText(StoredFormOfEmptied(txtMax->text(), kNoLimitMaxTimes));
}

void frmAgt::txtASite_GotFocus(int target) {
    SelectAfterFocus(target == 2 ? txtASite2 : txtASite1, 1);
    lstAgtSitesOnly->show();
    ManualSiteTarget = target;
    showCalendar(false);
}

void frmAgt::txtASite_LostFocus(int target) {
    EntryBox* b = target == 2 ? txtASite2 : txtASite1;
    lstAgtSitesOnly->hide();
    b->setText(StoredFormOfEmptied(b->text(), kNoManualSite));
}

void frmAgt::DateBox_GotFocus(EntryBox* b) {
    // The names the calendar writes into; the all-day box is known as txtAAll.
    FocusedDateBox = b == txtAALL ? QStringLiteral("txtAAll") : b->objectName();
    PlaceBeside(CSCalAgt, b);
    lblCalendar->adjustSize();
    lblCalendar->move(CSCalAgt->x(), CSCalAgt->y() + CSCalAgt->height());
    showCalendar(true);
}

bool frmAgt::DateOffBox_LostFocus(EntryBox* b) {
    QString text = b->text();
    const bool ok = CheckDateList(text, program_.ui);
    if (!ok) {
        refuseWithFocus(b);
        return false;
    }
    b->setText(StoredFormOfEmptied(text, kBlankField));
    return true;
}

bool frmAgt::CheckManualEntries(EntryBox* b) {
    QString text = b->text();
    if (!CheckManualList(text, program_.ui)) {
        refuseWithFocus(b);
        return false;
    }
    // An empty list is stored as one blank; a filled one keeps the text as typed.
    if (IsBlankText(b->text()))
        b->setText(kBlankField);
    return true;
}

// ---------------------------------------------------------------------------------------------------------
// Date picking

void frmAgt::showCalendar(bool shown) {
    CSCalAgt->setVisible(shown);
    lblCalendar->setVisible(shown);
    if (shown) {
        CSCalAgt->raise();
        lblCalendar->raise();
    }
}

EntryBox* frmAgt::dateBoxNamed(const QString& name) const {
    for (EntryBox* b : {txtAALL, txtAAM, txtAPM1, txtAPM2, txtAOn1, txtAOn2}) {
        if (b->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return b;
    }
    return nullptr;
}

void frmAgt::CSCalAgt_DateClick() {
    EntryBox* b = dateBoxNamed(FocusedDateBox);
    if (!b)
        return;
    const int day = CSCalAgt->ClickedDay();
    if (isOnBox(b)) {
        if (b->text().size() > 26) {
            program_.ui.beep();
            program_.ui.message(QStringLiteral("Only 27 spaces and characters allowed. You may also use ON2"),
                                QStringLiteral("Maximum number of characters."));
            return;
        }
    } else if (b->text().size() > 39) {
        program_.ui.beep();
        return;
    }
    b->setText(AppendDay(b->text(), day));
    b->end(false);
    if (!isOnBox(b))
        ShowDashTip(b->text());
    focusBox(b);
}

void frmAgt::CSCalAgt_DateDoubleClick() {
    if (EntryBox* b = dateBoxNamed(FocusedDateBox); b && b->text().size() > 1)
        b->setText(b->text().chopped(2));
    showCalendar(false);
}

void frmAgt::ShowDashTip(const QString& text) {
    rp::ShowDashTip(program_.ui, DashTipShown, text);
}

// ---------------------------------------------------------------------------------------------------------
// Window events

bool frmAgt::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lstAgtClick && event->type() == QEvent::FocusIn)
        showCalendar(false);
    return QDialog::eventFilter(watched, event);
}

void frmAgt::closeEvent(QCloseEvent* event) {
    // Closing the window is leaving it with OK/EXIT, so the shown agent is written (or the window stays).
    if (closingByCommand_ || !isVisible()) {
        QDialog::closeEvent(event);
        return;
    }
    event->ignore();
    RunHandler([this] {
        if (checks_->beforeCommand())
            cmdAgtOk_Click();
    });
}

void frmAgt::keyPressEvent(QKeyEvent* event) {
    // Escape does not close the screen; OK/EXIT does. Without agents to show, Escape closes it too.
    if (event->key() == Qt::Key_Escape) {
        if (!datagt_.isOpen())
            close();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace rp
