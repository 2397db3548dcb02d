#include "generator/ui/frmTune.h"

#include "generator/GapFilling.h"
#include "model/EngineSettings.h"
#include "model/Program.h"
#include "platform/Error.h"
#include "platform/ErrorReport.h"
#include "platform/Files.h"
#include "platform/Text.h"
#include "platform/Ui.h"
#include "platform/qt/Twips.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

namespace rp {

namespace {

constexpr int kWidth = twips(6000);
constexpr int kFillGapsBelowButtons = twips(540);

bool isListDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('2');
}

QComboBox* makeList(QWidget* parent, const QString& name) {
    auto* c = new QComboBox(parent);
    c->setObjectName(name);
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    c->addItems({QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2")});
    return c;
}

// The number in a list: its leading number, kept within the rule's 0 to 2 days.
int16_t listNumber(const QComboBox* list) {
    return int16_t(std::clamp<qint64>(leadingNumber(list->currentText()), 0, 2));
}

int16_t checkValue(const QCheckBox* box) {
    return box->isChecked() ? 1 : 0;
}

int16_t optionValue(const QRadioButton* option) {
    return option->isChecked() ? -1 : 0;
}

} // namespace

QString ManualTuningQuestion() {
    const QStringList pieces{
        QStringLiteral(" You have chosen to disable Automatic Fine Tuning. "),
        QStringLiteral(" Automatic Fine Tuning creates the best possible schedule. "),
        QStringLiteral(" Choose Manual only if you want each agent to be scheduled "),
        QStringLiteral(" only according to the rules you enter. Normally, the reasons "),
        QStringLiteral(" to use Manual settings would be to enforce spacing or allow "),
        QStringLiteral(" the same agent to be scheduled more then once each day. "),
        QStringLiteral(" Using Manual may result in 'AGT?' indicating a slot that "),
        QStringLiteral(" was not filled. "),
        QStringLiteral(" The automatic method does its best to spread everyone out "),
        QStringLiteral(" but will not exclude a less desirable choice if the slot "),
        QStringLiteral(" must be filled. Please see the Users Manual for details."),
        QStringLiteral(" Do you still wish to view Manual Fine Tuning?"),
    };
    return pieces.join(QStringLiteral("\r\n"));
}

frmTune::frmTune(Program& program, QWidget* parent) : QDialog(parent), program_(program) {
    setObjectName(QStringLiteral("frmTune"));
    setWindowTitle(QStringLiteral("FINE TUNING"));

    chkAutomatic = new QCheckBox(QStringLiteral("Automatic Fine &Tuning [Manual Tuning Disabled]"), this);
    chkAutomatic->setObjectName(QStringLiteral("chkAutomatic"));
    chkAutomatic->setGeometry(twips(240), twips(150), twips(5520), twips(315));

    Frame1 =
        new QGroupBox(QStringLiteral(" Each date agent is scheduled, do not schedule again for..."), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(twips(120), twips(600), twips(5760), twips(900));
    cbobfr = makeList(Frame1, QStringLiteral("cbobfr"));
    cboAftr = makeList(Frame1, QStringLiteral("cboAftr"));
    lblBefore = new QLabel(QStringLiteral("Days &Before that Day"), Frame1);
    lblBefore->setObjectName(QStringLiteral("lblBefore"));
    lblBefore->setBuddy(cbobfr);
    lblAfter = new QLabel(QStringLiteral("Days &After that date."), Frame1);
    lblAfter->setObjectName(QStringLiteral("lblAfter"));
    lblAfter->setBuddy(cboAftr);
    cbobfr->setGeometry(twips(240), twips(360), twips(720), twips(375));
    lblBefore->setGeometry(twips(1020), twips(390), twips(1800), twips(315));
    cboAftr->setGeometry(twips(3000), twips(360), twips(720), twips(375));
    lblAfter->setGeometry(twips(3780), twips(390), twips(1860), twips(315));

    Frame2 = new QGroupBox(QStringLiteral(" Do not schedule agents to work more then..."), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    Frame2->setGeometry(twips(120), twips(1560), twips(5760), twips(1020));
    chkDay = new QCheckBox(QStringLiteral("Once a &Day."), Frame2);
    chkDay->setObjectName(QStringLiteral("chkDay"));
    chkDay->setGeometry(twips(240), twips(300), twips(2400), twips(315));
    chkWeek = new QCheckBox(QStringLiteral("Once a &Week."), Frame2);
    chkWeek->setObjectName(QStringLiteral("chkWeek"));
    chkWeek->setGeometry(twips(240), twips(630), twips(2400), twips(315));
    chkSame = new QCheckBox(QStringLiteral("Once any &Same Weekday"), Frame2);
    chkSame->setObjectName(QStringLiteral("chkSame"));
    chkSame->setGeometry(twips(3000), twips(300), twips(2640), twips(315));

    Frame3 = new QGroupBox(QStringLiteral(" Assignment Method"), this);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    Frame3->setGeometry(twips(120), twips(2640), twips(5760), twips(840));
    Option1 = new QRadioButton(QStringLiteral("Method &1"), Frame3);
    Option1->setObjectName(QStringLiteral("Option1"));
    Option1->setGeometry(twips(240), twips(360), twips(2400), twips(315));
    Option2 = new QRadioButton(QStringLiteral("Method &2"), Frame3);
    Option2->setObjectName(QStringLiteral("Option2"));
    Option2->setGeometry(twips(3000), twips(360), twips(2400), twips(315));

    auto button = [this](const QString& name, const QString& caption, int left) {
        auto* b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setAutoDefault(false);
        b->setGeometry(twips(left), kTallButtonTop, twips(1200), twips(435));
        return b;
    };
    cmdTuneOK = button(QStringLiteral("cmdTuneOK"), QStringLiteral("&OK"), 600);
    cmdTuneCancel = button(QStringLiteral("cmdTuneCancel"), QStringLiteral("&Cancel"), 2400);
    cmdTuneHelp = button(QStringLiteral("cmdTuneHelp"), QStringLiteral("&Help"), 4200);
    chkFillGaps =
        new QCheckBox(QStringLiteral("Fill &Gaps: give 'AGT?' slots to free agents afterwards"), this);
    chkFillGaps->setObjectName(QStringLiteral("chkFillGaps"));
    chkFillGaps->setToolTip(
        QStringLiteral("After generating, moves generated duties (never manual requests) so "
                       "that agents who are free take slots left unfilled."));
    chkFillGaps->setGeometry(twips(240), kTallButtonTop + kFillGapsBelowButtons, twips(5520), twips(315));

    for (QComboBox* list : {cbobfr, cboAftr}) {
        list->lineEdit()->installEventFilter(this);
        connect(list->lineEdit(), &QLineEdit::textEdited, this,
                [this, list](const QString& text) { listEdited(list, text); });
    }
    connect(chkAutomatic, &QCheckBox::clicked, this, &frmTune::chkAutomatic_Click);
    connect(cmdTuneOK, &QPushButton::clicked, this, &frmTune::cmdTuneOK_Click);
    connect(cmdTuneCancel, &QPushButton::clicked, this, &frmTune::cmdTuneCancel_Click);
    connect(cmdTuneHelp, &QPushButton::clicked, this, &frmTune::cmdTuneHelp_Click);

    Form_Load();
}

void frmTune::showTuneFile() {
    const TuneSettings t = ReadTuneFile(program_.paths.TuneFilePath);
    cboAftr->setEditText(QString::number(t.daysAfter));
    cbobfr->setEditText(QString::number(t.daysBefore));
    lastAfter_ = cboAftr->currentText();
    lastBefore_ = cbobfr->currentText();
    chkSame->setChecked(std::abs(int(t.onceWeekday)) != 0);
    chkDay->setChecked(std::abs(int(t.onceDay)) != 0);
    chkWeek->setChecked(std::abs(int(t.onceWeek)) != 0);
    // Method 2 wins when both are set; a file without either (missing or short) generates with method 2,
    // so that is what the dialog shows.
    if (t.method2 != 0)
        Option2->setChecked(true);
    else if (t.method1 != 0)
        Option1->setChecked(true);
    else
        Option2->setChecked(true);
}

void frmTune::showFrames(bool shown) {
    for (QGroupBox* frame : {Frame1, Frame2, Frame3}) {
        frame->setVisible(shown);
        frame->setEnabled(true);
    }
    const int top = shown ? kTallButtonTop : kShortButtonTop;
    for (QPushButton* b : {cmdTuneOK, cmdTuneCancel, cmdTuneHelp})
        b->move(b->x(), top);
    chkFillGaps->move(chkFillGaps->x(), top + kFillGapsBelowButtons);
    setFixedSize(kWidth, shown ? kTallHeight : kShortHeight);
}

void frmTune::Form_Load() {
    showTuneFile();
    chkFillGaps->setChecked(ReadFillGaps(program_.paths.AppFolder));
    const bool automatic = ReadAutoTune(program_.paths.AppFolder) == QLatin1String("1");
    chkAutomatic->setChecked(automatic);
    showFrames(!automatic);
}

bool frmTune::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        (watched == cbobfr->lineEdit() || watched == cboAftr->lineEdit())) {
        if (!cboList_KeyPress(static_cast<QKeyEvent*>(event)->text()))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void frmTune::refuseEntry() {
    program_.ui.beep();
    program_.ui.message(QStringLiteral("0 to 2 only"), QStringLiteral("INVALID ENTRY"), Icon::Critical);
}

bool frmTune::cboList_KeyPress(const QString& typed) {
    // Keys that type no character (arrows, Backspace, shortcuts) are left to the list.
    if (typed.isEmpty() || !typed.at(0).isPrint())
        return true;
    if (std::all_of(typed.begin(), typed.end(), isListDigit))
        return true;
    refuseEntry();
    return false;
}

void frmTune::listEdited(QComboBox* list, const QString& text) {
    // Pasted or dropped text passes the same rule as typed keys.
    QString& last = list == cbobfr ? lastBefore_ : lastAfter_;
    if (std::all_of(text.begin(), text.end(), isListDigit)) {
        last = text;
        return;
    }
    list->setEditText(last);
    refuseEntry();
}

void frmTune::chkAutomatic_Click() {
    if (!chkAutomatic->isChecked()) {
        const Answer a =
            program_.ui.message(ManualTuningQuestion(), QStringLiteral("Use Manual Fine Tuning?"),
                                Icon::Information, Buttons::YesNo);
        if (a != Answer::Yes)
            chkAutomatic->setChecked(true);
    }
    showFrames(!chkAutomatic->isChecked());
}

void frmTune::cmdTuneOK_Click() {
    TuneSettings t;
    t.daysAfter = listNumber(cboAftr);
    t.daysBefore = listNumber(cbobfr);
    t.onceDay = checkValue(chkDay);
    t.onceWeek = checkValue(chkWeek);
    t.onceWeekday = checkValue(chkSame);
    t.method1 = optionValue(Option1);
    t.method2 = optionValue(Option2);
    // The three files are one setting: when one cannot be written, those written before it get their old
    // content back, so that the next generation does not run on half the new choices.
    const QString& folder = program_.paths.AppFolder;
    const QStringList paths{program_.paths.TuneFilePath, AutoTuneFilePath(folder), FillGapsFilePath(folder)};
    std::vector<std::optional<QByteArray>> before;
    for (const QString& path : paths)
        before.push_back(readBinaryFile(path));
    size_t written = 0;
    try {
        WriteTuneFile(paths[0], t);
        ++written;
        WriteAutoTune(folder, chkAutomatic->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
        ++written;
        WriteFillGaps(folder, chkFillGaps->isChecked());
    } catch (const Error& e) {
        for (size_t i = 0; i < written; ++i) {
            try {
                if (before[i])
                    writeBinaryFileAtomic(paths[qsizetype(i)], *before[i]);
                else
                    QFile::remove(paths[qsizetype(i)]);
            } catch (const Error&) {
                // The message below is the one to show; the file keeps its new content.
            }
        }
        program_.ui.message(ErrorReportText(e), QStringLiteral("frmTune.cmdTuneOK"), Icon::Critical);
        return;
    }
    accept();
}

void frmTune::cmdTuneCancel_Click() {
    showTuneFile();
    chkFillGaps->setChecked(ReadFillGaps(program_.paths.AppFolder));
    QDialog::reject();
}

void frmTune::reject() {
    cmdTuneCancel_Click();
}

void frmTune::cmdTuneHelp_Click() {
    program_.openHelp(QStringLiteral("tunehlp.txt"));
}

} // namespace rp
