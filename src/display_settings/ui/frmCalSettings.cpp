#include "display_settings/ui/frmCalSettings.h"

#include "model/Program.h"
#include "platform/Error.h"
#include "platform/ErrorReport.h"
#include "platform/Text.h"
#include "platform/Ui.h"
#include "platform/qt/BgrColor.h"
#include "platform/qt/Twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QColorDialog>
#include <QFontDialog>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <limits>

namespace rp {

namespace {

constexpr int kMinFontSize = 4;
constexpr int kMaxFontSize = 18;

// A whole number within 32-bit range, written with digits only.
std::optional<qint64> wholeNumber(const QString& text) {
    if (text.isEmpty() || !std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); }))
        return std::nullopt;
    bool ok = false;
    const qint64 n = text.toLongLong(&ok);
    if (!ok || n > std::numeric_limits<int32_t>::max())
        return std::nullopt;
    return n;
}

QString rangeMessage(int low, int high) {
    return QStringLiteral("Number must be between %1 and %2").arg(low).arg(high);
}

} // namespace

std::optional<FontChoice> ChooseFont(QWidget* parent, const FontChoice& start, FontTarget target) {
    QFont initial(start.face);
    initial.setPointSize(std::clamp(start.size, kMinFontSize, kMaxFontSize));
    initial.setBold(start.bold);
    initial.setItalic(start.italic);
    const QString title =
        target == FontTarget::Screen ? QStringLiteral("Screen Font") : QStringLiteral("Printed Font");
    bool ok = false;
    const QFont chosen = QFontDialog::getFont(&ok, initial, parent, title);
    if (!ok)
        return std::nullopt;
    FontChoice c;
    c.face = chosen.family();
    c.size = std::clamp(int(std::lround(chosen.pointSizeF())), kMinFontSize, kMaxFontSize);
    c.bold = chosen.bold();
    c.italic = chosen.italic();
    c.color = start.color;
    const QColor color = QColorDialog::getColor(colorFromBgr(start.color), parent, title);
    if (color.isValid())
        c.color = bgrFromColor(color);
    return c;
}

frmCalSettings::frmCalSettings(Program& program, QWidget* parent) : QDialog(parent), program_(program) {
    setObjectName(QStringLiteral("frmCalSettings"));
    setWindowTitle(QStringLiteral("Calendar Display Settings"));
    setFixedSize(twips(6600), twips(5700));

    auto frame = [this](const QString& name, const QString& caption, QRect r) {
        auto* f = new QGroupBox(caption, this);
        f->setObjectName(name);
        f->setGeometry(twips(r.x()), twips(r.y()), twips(r.width()), twips(r.height()));
        return f;
    };
    auto place = [](QWidget* w, const QString& name, int x, int y, int width, int height) {
        w->setObjectName(name);
        w->setGeometry(twips(x), twips(y), twips(width), twips(height));
    };
    auto button = [&](QWidget* parent, const QString& name, const QString& caption, int x, int y, int width) {
        auto* b = new QPushButton(caption, parent);
        b->setAutoDefault(false);
        place(b, name, x, y, width, 435);
        return b;
    };
    auto numberBox = [&](QWidget* parent, const QString& name, const QString& text, int x, int y) {
        auto* t = new QLineEdit(text, parent);
        place(t, name, x, y, 900, 345);
        t->installEventFilter(this);
        return t;
    };

    chkDefaultFonts = new QCheckBox(QStringLiteral("Use Default Settings"), this);
    place(chkDefaultFonts, QStringLiteral("chkDefaultFonts"), 240, 120, 3600, 315);

    fraFont = frame(QStringLiteral("fraFont"), QStringLiteral(" Font Setting "), {120, 480, 3000, 1260});
    cmdScreen =
        button(fraFont, QStringLiteral("cmdScreen"), QStringLiteral("Set Screen Font"), 240, 300, 2520);
    cmdPrinted =
        button(fraFont, QStringLiteral("cmdPrinted"), QStringLiteral("Set Printed Font"), 240, 750, 2520);

    fraDayHeight =
        frame(QStringLiteral("fraDayHeight"), QStringLiteral(" Day Height Setting"), {3240, 480, 3240, 1260});
    lblScreenDayHeight = new QLabel(QStringLiteral("On Screen"), fraDayHeight);
    place(lblScreenDayHeight, QStringLiteral("lblScreenDayHeight"), 240, 360, 1200, 315);
    txtScreenDayHeight =
        numberBox(fraDayHeight, QStringLiteral("txtScreenDayHeight"), QStringLiteral("135"), 1560, 330);
    lblPrintedDayHeight = new QLabel(QStringLiteral("Printed "), fraDayHeight);
    place(lblPrintedDayHeight, QStringLiteral("lblPrintedDayHeight"), 240, 810, 1200, 315);
    txtPrintedDayHeight =
        numberBox(fraDayHeight, QStringLiteral("txtPrintedDayHeight"), QStringLiteral("135"), 1560, 780);

    fraLetters =
        frame(QStringLiteral("fraLetters"), QStringLiteral("  Display Slot Letters or Times on Calendar "),
              {120, 1860, 6360, 1260});
    const QString letterCaptions[3] = {QStringLiteral("Always."), QStringLiteral("Never."),
                                       QStringLiteral("Only when an agent is assigned.")};
    for (int i = 0; i < 3; ++i) {
        Option1[size_t(i)] = new QRadioButton(letterCaptions[i], fraLetters);
        place(Option1[size_t(i)], QStringLiteral("Option1"), 240, 300 + 300 * i, 5800, 285);
        Option1[size_t(i)]->setProperty("index", i);
        connect(Option1[size_t(i)], &QRadioButton::clicked, this, [this, i] { Option1_Click(i); });
    }

    Frame1 = frame(QStringLiteral("Frame1"), QStringLiteral(" Use Full Agent Name instead of Initials "),
                   {120, 3240, 6360, 1140});
    chkFullName = new QCheckBox(QStringLiteral("Use Full Agent Names [up to 12 characters]."), Frame1);
    place(chkFullName, QStringLiteral("chkFullName"), 240, 300, 5800, 315);
    lblCharacters = new QLabel(QStringLiteral("Number of characters to display."), Frame1);
    place(lblCharacters, QStringLiteral("lblCharacters"), 240, 720, 3000, 315);
    txtFullNameSize = numberBox(Frame1, QStringLiteral("txtFullNameSize"), QStringLiteral("12"), 3360, 690);

    chkAllowDefaultSettings =
        new QCheckBox(QStringLiteral("Allow Default Setting - Development only."), this);
    place(chkAllowDefaultSettings, QStringLiteral("chkAllowDefaultSettings"), 240, 4470, 4800, 315);

    cmdOK = button(this, QStringLiteral("cmdOK"), QStringLiteral("OK"), 1200, 4920, 1200);
    cmdCancel = button(this, QStringLiteral("cmdCancel"), QStringLiteral("Cancel"), 2760, 4920, 1200);
    cmdHelp = button(this, QStringLiteral("cmdHelp"), QStringLiteral("Help"), 4320, 4920, 1200);

    numbers_ = {NumberBox{txtScreenDayHeight, 1, 999, 115, &DisplayValues::m_DateHeightScreen},
                NumberBox{txtPrintedDayHeight, 1, 999, 125, &DisplayValues::m_DateHeightPrinter},
                NumberBox{txtFullNameSize, 1, 12, 6, &DisplayValues::m_FullNameSize}};
    for (const NumberBox& n : numbers_)
        connect(n.box, &QLineEdit::textChanged, this, [this, n] { checkNumber(n); });

    connect(chkDefaultFonts, &QCheckBox::clicked, this, &frmCalSettings::chkDefaultFonts_Click);
    connect(chkAllowDefaultSettings, &QCheckBox::clicked, this,
            &frmCalSettings::chkAllowDefaultSettings_Click);
    connect(chkFullName, &QCheckBox::clicked, this, &frmCalSettings::chkFullName_Click);
    connect(cmdScreen, &QPushButton::clicked, this, &frmCalSettings::cmdScreen_Click);
    connect(cmdPrinted, &QPushButton::clicked, this, &frmCalSettings::cmdPrinted_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmCalSettings::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmCalSettings::cmdCancel_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmCalSettings::cmdHelp_Click);

    CommonDialog1 = [this](const FontChoice& start, FontTarget target) {
        return ChooseFont(this, start, target);
    };
}

frmCalSettings::~frmCalSettings() = default;

// ---- number boxes -----------------------------------------------------------------------------------------

bool frmCalSettings::eventFilter(QObject* watched, QEvent* event) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (box && event->type() == QEvent::KeyPress) {
        // Digits, Enter and Backspace are typed; any other character beeps and is dropped. Keys that type
        // no character, and shortcuts such as paste, are left to the box (pasted text is checked as a
        // change of the text).
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        if (!typed.isEmpty() && typed.at(0).isPrint() && !typed.at(0).isDigit()) {
            program_.ui.beep();
            return true;
        }
    } else if (box && event->type() == QEvent::FocusIn) {
        // After the click that brought the focus, so that the click does not undo the selection.
        QTimer::singleShot(0, box, &QLineEdit::selectAll);
    }
    return QDialog::eventFilter(watched, event);
}

void frmCalSettings::checkNumber(const NumberBox& n) {
    if (n.box->text().isEmpty()) {
        n.box->setText(QStringLiteral("0")); // checked again as a change of its own
        return;
    }
    const std::optional<qint64> value = wholeNumber(n.box->text());
    if (!value || *value < n.low || *value > n.high) {
        program_.ui.message(rangeMessage(n.low, n.high), QStringLiteral("Check Number"), Icon::Information);
        n.box->setText(QString::number(n.reset));
        n.box->selectAll();
    }
    work_.*n.field = int32_t(wholeNumber(n.box->text()).value_or(n.reset));
}

// ---- loading ----------------------------------------------------------------------------------------------

void frmCalSettings::fillControls(const DisplayValues& v) {
    // The boxes store what they show back into the working copy as they are checked.
    txtScreenDayHeight->setText(QString::number(v.m_DateHeightScreen));
    txtPrintedDayHeight->setText(QString::number(v.m_DateHeightPrinter));
    txtFullNameSize->setText(QString::number(v.m_FullNameSize));
    int letters = 2;
    if (v.m_LetterYes == 1)
        letters = 0;
    else if (v.m_LetterNo == 1)
        letters = 1;
    Option1[size_t(letters)]->setChecked(true);
    // A record without a letters choice shows as its renderer takes it: letters with agents only.
    work_.m_LetterYes = letters == 0 ? 1 : 0;
    work_.m_LetterNo = letters == 1 ? 1 : 0;
    work_.m_LetterAgt = letters == 2 ? 1 : 0;
    chkFullName->setChecked(v.m_CheckFullName != 0);
}

void frmCalSettings::enableEditing(bool settings, bool fullName) {
    for (QWidget* w : {static_cast<QWidget*>(cmdScreen), static_cast<QWidget*>(cmdPrinted),
                       static_cast<QWidget*>(txtScreenDayHeight), static_cast<QWidget*>(txtPrintedDayHeight)})
        w->setEnabled(settings);
    for (QRadioButton* o : Option1)
        o->setEnabled(settings);
    chkFullName->setEnabled(fullName);
    txtFullNameSize->setEnabled(fullName);
}

void frmCalSettings::repaint() {
    if (repaintMain)
        repaintMain();
}

void frmCalSettings::LoadCustomForEdit() {
    workKind_ = 0;
    work_ = DisplaySettings(program_).ReadSettingsRecord(0);
    fillControls(work_);
    enableEditing(true, true);
}

void frmCalSettings::LoadDefaultForView() {
    workKind_ = 1;
    work_ = DisplaySettings(program_).ReadSettingsRecord(1);
    fillControls(work_);
    enableEditing(false, false);
    if (chkAllowDefaultSettings->isChecked())
        chkAllowDefaultSettings_Click();
    repaint();
}

void frmCalSettings::Form_Activate() {
    open_ = true;
    chkAllowDefaultSettings->setVisible(program_.paths.AppFolder.contains(QStringLiteral("Project")));
    chkDefaultFonts->setChecked(program_.display.m_chkDefaultFonts > 0);
    chkDefaultFonts_Click();
}

void frmCalSettings::settingsLoaded(int kind) {
    if (!open_)
        return;
    const DisplayValues& v = program_.display;
    fillControls(v);
    if (kind == 0) {
        enableEditing(true, chkFullName->isEnabled());
    } else {
        enableEditing(false, false);
        repaint();
    }
}

// ---- commands ---------------------------------------------------------------------------------------------

void frmCalSettings::chkDefaultFonts_Click() {
    if (chkDefaultFonts->isChecked())
        LoadDefaultForView();
    else
        LoadCustomForEdit();
}

void frmCalSettings::chkAllowDefaultSettings_Click() {
    if (workKind_ != 1)
        return;
    const bool allow = chkAllowDefaultSettings->isChecked();
    enableEditing(allow, false);
    chkFullName->setEnabled(allow);
}

void frmCalSettings::Option1_Click(int index) {
    work_.m_LetterYes = index == 0 ? 1 : 0;
    work_.m_LetterNo = index == 1 ? 1 : 0;
    work_.m_LetterAgt = index == 2 ? 1 : 0;
}

void frmCalSettings::chkFullName_Click() {
    work_.m_CheckFullName = chkFullName->isChecked() ? 1 : 0;
}

void frmCalSettings::chooseFont(FontTarget target) {
    const bool screen = target == FontTarget::Screen;
    QString& textFace = screen ? work_.m_TextFontScreen : work_.m_TextFontPrinter;
    int32_t& textSize = screen ? work_.m_TextSizeScreen : work_.m_TextSizePrinter;
    int16_t& textBold = screen ? work_.m_TextBoldScreen : work_.m_TextBoldPrinter;
    int16_t& textItalic = screen ? work_.m_TextItalicScreen : work_.m_TextItalicPrinter;
    int32_t& textColor = screen ? work_.m_TextForeColorScreen : work_.m_TextForeColorPrinter;
    FontChoice start{trimBlanks(textFace), int(textSize), textBold != 0, textItalic != 0, textColor};
    std::optional<FontChoice> chosen;
    try {
        if (CommonDialog1)
            chosen = CommonDialog1(start, target);
    } catch (const Error& e) {
        program_.ui.message(QStringLiteral("Error: %1 - %2.").arg(e.number).arg(e.description),
                            screen ? QStringLiteral("cmdScreen.Click") : QStringLiteral("cmdPrinted.Click"),
                            Icon::Warning);
        return;
    }
    if (!chosen)
        return;
    const int16_t bold = chosen->bold ? -1 : 0;
    const int16_t italic = chosen->italic ? -1 : 0;
    const int32_t size = std::clamp(chosen->size, kMinFontSize, kMaxFontSize);
    textFace = chosen->face;
    textSize = size;
    textBold = bold;
    textItalic = italic;
    textColor = chosen->color;
    (screen ? work_.m_DateFontScreen : work_.m_DateFontPrinter) = chosen->face;
    (screen ? work_.m_DateSizeScreen : work_.m_DateSizePrinter) = size;
    (screen ? work_.m_DateBoldScreen : work_.m_DateBoldPrinter) = bold;
    (screen ? work_.m_DateItalicScreen : work_.m_DateItalicPrinter) = italic;
}

void frmCalSettings::cmdScreen_Click() {
    chooseFont(FontTarget::Screen);
}

void frmCalSettings::cmdPrinted_Click() {
    chooseFont(FontTarget::Printer);
}

bool frmCalSettings::save() {
    DisplayState& inForce = program_.display;
    work_.m_CheckFullName = chkFullName->isChecked() ? 1 : 0;
    // Both files are written before anything is put in force: a failed write leaves the program on the
    // set it had.
    try {
        DisplaySettings(program_).writeSettingsSet(workKind_, work_);
    } catch (const Error& e) {
        program_.ui.message(ErrorReportText(e), QStringLiteral("frmCalSettings.cmdOK"), Icon::Critical);
        return false;
    }
    program_.ui.message(QStringLiteral("New Printed Fonts will be used at the next Schedule Printing.\r\n"
                                       "New Screen Fonts will be used at next Schedule Generation."),
                        QStringLiteral("If you changed Font settings..."), Icon::Information);
    open_ = false;
    inForce.m_chkDefaultFonts = workKind_ == 0 ? 0 : 1;
    DisplayValues v = work_;
    if (v.m_FullNameSize == 0)
        v.m_FullNameSize = 6;
    inForce.setValues(v);
    fillControls(inForce);
    enableEditing(true, true);
    return true;
}

void frmCalSettings::cmdOK_Click() {
    if (save())
        accept();
}

void frmCalSettings::cmdCancel_Click() {
    open_ = false;
    QDialog::reject();
}

void frmCalSettings::reject() {
    cmdCancel_Click();
}

void frmCalSettings::closeEvent(QCloseEvent* event) {
    // Closing from the title bar saves, as OK does; when the save fails the failure has been shown and
    // the dialog closes with nothing changed, as Cancel does.
    if (open_) {
        if (save())
            accept();
        else
            cmdCancel_Click();
    }
    event->accept();
}

void frmCalSettings::cmdHelp_Click() {
    program_.openHelp(QStringLiteral("CALhlp.txt"));
}

} // namespace rp
