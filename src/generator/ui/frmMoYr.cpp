#include "generator/ui/frmMoYr.h"

#include "generator/RequestCleanup.h"
#include "model/EngineSettings.h"
#include "model/Program.h"
#include "platform/Error.h"
#include "platform/ErrorReport.h"
#include "platform/Ui.h"
#include "platform/qt/LeaveChecks.h"
#include "platform/qt/Twips.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace rp {

namespace {

const QString kMonthTitle = QStringLiteral("MONTH / YEAR");

QString changedQuestion() {
    return QStringLiteral("You have changed the month for the rotaplan. Dates that agents previously") +
           QStringLiteral(" requested OFF or ON are no longer valid. Do") +
           QStringLiteral(" you want to delete these previous requests?");
}

QComboBox* makeList(QWidget* parent, const QString& name, const QString& tip) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setToolTip(tip);
    return c;
}

} // namespace

frmMoYr::frmMoYr(Program& program, QWidget* parent) : QDialog(parent), program_(program) {
    setObjectName(QStringLiteral("frmMoYr"));
    setWindowTitle(QStringLiteral("GENERATE SCHEDULE USING ..."));
    setFixedSize(twips(4260), twips(2280));

    Frame1 = new QGroupBox(QStringLiteral(" Schedule Month and Year"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twips(120), twips(120), twips(2640), twips(1920));

    cboMonth = makeList(Frame1, QStringLiteral("cboMonth"), QStringLiteral("Schedule month."));
    cboYear = makeList(Frame1, QStringLiteral("cboYear"), QStringLiteral("Schedule year."));
    lblMonth = new QLabel(QStringLiteral("&Month :"), Frame1);
    lblMonth->setObjectName(QStringLiteral("lblMonth"));
    lblMonth->setBuddy(cboMonth);
    lblYear = new QLabel(QStringLiteral("&Year :"), Frame1);
    lblYear->setObjectName(QStringLiteral("lblYear"));
    lblYear->setBuddy(cboYear);
    lblMonth->setGeometry(twips(150), twips(450), twips(900), twips(315));
    cboMonth->setGeometry(twips(1080), twips(420), twips(1320), twips(375));
    lblYear->setGeometry(twips(150), twips(1170), twips(900), twips(315));
    cboYear->setGeometry(twips(1080), twips(1140), twips(1320), twips(375));

    cmdMoOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdMoOK->setObjectName(QStringLiteral("cmdMoOK"));
    cmdMoOK->setToolTip(QStringLiteral("Use this Month and Year For next generated schedule."));
    cmdMoOK->setGeometry(twips(2940), twips(300), twips(1140), twips(435));
    cmdMoCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdMoCancel->setObjectName(QStringLiteral("cmdMoCancel"));
    cmdMoCancel->setToolTip(QStringLiteral("Cancel any changes made to Month and Year."));
    cmdMoCancel->setGeometry(twips(2940), twips(900), twips(1140), twips(435));
    cmdMoOK->setDefault(true);

    // Leaving a changed year empties the month; the OK that follows then asks for one.
    checks_ = new LeaveChecks(this);
    checks_->watch(cboYear, [this] {
        cboYear_LostFocus();
        return true;
    });
    checks_->exempt(cmdMoCancel);
    connect(cmdMoOK, &QPushButton::clicked, this, &frmMoYr::cmdMoOK_Click);
    connect(cmdMoCancel, &QPushButton::clicked, this, &frmMoYr::cmdMoCancel_Click);
}

QStringList frmMoYr::yearsAround(int year) {
    QStringList years;
    for (int y = year - 2; y <= year + 5; ++y)
        years << QString::number(y);
    return years;
}

void frmMoYr::fillMonths() {
    for (int m = 1; m <= 12; ++m)
        cboMonth->addItem(QString::number(m));
}

void frmMoYr::showMonthFile() {
    const MonthSetting m = ReadMonthFile(program_.paths.MonthFilePath);
    const bool monthOk = m.month >= 1 && m.month <= 12;
    const bool yearOk = m.year >= 1000 && m.year <= 9999;
    cboMonth->setEditText(QString::number(monthOk ? int(m.month) : today.month()));
    cboYear->setEditText(QString::number(yearOk ? int(m.year) : today.year()));
}

void frmMoYr::Form_Activate() {
    // Editable lists take their first item as their text when filled, so they are filled before the
    // month and year are shown.
    cboMonth->clear();
    cboYear->clear();
    cboYear->addItems(yearsAround(today.year()));
    fillMonths();
    showMonthFile();
    startMonth_ = cboMonth->currentText();
    startYear_ = cboYear->currentText();
    checks_->reset();
    program_.schedule.SchedMonth = startMonth_;
    program_.schedule.SchedYear = startYear_;
}

void frmMoYr::cboYear_LostFocus() {
    if (cboYear->currentText() == startYear_)
        return;
    try {
        cboMonth->clear();
        cboMonth->setEditText(QString());
        program_.ui.message(QStringLiteral("Year changed, please check your month entry"),
                            QStringLiteral("Year Change"), Icon::Information);
        fillMonths();
        cboMonth->setCurrentIndex(-1);
        cboMonth->setEditText(QString());
    } catch (const Error& e) {
        program_.ui.message(QStringLiteral("%1 = %2").arg(e.number).arg(e.description),
                            QStringLiteral("frmMoYr.LoadMonthBasedOnYear"));
    }
}

bool frmMoYr::entryIsProper(int& month, int& year) const {
    const QString yearText = cboYear->currentText();
    const QString monthText = cboMonth->currentText().trimmed();
    bool yearIsNumber = false, monthIsNumber = false;
    year = yearText.toInt(&yearIsNumber);
    month = monthText.toInt(&monthIsNumber);
    const bool yearDigits = yearText.size() == 4 && std::all_of(yearText.begin(), yearText.end(),
                                                                [](QChar c) { return c.isDigit(); });
    return yearDigits && yearIsNumber && year >= 1000 && monthIsNumber && month >= 1 && month <= 12;
}

void frmMoYr::askToEraseRequests() {
    Ui& ui = program_.ui;
    const Answer a = ui.message(changedQuestion(), QStringLiteral("MONTH / YEAR CHANGED"), Icon::Question,
                                Buttons::YesNo, Answer::No);
    if (a != Answer::Yes) {
        ui.message(QStringLiteral("Previous requests still in use."), kMonthTitle);
        return;
    }
    const bool erased = RPRtnsMsbrErase(ui, program_.paths.DatabasePath);
    if (closeEditors)
        closeEditors();
    if (erased)
        ui.message(QStringLiteral("Previous requests deleted"), kMonthTitle);
}

void frmMoYr::cmdMoOK_Click() {
    checks_->pass();
    int month = 0, year = 0;
    if (!entryIsProper(month, year)) {
        program_.ui.message(QStringLiteral("Please enter proper Month and Year"),
                            QStringLiteral("Check Month and Year"), Icon::Critical);
        return;
    }
    try {
        WriteMonthFile(program_.paths.MonthFilePath, {int16_t(month), int16_t(year)});
    } catch (const Error& e) {
        program_.ui.message(ErrorReportText(e), QStringLiteral("frmMoYr.cmdMoOK"), Icon::Critical);
        return;
    }
    const QString monthText = QString::number(month);
    const QString yearText = QString::number(year);
    if (monthText != startMonth_ || yearText != startYear_) {
        try {
            askToEraseRequests();
        } catch (const ProgramEnded&) {
            // The office could not be accessed and the program ends; nothing more to do here.
            QDialog::reject();
            return;
        }
        program_.schedule.SchedYear = yearText;
        program_.schedule.SchedMonth = monthText;
        startMonth_ = monthText;
        startYear_ = yearText;
    }
    accept();
}

void frmMoYr::cmdMoCancel_Click() {
    showMonthFile();
    QDialog::reject();
}

void frmMoYr::reject() {
    cmdMoCancel_Click();
}

} // namespace rp
