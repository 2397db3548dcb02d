// The calendar display settings dialog on its own: the default and custom sets, the number boxes and
// their checks, the letters choice, the font dialogs, OK and Cancel, the development switch, and
// settings files that are missing or short.

#include "TestFolder.h"
#include "display_settings/ui/frmCalSettings.h"
#include "model/Program.h"
#include "platform/Error.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

using namespace rp;
using namespace rp::test;

namespace {

const QString kOkText = QStringLiteral("New Printed Fonts will be used at the next Schedule Printing.\r\n"
                                       "New Screen Fonts will be used at next Schedule Generation.");

DisplayValues customValues() {
    DisplayValues v;
    v.m_DateFontScreen = QStringLiteral("Serif");
    v.m_DateSizeScreen = 10;
    v.m_TextFontScreen = QStringLiteral("Serif");
    v.m_TextSizeScreen = 9;
    v.m_TextForeColorScreen = 0x112233;
    v.m_DateFontPrinter = QStringLiteral("Sans");
    v.m_DateSizePrinter = 12;
    v.m_TextFontPrinter = QStringLiteral("Sans");
    v.m_TextSizePrinter = 8;
    v.m_DateHeightScreen = 140;
    v.m_DateHeightPrinter = 150;
    v.m_LetterNo = 1;
    v.m_CheckFullName = 1;
    v.m_FullNameSize = 9;
    return v;
}

// The custom values as they read back from their file: faces padded with blanks to 25 characters.
DisplayValues storedCustomValues() {
    return DecodeSettingsRecord(EncodeSettingsRecord(customValues(), 0));
}

class CalSettings : public ::testing::Test {
protected:
    void SetUp() override {
        DisplaySettings(program).WriteSettingsRecord(0, customValues());
        useKind("0");
    }
    void TearDown() override { expectNoUnexpectedPrompts(ui); }

    void useKind(const QByteArray& kind) {
        folder.write(QStringLiteral("settings/TypeSettings.dat"), kind + "\r\n");
        DisplaySettings(program).loadAtStart();
    }
    // Shows the dialog as the main window does each time.
    frmCalSettings& open() {
        dialog.Form_Activate();
        return dialog;
    }
    QByteArray settingsFile(const QString& name) const {
        return folder.read(QStringLiteral("settings/") + name);
    }
    static void typeInto(QLineEdit* box, const QString& keys) {
        box->selectAll();
        QTest::keyClicks(box, keys);
    }

    ScriptedUi ui;
    TestFolder folder;
    Program program{ui, folder.path()};
    frmCalSettings dialog{program};
};

} // namespace

TEST_F(CalSettings, CustomSetIsShownForEditing) {
    frmCalSettings& d = open();
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Calendar Display Settings"));
    EXPECT_FALSE(d.chkDefaultFonts->isChecked());
    EXPECT_EQ(d.workingKind(), 0);
    EXPECT_EQ(d.txtScreenDayHeight->text(), QStringLiteral("140"));
    EXPECT_EQ(d.txtPrintedDayHeight->text(), QStringLiteral("150"));
    EXPECT_EQ(d.txtFullNameSize->text(), QStringLiteral("9"));
    EXPECT_TRUE(d.Option1[1]->isChecked());
    EXPECT_TRUE(d.chkFullName->isChecked());
    for (QWidget* w : std::initializer_list<QWidget*>{d.cmdScreen, d.cmdPrinted, d.txtScreenDayHeight,
                                                      d.Option1[0], d.chkFullName, d.txtFullNameSize})
        EXPECT_TRUE(w->isEnabled()) << w->objectName();
    EXPECT_EQ(d.working(), storedCustomValues());
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(CalSettings, DefaultSetIsShownReadOnly) {
    useKind("1");
    int repaints = 0;
    dialog.repaintMain = [&] { ++repaints; };
    frmCalSettings& d = open();
    EXPECT_TRUE(d.chkDefaultFonts->isChecked());
    EXPECT_EQ(d.workingKind(), 1);
    EXPECT_EQ(d.working(), DisplaySettings(program).ReadSettingsRecord(1));
    for (QWidget* w : std::initializer_list<QWidget*>{d.cmdScreen, d.cmdPrinted, d.txtScreenDayHeight,
                                                      d.txtPrintedDayHeight, d.Option1[2], d.chkFullName,
                                                      d.txtFullNameSize})
        EXPECT_FALSE(w->isEnabled()) << w->objectName();
    EXPECT_GE(repaints, 1);
    // Clearing the box switches to the custom set.
    d.chkDefaultFonts->click();
    EXPECT_EQ(d.workingKind(), 0);
    EXPECT_EQ(d.txtScreenDayHeight->text(), QStringLiteral("140"));
    EXPECT_TRUE(d.txtFullNameSize->isEnabled());
}

TEST_F(CalSettings, DayHeightOfAThousandIsRefusedAndReset) {
    frmCalSettings& d = open();
    typeInto(d.txtScreenDayHeight, QStringLiteral("1000"));
    ASSERT_EQ(ui.messages().size(), 1u);
    expectMessage(ui.messages()[0], "Number must be between 1 and 999", "Check Number", Icon::Information);
    EXPECT_EQ(d.txtScreenDayHeight->text(), QStringLiteral("115"));
    EXPECT_EQ(d.working().m_DateHeightScreen, 115);

    typeInto(d.txtPrintedDayHeight, QStringLiteral("1000"));
    ASSERT_EQ(ui.messages().size(), 2u);
    EXPECT_EQ(d.txtPrintedDayHeight->text(), QStringLiteral("125"));
    EXPECT_EQ(d.working().m_DateHeightPrinter, 125);

    typeInto(d.txtScreenDayHeight, QStringLiteral("999"));
    EXPECT_EQ(ui.messages().size(), 2u);
    EXPECT_EQ(d.working().m_DateHeightScreen, 999);
}

TEST_F(CalSettings, EmptyingTheFullNameSizeShowsTheMessageOnceAndLeavesSix) {
    frmCalSettings& d = open();
    d.txtFullNameSize->selectAll();
    QTest::keyClick(d.txtFullNameSize, Qt::Key_Backspace);
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, QStringLiteral("Number must be between 1 and 12"));
    EXPECT_EQ(d.txtFullNameSize->text(), QStringLiteral("6"));
    EXPECT_EQ(d.working().m_FullNameSize, 6);
    typeInto(d.txtFullNameSize, QStringLiteral("13"));
    EXPECT_EQ(ui.messages().size(), 2u);
    EXPECT_EQ(d.txtFullNameSize->text(), QStringLiteral("6"));
}

TEST_F(CalSettings, OtherKeysBeepAndAreDroppedAndPastedTextIsChecked) {
    frmCalSettings& d = open();
    typeInto(d.txtScreenDayHeight, QStringLiteral("2a-0"));
    EXPECT_EQ(d.txtScreenDayHeight->text(), QStringLiteral("20"));
    EXPECT_EQ(ui.beeps(), 2);
    EXPECT_TRUE(ui.messages().empty());

    QGuiApplication::clipboard()->setText(QStringLiteral("12x"));
    d.txtPrintedDayHeight->selectAll();
    d.txtPrintedDayHeight->paste();
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, QStringLiteral("Number must be between 1 and 999"));
    EXPECT_EQ(d.txtPrintedDayHeight->text(), QStringLiteral("125"));

    // Beyond 32 bits is no number either.
    d.txtFullNameSize->setText(QStringLiteral("99999999999999999999"));
    ASSERT_EQ(ui.messages().size(), 2u);
    EXPECT_EQ(ui.messages()[1].text, QStringLiteral("Number must be between 1 and 12"));
    EXPECT_EQ(d.txtFullNameSize->text(), QStringLiteral("6"));
}

TEST_F(CalSettings, LettersChoiceSetsExactlyOneOfTheThree) {
    frmCalSettings& d = open();
    d.Option1[2]->click();
    EXPECT_EQ(d.working().m_LetterYes, 0);
    EXPECT_EQ(d.working().m_LetterNo, 0);
    EXPECT_EQ(d.working().m_LetterAgt, 1);
    d.Option1[0]->click();
    EXPECT_EQ(d.working().m_LetterYes, 1);
    EXPECT_EQ(d.working().m_LetterAgt, 0);
}

TEST_F(CalSettings, ScreenFontSetsDayTextAndDayNumberTogether) {
    FontChoice started;
    dialog.CommonDialog1 = [&](const FontChoice& start, FontTarget target) {
        EXPECT_EQ(target, FontTarget::Screen);
        started = start;
        return std::optional<FontChoice>(FontChoice{QStringLiteral("Monospace"), 14, true, true, 0x0000ff});
    };
    frmCalSettings& d = open();
    d.cmdScreen->click();
    EXPECT_EQ(started.face, QStringLiteral("Serif")) << "the face is trimmed";
    EXPECT_EQ(started.size, 9);
    EXPECT_EQ(started.color, 0x112233);
    const DisplayValues& w = d.working();
    EXPECT_EQ(w.m_TextFontScreen, QStringLiteral("Monospace"));
    EXPECT_EQ(w.m_DateFontScreen, QStringLiteral("Monospace"));
    EXPECT_EQ(w.m_TextSizeScreen, 14);
    EXPECT_EQ(w.m_DateSizeScreen, 14);
    EXPECT_EQ(w.m_TextBoldScreen, -1);
    EXPECT_EQ(w.m_DateItalicScreen, -1);
    EXPECT_EQ(w.m_TextForeColorScreen, 0x0000ff);
    EXPECT_EQ(w.m_TextFontPrinter.trimmed(), QStringLiteral("Sans")) << "the printed set stays";
    EXPECT_EQ(program.display.m_TextFontScreen.trimmed(), QStringLiteral("Serif"))
        << "not in force before OK";
}

TEST_F(CalSettings, PrintedFontSizeIsKeptWithinFourToEighteen) {
    dialog.CommonDialog1 = [](const FontChoice& start, FontTarget target) {
        EXPECT_EQ(target, FontTarget::Printer);
        FontChoice c = start;
        c.size = 30;
        return std::optional<FontChoice>(c);
    };
    frmCalSettings& d = open();
    d.cmdPrinted->click();
    EXPECT_EQ(d.working().m_TextSizePrinter, 18);
    EXPECT_EQ(d.working().m_DateSizePrinter, 18);
    EXPECT_EQ(d.working().m_DateFontPrinter.trimmed(), QStringLiteral("Sans"));
}

TEST_F(CalSettings, CancelledOrFailedFontDialogChangesNothing) {
    frmCalSettings& d = open();
    dialog.CommonDialog1 = [](const FontChoice&, FontTarget) { return std::optional<FontChoice>(); };
    d.cmdScreen->click();
    EXPECT_EQ(d.working(), storedCustomValues());
    EXPECT_TRUE(ui.messages().empty());
    dialog.CommonDialog1 = [](const FontChoice&, FontTarget) -> std::optional<FontChoice> {
        throw Error{32765, QStringLiteral("No fonts exist")};
    };
    d.cmdPrinted->click();
    ASSERT_EQ(ui.messages().size(), 1u);
    expectMessage(ui.messages()[0], "Error: 32765 - No fonts exist.", "cmdPrinted.Click", Icon::Warning);
    EXPECT_EQ(d.working(), storedCustomValues());
}

TEST_F(CalSettings, OkWritesTheCustomSetAndPutsItInForce) {
    frmCalSettings& d = open();
    typeInto(d.txtScreenDayHeight, QStringLiteral("200"));
    d.chkFullName->click();
    d.cmdOK->click();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    ASSERT_EQ(ui.messages().size(), 1u);
    expectMessage(ui.messages()[0], kOkText, "If you changed Font settings...", Icon::Information);
    DisplayValues expected = storedCustomValues();
    expected.m_DateHeightScreen = 200;
    expected.m_CheckFullName = 0;
    EXPECT_EQ(settingsFile(QStringLiteral("CustomSettings.dat")), EncodeSettingsRecord(expected, 0));
    EXPECT_EQ(settingsFile(QStringLiteral("TypeSettings.dat")), QByteArray("0\r\n"));
    EXPECT_EQ(program.display.values(), expected);
    EXPECT_EQ(program.display.m_chkDefaultFonts, 0);
}

TEST_F(CalSettings, OkOnTheDefaultSetRewritesItAsLoaded) {
    useKind("1");
    const QByteArray installed = settingsFile(QStringLiteral("DefaultSettings.dat"));
    const QByteArray custom = settingsFile(QStringLiteral("CustomSettings.dat"));
    frmCalSettings& d = open();
    d.cmdOK->click();
    EXPECT_EQ(settingsFile(QStringLiteral("DefaultSettings.dat")), installed);
    EXPECT_EQ(settingsFile(QStringLiteral("TypeSettings.dat")), QByteArray("1\r\n"));
    EXPECT_EQ(settingsFile(QStringLiteral("CustomSettings.dat")), custom);
    EXPECT_EQ(program.display.m_chkDefaultFonts, 1);
}

TEST_F(CalSettings, ChoosingTheDefaultSetInTheDialogPutsItInUse) {
    frmCalSettings& d = open();
    d.chkDefaultFonts->click();
    d.cmdOK->click();
    EXPECT_EQ(settingsFile(QStringLiteral("TypeSettings.dat")), QByteArray("1\r\n"));
    EXPECT_EQ(program.display.m_chkDefaultFonts, 1);
    EXPECT_EQ(program.display.values(), DisplaySettings(program).ReadSettingsRecord(1));
}

TEST_F(CalSettings, CancelDropsTheWorkingCopy) {
    const QByteArray custom = settingsFile(QStringLiteral("CustomSettings.dat"));
    frmCalSettings& d = open();
    typeInto(d.txtScreenDayHeight, QStringLiteral("300"));
    d.Option1[0]->click();
    d.cmdCancel->click();
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(settingsFile(QStringLiteral("CustomSettings.dat")), custom);
    EXPECT_EQ(program.display.m_DateHeightScreen, 140);
    open();
    EXPECT_EQ(d.txtScreenDayHeight->text(), QStringLiteral("140"));
    EXPECT_TRUE(d.Option1[1]->isChecked());
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(CalSettings, ClosingFromTheTitleBarSaves) {
    frmCalSettings& d = open();
    d.show();
    typeInto(d.txtPrintedDayHeight, QStringLiteral("222"));
    d.close();
    EXPECT_FALSE(d.isVisible());
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, kOkText);
    EXPECT_EQ(DisplaySettings(program).ReadSettingsRecord(0).m_DateHeightPrinter, 222);
}

TEST_F(CalSettings, LoadingTheSettingsRefreshesTheOpenDialog) {
    program.display.onLoaded = [this](int kind) { dialog.settingsLoaded(kind); };
    frmCalSettings& d = open();
    DisplayValues v = customValues();
    v.m_DateHeightScreen = 333;
    v.m_LetterNo = 0;
    v.m_LetterYes = 1;
    DisplaySettings(program).WriteSettingsRecord(0, v);
    DisplaySettings(program).SetFontsToCustom();
    EXPECT_EQ(d.txtScreenDayHeight->text(), QStringLiteral("333"));
    EXPECT_TRUE(d.Option1[0]->isChecked());
    DisplaySettings(program).SetFontsToDefault();
    EXPECT_FALSE(d.cmdScreen->isEnabled());
    EXPECT_FALSE(d.txtFullNameSize->isEnabled());
}

TEST_F(CalSettings, DevelopmentSwitchShowsOnlyInAProjectFolder) {
    open();
    EXPECT_TRUE(dialog.chkAllowDefaultSettings->isHidden());

    QTemporaryDir project(QDir::tempPath() + QStringLiteral("/RotaplanProject-XXXXXX"));
    ASSERT_TRUE(QDir().mkpath(project.path() + QStringLiteral("/settings")));
    ASSERT_TRUE(QFile::copy(folder.file(QStringLiteral("settings/DefaultSettings.dat")),
                            project.path() + QStringLiteral("/settings/DefaultSettings.dat")));
    Program inProject(ui, project.path());
    DisplaySettings(inProject).loadAtStart();
    frmCalSettings d(inProject);
    d.Form_Activate();
    EXPECT_FALSE(d.chkAllowDefaultSettings->isHidden());
    EXPECT_FALSE(d.txtScreenDayHeight->isEnabled());
    d.chkAllowDefaultSettings->click();
    EXPECT_TRUE(d.txtScreenDayHeight->isEnabled());
    EXPECT_TRUE(d.chkFullName->isEnabled());
    EXPECT_TRUE(d.cmdScreen->isEnabled());
    typeInto(d.txtScreenDayHeight, QStringLiteral("101"));
    d.cmdOK->click();
    EXPECT_EQ(DisplaySettings(inProject).ReadSettingsRecord(1).m_DateHeightScreen, 101);

    // A lower-case "project" is not the development folder.
    QTemporaryDir lower(QDir::tempPath() + QStringLiteral("/rotaplanproject-XXXXXX"));
    Program elsewhere(ui, lower.path());
    frmCalSettings other(elsewhere);
    QDir().mkpath(lower.path() + QStringLiteral("/settings"));
    other.Form_Activate();
    EXPECT_TRUE(other.chkAllowDefaultSettings->isHidden());
}

TEST_F(CalSettings, MissingSettingsFilesOpenWithSensibleValues) {
    for (const char* name : {"TypeSettings.dat", "CustomSettings.dat", "DefaultSettings.dat"})
        ASSERT_TRUE(QFile::remove(folder.file(QStringLiteral("settings/") + QLatin1String(name))));
    DisplaySettings(program).loadAtStart();
    frmCalSettings& d = open();
    EXPECT_TRUE(d.chkDefaultFonts->isChecked()) << "without the kind file the default set is in use";
    EXPECT_EQ(d.txtScreenDayHeight->text(), QStringLiteral("115"));
    EXPECT_EQ(d.txtPrintedDayHeight->text(), QStringLiteral("125"));
    EXPECT_EQ(d.txtFullNameSize->text(), QStringLiteral("6"));
    EXPECT_TRUE(d.Option1[2]->isChecked());
    EXPECT_EQ(ui.texts(), (QStringList{QStringLiteral("Number must be between 1 and 999"),
                                       QStringLiteral("Number must be between 1 and 999")}));
    d.chkDefaultFonts->click();
    EXPECT_EQ(d.workingKind(), 0);
    EXPECT_EQ(d.txtScreenDayHeight->text(), QStringLiteral("115"));
}

TEST_F(CalSettings, ShortCustomRecordShowsWhatItHolds) {
    QByteArray shortRecord = EncodeSettingsRecord(customValues(), 0).left(148);
    folder.write(QStringLiteral("settings/CustomSettings.dat"), shortRecord);
    frmCalSettings& d = open();
    EXPECT_EQ(d.txtScreenDayHeight->text(), QStringLiteral("140"));
    EXPECT_EQ(d.txtFullNameSize->text(), QStringLiteral("6"));
    EXPECT_FALSE(d.chkFullName->isChecked());
    EXPECT_TRUE(d.Option1[2]->isChecked());
    EXPECT_TRUE(ui.messages().empty());
    d.cmdOK->click();
    EXPECT_EQ(DisplaySettings(program).ReadSettingsRecord(0).m_LetterAgt, 1);
}

TEST_F(CalSettings, HelpWithoutAViewerSaysSo) {
    frmCalSettings& d = open();
    QString shown;
    d.cmdHelp->click();
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, QStringLiteral("Not available yet."));
    program.showHelp = [&](const QString& file) { shown = file; };
    d.cmdHelp->click();
    EXPECT_EQ(shown, folder.file(QStringLiteral("help/CALhlp.txt")));
}

// OK writes the record, then the kind file, and only then puts the set in force: when a write fails,
// neither the files nor the settings in force change, and the dialog can still be closed.
struct FailedSave {
    friend void PrintTo(const FailedSave& p, std::ostream* os) { *os << p.name; }
    const char* name;
    const char* readOnlyFile;
    bool chooseDefaultSet;
    std::function<void(frmCalSettings&)> close;
};

class CalSettingsFailedSave : public CalSettings, public ::testing::WithParamInterface<FailedSave> {};

TEST_P(CalSettingsFailedSave, ChangesNothingAndTheDialogStillCloses) {
    const FailedSave& c = GetParam();
    const QStringList names{QStringLiteral("TypeSettings.dat"), QStringLiteral("CustomSettings.dat"),
                            QStringLiteral("DefaultSettings.dat")};
    QList<QByteArray> before;
    for (const QString& name : names)
        before << settingsFile(name);
    const DisplayValues inForce = program.display.values();
    // Marked read-only, the file is refused to the administrator as well.
    ASSERT_TRUE(
        QFile::setPermissions(folder.file(QStringLiteral("settings/") + QLatin1String(c.readOnlyFile)),
                              QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    frmCalSettings& d = open();
    d.show();
    if (c.chooseDefaultSet)
        QTest::mouseClick(d.chkDefaultFonts, Qt::LeftButton);
    else
        typeInto(d.txtScreenDayHeight, QStringLiteral("200"));
    QTest::mouseClick(d.cmdOK, Qt::LeftButton);
    ASSERT_EQ(ui.messages().size(), 1u);
    expectMessage(ui.messages()[0], {.title = "frmCalSettings.cmdOK", .icon = Icon::Critical});
    EXPECT_TRUE(d.isVisible());

    c.close(d);
    EXPECT_FALSE(d.isVisible()) << c.name;
    EXPECT_NE(d.result(), QDialog::Accepted);
    for (const auto& m : ui.messages())
        EXPECT_EQ(m.title, QStringLiteral("frmCalSettings.cmdOK"));
    for (int i = 0; i < names.size(); ++i)
        EXPECT_EQ(settingsFile(names[i]), before[i]) << names[i];
    EXPECT_EQ(program.display.m_chkDefaultFonts, 0);
    EXPECT_EQ(program.display.values(), inForce);
}

INSTANTIATE_TEST_SUITE_P(
    Closings, CalSettingsFailedSave,
    ::testing::Values(FailedSave{"Cancel", "DefaultSettings.dat", true,
                                 [](frmCalSettings& d) { QTest::mouseClick(d.cmdCancel, Qt::LeftButton); }},
                      FailedSave{"Escape", "DefaultSettings.dat", true,
                                 [](frmCalSettings& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
                      FailedSave{"FrameButton", "TypeSettings.dat", false,
                                 [](frmCalSettings& d) { d.close(); }}),
    byName);
