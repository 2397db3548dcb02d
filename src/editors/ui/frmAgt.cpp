#include "editors/ui/frmAgt.h"

#include "editors/ui/EditorSupport.h"
#include "editors/ui/EntryBox.h"
#include "model/EntrySyntax.h"
#include "model/Program.h"
#include "platform/ErrorReport.h"
#include "platform/Ui.h"
#include "platform/qt/Twips.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace rp {

namespace {

const QString kDuplicate = QStringLiteral("Name or initials are already in use. Please make them unique.");

const RecordEditor::Names kNames{
    .window = "frmAgt",
    .title = "AGENT INFORMATION",
    .table = "agents",
    .listField = "fdName",
    .paintTitle = "frmAgt_Paint",
    .list = "lstAgtClick",
    .calendar = "CSCalAgt",
    .commands = {"cmdagtadd", "cmdagtDelete", "cmdagtfind", "cmdagthelp", "cmdagtprev", "cmdagtnext",
                 "cmdAgtOk"},
};

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
    : RecordEditor(program, mainWindow, parent, kNames) {
    buildScreen();
    connectHandlers();
    BoundCursor& c = datagt();
    c.bind(txtName, QStringLiteral("fdName"), false);
    c.bind(txtIni, QStringLiteral("fdInitial"), false);
    c.bind(txtAssign, QStringLiteral("fdAssigned"), false);
    c.bind(txtMax, QStringLiteral("fdMaxTimes"), true);
    c.bind(txtAALL, QStringLiteral("fdOffAll"), false);
    c.bind(txtAAM, QStringLiteral("fdOffAM"), false);
    c.bind(txtAPM1, QStringLiteral("fdOffPM1"), false);
    c.bind(txtAPM2, QStringLiteral("fdOffPM2"), false);
    c.bind(txtASite1, QStringLiteral("fdManSite1"), true);
    c.bind(txtAOn1, QStringLiteral("fdManOn1"), false);
    c.bind(txtASite2, QStringLiteral("fdManSite2"), true);
    c.bind(txtAOn2, QStringLiteral("fdManOn2"), false);
    SetBrowseButtons();
}

frmAgt::~frmAgt() = default;

void frmAgt::buildScreen() {
    Ui& ui = program_.ui;
    txtName = entryBox("txtName", &AgentNameKey, kAgentNameLimit, QStringLiteral("Full Name"));
    txtName->onFull = [&ui] {
        ui.message(QStringLiteral("Agent Name is limited to a length of %1 characters").arg(kAgentNameLimit),
                   QStringLiteral(" Limited to %1 Characters").arg(kAgentNameLimit), Icon::Information);
    };
    txtIni = entryBox("txtIni", &AgentInitialsKey, kAgentInitialsLimit,
                      QStringLiteral("Initials displayed on calendar. Up to 4 characters."));
    const auto noQuotes = [&ui] { ui.message(QStringLiteral("No apostrophes or quotes")); };
    txtName->onReplaced = noQuotes;
    txtIni->onReplaced = noQuotes;
    txtAssign =
        entryBox("txtAssign", &AgentSitesKey, kAgentSitesLimit, QStringLiteral("Sites agent can work"));
    txtMax = entryBox("txtMax", &MaxTimesKey, kMaxTimesLimit, QStringLiteral("To limit agent assignments"));
    txtAALL = entryBox("txtAALL", &DateListKey, kDateOffLimit,
                       QStringLiteral("Do not schedule agent on these dates"));
    txtAAM = entryBox("txtAAM", &DateListKey, kDateOffLimit,
                      QStringLiteral("Do not schedule agent for slots a-b on these dates"));
    txtAPM1 = entryBox("txtAPM1", &DateListKey, kDateOffLimit,
                       QStringLiteral("Do not schedule agent for slots c-f on these dates"));
    txtAPM2 = entryBox("txtAPM2", &DateListKey, kDateOffLimit,
                       QStringLiteral("Do not schedule agent for slots g-h on these dates"));
    const QString siteTip = QStringLiteral("Site number for the following times on");
    const QString onTip = QStringLiteral("Schedule agent on these days and slots. Example: 1A 12G 3C");
    txtASite1 = entryBox("txtASite1", &ManualSiteKey, kManualSiteLimit, siteTip);
    txtAOn1 = entryBox("txtAOn1", &ManualOnKey, kManualOnLimit, onTip);
    txtASite2 = entryBox("txtASite2", &ManualSiteKey, kManualSiteLimit, siteTip);
    txtAOn2 = entryBox("txtAOn2", &ManualOnKey, kManualOnLimit, onTip);

    txtIni->setMaximumWidth(twips(900));
    txtMax->setMaximumWidth(twips(600));
    txtASite1->setMaximumWidth(twips(450));
    txtASite2->setMaximumWidth(twips(450));

    createControls(lstAgtClick, CSCalAgt, lblCalendar,
                   {&cmdagtadd, &cmdagtDelete, &cmdagtfind, &cmdagthelp, &cmdagtprev, &cmdagtnext, &cmdAgtOk,
                    &cmdCancel});
    lstAgtSites = siteList(this, "lstAgtSites");
    lstAgtSitesOnly = siteList(this, "lstAgtSitesOnly");

    auto* left = new QVBoxLayout;
    QGridLayout* grid = addFrame(left, QStringLiteral(" Name and Calendar Initials "));
    // NEXT has the N: the name box is the first box, reached with Shift+Tab from the initials.
    addRow(grid, 0, 0, QStringLiteral("NAME"), txtName, txtName);
    addRow(grid, 0, 2, QStringLiteral("&INITIALS"), txtIni);
    grid = addFrame(left, QStringLiteral(" Assigned Site(s) and Max duty times "));
    addRow(grid, 0, 0, QStringLiteral("&SITES ON"), txtAssign);
    addRow(grid, 0, 2, QStringLiteral("&MAX TIMES"), txtMax);
    grid->addWidget(lstAgtSites, 1, 1);
    grid = addFrame(left, QStringLiteral(" Agent cannot work ( example: 5 10-11 18)"));
    addRow(grid, 0, 0, QStringLiteral("DATES &OFF ALL: a-h"), txtAALL);
    addRow(grid, 1, 0, QStringLiteral("DATES OFF AM:  a-b"), txtAAM);
    addRow(grid, 2, 0, QStringLiteral("DATES OFF PM1: c-f"), txtAPM1);
    addRow(grid, 3, 0, QStringLiteral("DATES OFF PM2: g-h"), txtAPM2);
    grid = addFrame(left, QStringLiteral("Schedule Agent as ON: (example: 1A 12G) "));
    addRow(grid, 0, 0, QStringLiteral("SI&TE #"), txtASite1);
    addRow(grid, 0, 2, QStringLiteral(" -> TIMES ON"), txtAOn1);
    addRow(grid, 1, 0, QStringLiteral("SITE #"), txtASite2);
    addRow(grid, 1, 2, QStringLiteral(" -> TIMES ON"), txtAOn2);
    grid->addWidget(lstAgtSitesOnly, 2, 1, 1, 3);
    fraClickList = clickListFrame(QStringLiteral(" Click List"));
    layOut(left, fraClickList, QSize(twips(11400), twips(7400)));

    const QList<EntryBox*> boxes = drawnBoxes();
    for (qsizetype i = 1; i < boxes.size(); ++i)
        setTabOrder(boxes[i - 1], boxes[i]);
}

void frmAgt::connectHandlers() {
    onCommand(cmdagtadd, [this] { cmdagtadd_Click(); });
    onCommand(cmdCancel, [this] { cmdCancel_Click(); });
    onCommand(cmdagtDelete, [this] { cmdagtDelete_Click(); });
    onCommand(cmdagtfind, [this] { cmdagtfind_Click(); });
    onCommand(cmdagtnext, [this] { cmdagtnext_Click(); });
    onCommand(cmdagtprev, [this] { cmdagtprev_Click(); });
    onCommand(cmdAgtOk, [this] { cmdAgtOk_Click(); });
    onCommand(cmdagthelp, [this] { cmdagthelp_Click(); });
    onListClick([this](const QString& entry) { lstAgtClick_Click(entry); });
    // The site lists fill the box that has the focus; they run no check.
    connect(lstAgtSites, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        RunHandler([this, entry = item->text()] { lstAgtSites_Click(entry); });
    });
    connect(lstAgtSitesOnly, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        RunHandler([this, entry = item->text()] { lstAgtSitesOnly_Click(entry); });
    });
    onDateClicks([this] { CSCalAgt_DateClick(); }, [this] { CSCalAgt_DateDoubleClick(); });

    // The leave checks; the boxes without a check of their own always pass.
    connect(txtName, &EntryBox::gotFocus, this, &frmAgt::txtName_GotFocus);
    watch(txtName, [this] { return txtName_LostFocus(); });
    connect(txtIni, &EntryBox::gotFocus, this, &frmAgt::txtIni_GotFocus);
    watch(txtIni, [this] { return txtIni_LostFocus(); });
    connect(txtAssign, &EntryBox::gotFocus, this, &frmAgt::txtAssign_GotFocus);
    watchLeave(txtAssign, [this] { txtAssign_LostFocus(); });
    connect(txtMax, &EntryBox::gotFocus, this, &frmAgt::txtMax_GotFocus);
    watchLeave(txtMax, [this] { txtMax_LostFocus(); });
    connect(txtASite1, &EntryBox::gotFocus, this, [this] { txtASite_GotFocus(1); });
    watchLeave(txtASite1, [this] { txtASite_LostFocus(1); });
    connect(txtASite2, &EntryBox::gotFocus, this, [this] { txtASite_GotFocus(2); });
    watchLeave(txtASite2, [this] { txtASite_LostFocus(2); });
    for (EntryBox* b : {txtAALL, txtAAM, txtAPM1, txtAPM2, txtAOn1, txtAOn2}) {
        onDateBoxFocus(b, [this, b] { DateBox_GotFocus(b); });
        if (isOnBox(b))
            watch(b, [this, b] { return CheckManualEntries(b); });
        else
            watch(b, [this, b] { return DateOffBox_LostFocus(b); });
    }
}

// ---------------------------------------------------------------------------------------------------------
// Opening

void frmAgt::Form_Show() {
    // Drawing fills the site lists too.
    if (beginShow())
        FillSiteList(program_.paths.DatabasePath);
}

QString frmAgt::listEntry(const Recordset& rs) const {
    return AgentListEntry(rs.field(QStringLiteral("fdName")).toString(),
                          rs.field(QStringLiteral("fdInitial")).toString());
}

bool frmAgt::listedChanged() const {
    return cursor().changed(txtName) || cursor().changed(txtIni);
}

QList<EntryBox*> frmAgt::drawnBoxes() const {
    return {txtName, txtIni,  txtAssign, txtMax,  txtAALL,   txtAAM,
            txtAPM1, txtAPM2, txtASite1, txtAOn1, txtASite2, txtAOn2};
}

void frmAgt::afterListFilled() {
    FillSiteList(program_.paths.DatabasePath);
}

// ---------------------------------------------------------------------------------------------------------
// The shared steps of the moving commands

bool frmAgt::checkBeforeMoving() {
    if (txtName->text().size() < kShortestName) {
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
bool frmAgt::changeTest(bool clearRemembered) {
    const bool changed = Adding || NameOnExit != NameOnEntry || InitialsOnExit != InitialsOnEntry ||
                         datagt().changed(txtName) || datagt().changed(txtIni);
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
        rebuildList();
        return true;
    } catch (const Error& e) {
        reportFailure(e, kDuplicate, QStringLiteral("Error: "), QStringLiteral("UPDATE"));
        return false;
    }
}

// ---------------------------------------------------------------------------------------------------------
// Commands

void frmAgt::cmdagtadd_Click() {
    if (!readyToAdd(txtName))
        return;
    try {
        // The shown agent is written first: when the table refuses it, the editor stays as it was,
        // browsing (or adding the new agent it already had).
        datagt().write();
    } catch (const Error& e) {
        reportFailure(e, kDuplicate, QStringLiteral("Error "), QStringLiteral("ADD"));
        if (e.number == err::DuplicateKey || e.number == editorErr::UpdateCancelled) {
            txtIni->clear();
            focusBox(txtIni);
        }
        return;
    }
    Adding = true;
    SetAddingButtons();
    UpdateAgentList();
    try {
        datagt().startNew();
        focusBox(txtName);
    } catch (const Error& e) {
        Adding = false;
        SetBrowseButtons();
        reportFailure(e, kDuplicate, QStringLiteral("Error "), QStringLiteral("ADD"));
    }
}

void frmAgt::cmdCancel_Click() {
    try {
        if (cancelAdding())
            UpdateAgentList();
    } catch (const Error& e) {
        reportFailure(e, QStringLiteral("Agent Name or initials already in use."), QStringLiteral("Error "),
                      QStringLiteral("EXIT/OK"));
    }
}

void frmAgt::cmdagtDelete_Click() {
    if (Adding || !datagt().isOpen() || refuseDeletingLast())
        return;
    try {
        datagt().write();
        datagt().rs().deleteCurrent();
        datagt().forgetShown();
        if (!UpdateAgentList())
            return;
        datagt().moveLast();
    } catch (const Error& e) {
        reportFailure(e, kDuplicate, QStringLiteral("Error: "), QStringLiteral("DELETE"));
    }
}

void frmAgt::cmdagtfind_Click() {
    if (Adding || !datagt().isOpen() || !checkBeforeMoving())
        return;
    try {
        if (!changeTest(false))
            return;
        findLast(QStringLiteral("Which Agent?"));
        SetBrowseButtons();
    } catch (const Error& e) {
        reportFailure(e, kDuplicate, QStringLiteral("Error: "), QStringLiteral("FIND"));
    }
}

void frmAgt::cmdagtnext_Click() {
    if (!datagt().isOpen() || !checkBeforeMoving())
        return;
    try {
        if (!changeTest(true))
            return;
        SetBrowseButtons();
        datagt().moveNext();
        cmdagtprev->setEnabled(true);
        if (datagt().rs().eof()) {
            datagt().moveLast();
            cmdagtnext->setEnabled(false);
            program_.ui.beep();
        }
    } catch (const Error& e) {
        reportFailure(e, QStringLiteral("Error! ") + e.description, QStringLiteral("Error! "),
                      QStringLiteral("NEXT"));
    }
}

void frmAgt::cmdagtprev_Click() {
    if (!datagt().isOpen() || !checkBeforeMoving())
        return;
    try {
        if (!changeTest(true))
            return;
        SetBrowseButtons();
        datagt().movePrevious();
        cmdagtnext->setEnabled(true);
        if (datagt().rs().bof()) {
            datagt().moveFirst();
            cmdagtprev->setEnabled(false);
            program_.ui.beep();
        }
    } catch (const Error& e) {
        reportFailure(e, QStringLiteral("Agt initials already in use. Change was not saved."),
                      QStringLiteral("Error "), QStringLiteral("PREVIOUS"));
    }
}

void frmAgt::cmdAgtOk_Click() {
    showCalendar(false);
    if (closeUndrawn() || !checkBeforeMoving())
        return;
    try {
        if (!UpdateAgentList())
            return;
        Adding = false;
        SetBrowseButtons();
        datagt().moveLast();
        closeByCommand(true);
    } catch (const Error& e) {
        reportFailure(e, kDuplicate, QStringLiteral("Error "), QStringLiteral("EXIT/OK"));
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
    program_.openHelp(QStringLiteral("agthlp.txt"));
}

void frmAgt::lstAgtClick_Click(const QString& entry) {
    if (Adding || !datagt().isOpen())
        return;
    try {
        showListed(AgentNameOfEntry(entry));
    } catch (const Error& e) {
        reportFailure(e, kDuplicate, QStringLiteral("Error: "), QStringLiteral("Name or Initials error"));
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
        ReportError(ui, e, QStringLiteral("FillSiteList"), databasePath);
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
    if (!Adding && txtName->text().size() < kShortestName) {
        program_.ui.message(QStringLiteral("Please enter AGENT NAME"), QStringLiteral("AGENT NAME"));
        return false;
    }
    if (IsBlankText(txtIni->text())) {
        txtIni->setText(txtName->text().left(kAgentInitialsLimit));
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
    if (!Adding && txtIni->text().size() < kShortestName) {
        program_.ui.message(QStringLiteral("Please enter AGENT INITIALS"), QStringLiteral("AGENT INITIALS"));
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
    showCalendarBeside(b);
}

bool frmAgt::DateOffBox_LostFocus(EntryBox* b) {
    QString text = b->text();
    if (!CheckDateList(text, program_.ui))
        return false;
    b->setText(StoredFormOfEmptied(text, kBlankField));
    return true;
}

bool frmAgt::CheckManualEntries(EntryBox* b) {
    QString text = b->text();
    if (!CheckManualList(text, program_.ui))
        return false;
    // An empty list is stored as one blank; a filled one keeps the text as typed.
    if (IsBlankText(b->text()))
        b->setText(kBlankField);
    return true;
}

// ---------------------------------------------------------------------------------------------------------
// Date picking

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
    if (!appendClickedDay(b, isOnBox(b) ? kManualOnClickRoom : kDateOffClickRoom)) {
        if (isOnBox(b))
            program_.ui.message(QStringLiteral("Only %1 spaces and characters allowed. You may also use ON2")
                                    .arg(kManualOnLimit),
                                QStringLiteral("Maximum number of characters."));
        return;
    }
    if (!isOnBox(b))
        ShowDashTip(b->text());
    focusBox(b);
}

void frmAgt::CSCalAgt_DateDoubleClick() {
    removeLastDay(dateBoxNamed(FocusedDateBox));
}

} // namespace rp
