#include "workspace/ui/frmPersonalCalendar.h"

#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/Ui.h"
#include "platform/qt/LeaveChecks.h"
#include "workspace/PersonalCalendar.h"
#include "workspace/Workspace.h"

#include <QComboBox>
#include <QFile>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace rp {

frmPersonalCalendar::frmPersonalCalendar(Ui& ui, Workspace& workspace, QString appFolder, Actions actions,
                                         QWidget* parent)
    : QDialog(parent), ui_(ui), workspace_(workspace), appFolder_(std::move(appFolder)),
      actions_(std::move(actions)), today_(QDate::currentDate()) {
    setObjectName(QStringLiteral("frmPersonalCalendar"));
    setWindowTitle(QStringLiteral("Personal Calendar"));
    setModal(true);
    frmCustom = new QGroupBox(QStringLiteral("Create / Retrieve your own Calendar"), this);
    frmCustom->setObjectName(QStringLiteral("frmCustom"));
    cboCustomMonth = new QComboBox(frmCustom);
    cboCustomMonth->setObjectName(QStringLiteral("cboCustomMonth"));
    cboCustomMonth->setEditable(true);
    cboCustomMonth->setInsertPolicy(QComboBox::NoInsert);
    cboCustomMonth->setToolTip(QStringLiteral("Personal Calendar month."));
    cboCustomYear = new QComboBox(frmCustom);
    cboCustomYear->setObjectName(QStringLiteral("cboCustomYear"));
    cboCustomYear->setEditable(true);
    cboCustomYear->setInsertPolicy(QComboBox::NoInsert);
    cboCustomYear->setToolTip(QStringLiteral("Personal Calendar year."));
    lblMonth = new QLabel(QStringLiteral("&Month"), frmCustom);
    lblMonth->setObjectName(QStringLiteral("lblMonth"));
    lblMonth->setBuddy(cboCustomMonth);
    lblYear = new QLabel(QStringLiteral("&Year"), frmCustom);
    lblYear->setObjectName(QStringLiteral("lblYear"));
    lblYear->setBuddy(cboCustomYear);
    cmdLoad = new QPushButton(QStringLiteral("&OK"), this);
    cmdLoad->setObjectName(QStringLiteral("cmdLoad"));
    cmdLoad->setToolTip(QStringLiteral("Retrieve or create a Personal Calendar."));
    cmdLoad->setDefault(true);
    cmdExit = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    cmdExit->setToolTip(QStringLiteral("Cancel any changes made to Month and Year."));
    cmdErase = new QPushButton(QStringLiteral("&Erase this months data"), this);
    cmdErase->setObjectName(QStringLiteral("cmdErase"));
    cmdErase->setToolTip(QStringLiteral("Clear all data from the month shown on this dialogue box."));

    auto* grid = new QGridLayout(frmCustom);
    grid->addWidget(lblMonth, 0, 0);
    grid->addWidget(cboCustomMonth, 0, 1);
    grid->addWidget(lblYear, 1, 0);
    grid->addWidget(cboCustomYear, 1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdLoad);
    buttons->addWidget(cmdExit);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frmCustom);
    layout->addLayout(buttons);
    layout->addWidget(cmdErase);

    checks_ = new LeaveChecks(this);
    checks_->watch(cboCustomMonth, [this] { return cboCustomMonth_LostFocus(); });
    checks_->watch(cboCustomYear, [this] { return cboCustomYear_LostFocus(); });
    checks_->exempt(cmdExit);
    connect(cmdLoad, &QPushButton::clicked, this, &frmPersonalCalendar::cmdLoad_Click);
    connect(cmdExit, &QPushButton::clicked, this, &frmPersonalCalendar::cmdExit_Click);
    connect(cmdErase, &QPushButton::clicked, this, &frmPersonalCalendar::cmdErase_Click);
}

void frmPersonalCalendar::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    load();
    checks_->reset();
}

void frmPersonalCalendar::load() {
    cboCustomMonth->clear();
    for (int m = 1; m <= 12; ++m)
        cboCustomMonth->addItem(QString::number(m));
    cboCustomYear->clear();
    for (int y = today_.year() - 1; y <= today_.year() + 1; ++y)
        cboCustomYear->addItem(QString::number(y));
    const PersonalMonth last = ReadLastCalendar(appFolder_, today_);
    cboCustomMonth->setEditText(last.monthText());
    cboCustomYear->setEditText(last.yearText());
}

bool frmPersonalCalendar::cboCustomMonth_LostFocus() {
    if (IsValidMonthText(cboCustomMonth->currentText()))
        return true;
    ui_.message(QStringLiteral("Please insert a month in this field."),
                QStringLiteral("Numeric Month Required"));
    return false;
}

bool frmPersonalCalendar::cboCustomYear_LostFocus() {
    if (IsValidYearText(cboCustomYear->currentText()))
        return true;
    ui_.message(QStringLiteral("Please insert a year in this field."),
                QStringLiteral("Numeric Year Required"));
    return false;
}

bool frmPersonalCalendar::entriesPass() {
    // The box being typed in is checked first; texts the program put in are checked as well.
    return checks_->pass() && cboCustomMonth_LostFocus() && cboCustomYear_LostFocus();
}

void frmPersonalCalendar::cmdLoad_Click() {
    if (!entriesPass())
        return;
    if (workspace_.state.IsExampleSchedule && actions_.exitExample)
        actions_.exitExample();
    workspace_.state.IsSavedSchedule = false;
    workspace_.state.IsExampleSchedule = false;
    workspace_.state.IsGeneratedSchedule = false;
    try {
        WriteLastCalendar(appFolder_, cboCustomMonth->currentText().trimmed(),
                          cboCustomYear->currentText().trimmed());
    } catch (const Error& e) {
        ui_.message(QStringLiteral("%1 = %2").arg(e.description).arg(e.number),
                    QStringLiteral("frmPersonalCalendar.cmdLoad"), Icon::Critical);
    }
    if (actions_.customCalendar)
        actions_.customCalendar();
    if (actions_.buttonOnOff)
        actions_.buttonOnOff(false);
    accept();
}

void frmPersonalCalendar::cmdExit_Click() {
    reject();
}

void frmPersonalCalendar::cmdErase_Click() {
    if (!entriesPass())
        return;
    const QString month = cboCustomMonth->currentText().trimmed();
    const QString year = cboCustomYear->currentText().trimmed();
    workspace_.state.IsSavedSchedule = false;
    try {
        WriteLastCalendar(appFolder_, month, year);
    } catch (const Error& e) {
        ui_.message(QStringLiteral("%1 = %2").arg(e.description).arg(e.number),
                    QStringLiteral("frmPersonalCalendar.cmdErase"), Icon::Critical);
    }
    if (actions_.customCalendar)
        actions_.customCalendar();
    if (actions_.buttonOnOff)
        actions_.buttonOnOff(false);
    const Answer a =
        ui_.message(QStringLiteral("Deleting all information from Personal Calendar %1/%2.\r\n\r\n"
                                   "Do you want to continue?")
                        .arg(month, year),
                    QStringLiteral("Clear Calendar?"), Icon::Question, Buttons::YesNo);
    if (a == Answer::Yes) {
        QFile::remove(PersonalMonthPath(appFolder_, month.toInt(), year.toInt()));
    } else {
        ui_.message(QStringLiteral("Personal Calendar data has NOT been cleared"),
                    QStringLiteral("Not erased"), Icon::Information);
    }
    if (actions_.customCalendar)
        actions_.customCalendar();
    if (actions_.buttonOnOff)
        actions_.buttonOnOff(false);
    accept();
}

} // namespace rp
