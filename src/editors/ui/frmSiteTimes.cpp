#include "editors/ui/frmSiteTimes.h"

#include "editors/EntryRules.h"
#include "editors/ui/EditorSupport.h"
#include "model/OfficeDatabase.h"
#include "model/Program.h"
#include "model/SlotTimesFile.h"
#include "platform/ErrorReport.h"
#include "platform/Ui.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace rp {

namespace {

const char* const kDayCaptions[] = {"S", "M", "T", "W", "Th", "F", "Sa"};
const char* const kDayLongNames[] = {"Sunday's",   "Monday's", "Tuesday's", "Wednesday's",
                                     "Thursday's", "Friday's", "Saturday's"};
const char* const kInUseProperty = "inUse";
// Each site entry keeps the number and the name as stored.
constexpr int kNumberRole = Qt::UserRole;
constexpr int kNameRole = Qt::UserRole + 1;

} // namespace

frmSiteTimes::frmSiteTimes(Program& program, QWidget* parent) : QDialog(parent), program_(program) {
    setObjectName(QStringLiteral("frmSiteTimes"));
    setWindowTitle(QStringLiteral("Show times in place of letters"));
    buildScreen();
}

frmSiteTimes::~frmSiteTimes() = default;

void frmSiteTimes::buildScreen() {
    auto* heading =
        new QLabel(QStringLiteral("Use this form to replace a Site's Slot Letters with a Time Range or "
                                  "other custom label of your choice."),
                   this);
    heading->setWordWrap(true);

    auto* fraSites = new QGroupBox(QStringLiteral(" 1. Select Site "), this);
    lstSiteNames = new QListWidget(fraSites);
    lstSiteNames->setObjectName(QStringLiteral("lstSiteNames"));
    lstSiteNames->setToolTip(QStringLiteral("Site that you want to set times for."));
    (new QVBoxLayout(fraSites))->addWidget(lstSiteNames);

    auto* fraDays = new QGroupBox(QStringLiteral(" 2. Select Day "), this);
    lstDays = new QListWidget(fraDays);
    lstDays->setObjectName(QStringLiteral("lstDays"));
    lstDays->setToolTip(QStringLiteral("Day of the week to set times for."));
    (new QVBoxLayout(fraDays))->addWidget(lstDays);

    auto* fraTimes = new QGroupBox(QStringLiteral(" 3. Enter Times "), this);
    auto* timesGrid = new QGridLayout(fraTimes);
    chkUseTimes = new QCheckBox(QStringLiteral("Use Times in place of letters."), fraTimes);
    chkUseTimes->setObjectName(QStringLiteral("chkUseTimes"));
    chkUseTimes->setToolTip(QStringLiteral("Uncheck to revert to using Slot letters."));
    timesGrid->addWidget(chkUseTimes, 0, 0, 1, 2);
    int row = 1;
    for (int i = 0; i < 8; ++i) {
        if (i == 0 || i == 2 || i == 6) {
            const char* group = i == 0 ? "AM  " : (i == 2 ? "PM1" : "PM2");
            timesGrid->addWidget(new QLabel(QLatin1String(group), fraTimes), row++, 0, 1, 2);
        }
        const QChar letter(u'A' + i);
        lblLetter[size_t(i)] = new QLabel(fraTimes);
        lblLetter[size_t(i)]->setObjectName(QStringLiteral("lblLetter_%1").arg(i));
        lblLetter[size_t(i)]->setToolTip(QStringLiteral("Time Slot in its default letter form."));
        lblLetter[size_t(i)]->setAutoFillBackground(true);
        txtTime[size_t(i)] = new QLineEdit(fraTimes);
        txtTime[size_t(i)]->setObjectName(QStringLiteral("txtTime_%1").arg(i));
        txtTime[size_t(i)]->setToolTip(
            QStringLiteral("Enter the time/text to use in place of the Letter %1.").arg(letter));
        timesGrid->addWidget(lblLetter[size_t(i)], row, 0);
        timesGrid->addWidget(txtTime[size_t(i)], row++, 1);
    }

    auto* fraDOW = new QGroupBox(
        QStringLiteral("Shortcut... Set times to be the same as this day that's already been entered. "),
        this);
    auto* dowLayout = new QHBoxLayout(fraDOW);
    for (int k = 1; k <= 7; ++k) {
        cmdDOW[size_t(k - 1)] = CommandButton(fraDOW, QStringLiteral("cmdDOW_%1").arg(k), QString());
        cmdDOW[size_t(k - 1)]->setToolTip(QStringLiteral("Set the Selected Day Times to be the same as %1.")
                                              .arg(QLatin1String(kDayLongNames[k - 1])));
        dowLayout->addWidget(cmdDOW[size_t(k - 1)]);
    }

    cmdOK = CommandButton(this, QStringLiteral("cmdOK"), QStringLiteral("OK"));
    cmdOK->setToolTip(QStringLiteral("Save changes."));
    cmdCancel = CommandButton(this, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"));
    cmdCancel->setToolTip(QStringLiteral("Do not save changes."));
    cmdHelp = CommandButton(this, QStringLiteral("cmdHelp"), QStringLiteral("Help"));

    auto* lists = new QHBoxLayout;
    lists->addWidget(fraSites, 2);
    lists->addWidget(fraDays, 1);
    lists->addWidget(fraTimes, 2);
    auto* commands = new QHBoxLayout;
    commands->addStretch();
    commands->addWidget(cmdOK);
    commands->addWidget(cmdCancel);
    commands->addWidget(cmdHelp);
    auto* all = new QVBoxLayout(this);
    all->addWidget(heading);
    all->addLayout(lists);
    all->addWidget(fraDOW);
    all->addLayout(commands);

    connect(lstDays, &QListWidget::currentRowChanged, this, [this] {
        if (!selecting_)
            lstDays_Click();
    });
    connect(lstSiteNames, &QListWidget::currentRowChanged, this, [this] {
        if (!selecting_)
            lstSiteNames_Click();
    });
    for (int i = 0; i < 8; ++i) {
        connect(txtTime[size_t(i)], &QLineEdit::textChanged, this, [this](const QString& text) {
            TimesChanged = true;
            if (!text.isEmpty())
                chkUseTimes->setChecked(true);
        });
    }
    connect(chkUseTimes, &QCheckBox::toggled, this, [this] { TimesChanged = true; });
    for (int k = 1; k <= 7; ++k)
        connect(cmdDOW[size_t(k - 1)], &QPushButton::clicked, this, [this, k] { cmdDOW_Click(k); });
    connect(cmdOK, &QPushButton::clicked, this, &frmSiteTimes::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmSiteTimes::cmdCancel_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmSiteTimes::cmdHelp_Click);
    resize(640, 520);
}

// ---------------------------------------------------------------------------------------------------------
// Loading

void frmSiteTimes::Form_Load() {
    InitLabelsAndTimes();
    GetSiteNames();
    FillDayList();
    TimesChanged = false;
}

void frmSiteTimes::Form_Activate() {
    // Each selection works as if the user had made it: Sunday first, then the first site.
    const auto select = [this](QListWidget* list) {
        selecting_ = true;
        list->setCurrentRow(0);
        selecting_ = false;
    };
    if (lstDays->count() > 0) {
        select(lstDays);
        lstDays_Click();
    }
    if (lstSiteNames->count() > 0) {
        select(lstSiteNames);
        lstSiteNames_Click();
    }
}

void frmSiteTimes::InitLabelsAndTimes() {
    for (int i = 0; i < 8; ++i) {
        lblLetter[size_t(i)]->setText(QString(QChar(u'A' + i)) + QLatin1Char('-'));
        txtTime[size_t(i)]->clear();
    }
    for (int k = 0; k < 7; ++k)
        cmdDOW[size_t(k)]->setText(QLatin1String(kDayCaptions[k]));
}

void frmSiteTimes::GetSiteNames() {
    Ui& ui = program_.ui;
    try {
        auto db = Database::open(program_.paths.DatabasePath);
        auto rs = db->openTable(QStringLiteral("Sites"));
        selecting_ = true;
        lstSiteNames->clear();
        for (; !rs->eof(); rs->moveNext()) {
            const QString number = rs->field(QStringLiteral("fdSNum")).toString();
            const QString name = rs->field(QStringLiteral("fdSName")).toString();
            auto* item = new QListWidgetItem(SiteTimesEntry(number, name), lstSiteNames);
            item->setData(kNumberRole, number);
            item->setData(kNameRole, name);
        }
        selecting_ = false;
        ui.setBusy(false);
    } catch (const Error& e) {
        selecting_ = false;
        ReportError(ui, e, QStringLiteral("GetSiteNames"), program_.paths.DatabasePath);
    }
}

void frmSiteTimes::FillDayList() {
    selecting_ = true;
    lstDays->clear();
    for (int d = 1; d <= 7; ++d)
        lstDays->addItem(TimesDayName(d));
    selecting_ = false;
}

// ---------------------------------------------------------------------------------------------------------
// Selecting a site or a day

QString frmSiteTimes::selectedSiteFile(int weekday) const {
    const QListWidgetItem* item = lstSiteNames->currentItem();
    if (!item)
        return {};
    return TimesFilePath(program_.paths.AppFolder, item->data(kNumberRole).toString(),
                         item->data(kNameRole).toString(), weekday);
}

// A file the screen cannot show is left alone: nothing is shown to edit, and OK writes nothing.
void frmSiteTimes::showNoFile() {
    TimesFile.clear();
    chkUseTimes->setChecked(false);
    for (QLineEdit* box : txtTime)
        box->clear();
    setTimesEditable(false);
}

void frmSiteTimes::setTimesEditable(bool editable) {
    chkUseTimes->setEnabled(editable);
    for (QLineEdit* box : txtTime)
        box->setEnabled(editable);
    for (QPushButton* b : cmdDOW)
        b->setEnabled(editable);
}

void frmSiteTimes::reportBadName() {
    program_.ui.message(QStringLiteral("Sorry, this character is not allowed to be used in the name."),
                        QStringLiteral("Bad Character"), Icon::Information);
}

void frmSiteTimes::lstDays_Click() {
    selectionChanged(QStringLiteral("lstDays_Click"));
}

void frmSiteTimes::lstSiteNames_Click() {
    selectionChanged(QStringLiteral("lstSiteNames_Click"));
}

void frmSiteTimes::selectionChanged(const QString& title) {
    Ui& ui = program_.ui;
    const int day = lstDays->currentRow();
    if (lstSiteNames->currentRow() < 0 || day < 0)
        return;
    const auto reportFailure = [&](const Error& e) {
        ui.message(QStringLiteral("Error #: %1 - %2.").arg(e.number).arg(e.description), title,
                   Icon::Information);
    };
    if (TimesChanged) {
        const Answer a =
            ui.message(QStringLiteral("Do you want to save your changes?"), QStringLiteral("Times Changed"),
                       Icon::Information, Buttons::YesNo, Answer::No);
        if (a == Answer::Yes) {
            try {
                SaveSiteTimes();
            } catch (const Error& e) {
                reportFailure(e);
            }
        }
    }
    try {
        const QString path = selectedSiteFile(day + 1);
        showFile(path);
        TimesFile = path;
        setTimesEditable(true);
    } catch (const Error& e) {
        // The name cannot name a file, or the file exists but cannot be read.
        if (e.number == err::BadFileName)
            reportBadName();
        else
            reportFailure(e);
        showNoFile();
    }
    SetSiteLettersInUseByDay(lstSiteNames->currentItem()->data(kNameRole).toString(), day);
    TimesChanged = false;
}

// The flag first, then the texts: a non-empty text checks the box whatever the file says.
void frmSiteTimes::showFile(const QString& path) {
    const SiteTimesRecord r = ReadSiteTimes(path);
    chkUseTimes->setChecked(r.showsTimes());
    for (int i = 0; i < 8; ++i)
        txtTime[size_t(i)]->setText(r.SlotText[size_t(i)]);
}

void frmSiteTimes::SetSiteLettersInUseByDay(const QString& siteName, int dayIndex) {
    const int weekday = dayIndex + 1;
    int counts[3] = {0, 0, 0};
    try {
        auto db = Database::open(program_.paths.DatabasePath);
        auto rs = db->openTable(QStringLiteral("Sites"));
        if (rs->findFirst(Criterion::equals(QStringLiteral("fdSName"), siteName))) {
            const char* const periods[] = {"fdAM", "fdPM", "fdEV"};
            for (int p = 0; p < 3; ++p) {
                const auto n = numberField(*rs, QLatin1String(periods[p]) + QString::number(weekday));
                counts[p] = n && *n >= 1 ? int(*n) : 0;
            }
        }
    } catch (const Error& e) {
        program_.ui.message(QStringLiteral("Error: %1 - %2.").arg(e.number).arg(e.description),
                            QStringLiteral("frmSiteTimes.SetSiteLettersInUseByDay"), Icon::Information);
    }
    const QString inUse = LettersInUse(counts[0], counts[1], counts[2]);
    const QPalette base = QApplication::palette();
    for (int i = 0; i < 8; ++i) {
        const bool marked = inUse.contains(QChar(u'A' + i));
        QPalette p = lblLetter[size_t(i)]->palette();
        p.setColor(QPalette::Window, base.color(marked ? QPalette::ToolTipBase : QPalette::Button));
        lblLetter[size_t(i)]->setPalette(p);
        lblLetter[size_t(i)]->setProperty(kInUseProperty, marked);
    }
}

bool frmSiteTimes::letterInUse(int letter) const {
    return lblLetter[size_t(letter)]->property(kInUseProperty).toBool();
}

void frmSiteTimes::SaveSiteTimes() {
    if (TimesFile.size() <= 1)
        return;
    std::array<QString, 8> texts;
    for (int i = 0; i < 8; ++i)
        texts[size_t(i)] = txtTime[size_t(i)]->text();
    WriteSiteTimes(TimesFile, chkUseTimes->isChecked(), texts);
}

// ---------------------------------------------------------------------------------------------------------
// Commands

void frmSiteTimes::cmdDOW_Click(int weekday) {
    if (!lstSiteNames->currentItem())
        return;
    try {
        showFile(selectedSiteFile(weekday));
    } catch (const Error& e) {
        program_.ui.message(QStringLiteral("Error: %1.%2").arg(e.number).arg(e.description),
                            QStringLiteral("cmdDOW_Click"), Icon::Critical);
    }
}

void frmSiteTimes::cmdOK_Click() {
    try {
        SaveSiteTimes();
    } catch (const Error& e) {
        // The screen stays open, so that nothing typed is lost.
        program_.ui.message(QStringLiteral("Error: %1 - %2.").arg(e.number).arg(e.description),
                            QStringLiteral("SaveSiteTimes"), Icon::Information);
        return;
    }
    accept();
}

void frmSiteTimes::cmdCancel_Click() {
    reject();
}

// OK has saved the changes or Cancel (or the frame button) dropped them.
void frmSiteTimes::done(int result) {
    TimesChanged = false;
    QDialog::done(result);
}

// Each time the screen is shown it starts again on Sunday and the first site.
void frmSiteTimes::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!event->spontaneous())
        RunHandler([this] { Form_Activate(); });
}

void frmSiteTimes::cmdHelp_Click() {
    program_.openHelp(QStringLiteral("timehlp.txt"));
}

} // namespace rp
