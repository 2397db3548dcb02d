// The site times editor: the times files of each site and weekday, the save question, the day-copy
// buttons and the letters a site uses on the chosen weekday.
#include "EditorFixture.h"
#include "model/SlotTimesFile.h"

#include <QCheckBox>
#include <QDirIterator>
#include <unistd.h>

using namespace rp;
using namespace rp::test;

class SiteTimesTest : public EditorTest {
protected:
    frmSiteTimes& openTimes() {
        answerDialog = [this](QDialog& d) { shown = static_cast<frmSiteTimes*>(&d); };
        window().mnuTimes->trigger();
        return *shown;
    }
    QString timesFile(const char* name) {
        return folder.file(QStringLiteral("Times/") + QLatin1String(name));
    }
    frmSiteTimes* shown = nullptr;
};

TEST_F(SiteTimesTest, OpensOnTheFirstSiteAndSunday) {
    open(QStringLiteral("TwoOfficeA"));
    frmSiteTimes& t = openTimes();
    EXPECT_EQ(t.windowTitle(), QStringLiteral("Show times in place of letters"));
    ASSERT_EQ(t.lstSiteNames->count(), 2);
    EXPECT_EQ(t.lstSiteNames->item(0)->text(), QStringLiteral("1_Downtown"));
    EXPECT_EQ(t.lstDays->count(), 7);
    EXPECT_EQ(t.lstDays->currentRow(), 0);
    EXPECT_EQ(t.lstSiteNames->currentRow(), 0);
    EXPECT_EQ(t.TimesFile, timesFile("1_Downtown_Sun.dat"));
    EXPECT_FALSE(t.TimesChanged);
    EXPECT_FALSE(t.chkUseTimes->isChecked());
    EXPECT_EQ(t.lblLetter[0]->text(), QStringLiteral("A-"));
    EXPECT_EQ(t.cmdDOW[4]->text(), QStringLiteral("Th"));
}

TEST_F(SiteTimesTest, OkWithoutChangesWritesTheDayShownWithLetters) {
    open(QStringLiteral("OneOffice"));
    frmSiteTimes& t = openTimes();
    t.cmdOK->click();
    const QByteArray bytes = folder.read(QStringLiteral("Times/1_Main Office_Sun.dat"));
    ASSERT_EQ(bytes.size(), kSiteTimesRecordSize);
    EXPECT_EQ(bytes.left(2), QByteArray(2, '\0'));
    EXPECT_EQ(bytes.mid(2), QByteArray(120, ' '));
}

TEST_F(SiteTimesTest, TypingATimeChecksUseTimesAndOkStoresIt) {
    open(QStringLiteral("OneOffice"));
    frmSiteTimes& t = openTimes();
    QTest::keyClicks(t.txtTime[0], QStringLiteral("10:00-12:00"));
    EXPECT_TRUE(t.chkUseTimes->isChecked());
    EXPECT_TRUE(t.TimesChanged);
    t.cmdOK->click();
    const SiteTimesRecord r = ReadSiteTimes(timesFile("1_Main Office_Sun.dat"));
    EXPECT_EQ(r.UseTimes, 1);
    EXPECT_EQ(r.SlotText[0], QStringLiteral("10:00-12:00"));
    EXPECT_EQ(folder.read(QStringLiteral("Times/1_Main Office_Sun.dat")).mid(2, 15),
              QByteArray("10:00-12:00    "));
}

TEST_F(SiteTimesTest, LeavingAChangedDayAsksWhetherToSave) {
    open(QStringLiteral("OneOffice"));
    frmSiteTimes& t = openTimes();
    t.lstDays->setCurrentRow(1); // Monday
    QTest::keyClicks(t.txtTime[2], QStringLiteral("1-3"));
    ui.answer(Answer::No);
    t.lstDays->setCurrentRow(2); // Tuesday
    ASSERT_FALSE(ui.messages().empty());
    expectMessage(ui.lastMessage(), {.text = "Do you want to save your changes?",
                                     .title = "Times Changed",
                                     .buttons = Buttons::YesNo,
                                     .defaultButton = Answer::No});
    EXPECT_FALSE(folder.exists(QStringLiteral("Times/1_Main Office_Mon.dat")));
    t.lstDays->setCurrentRow(1);
    EXPECT_EQ(t.txtTime[2]->text(), QString()) << "No discarded the Monday changes";
    QTest::keyClicks(t.txtTime[2], QStringLiteral("1-3"));
    ui.answer(Answer::Yes);
    t.lstDays->setCurrentRow(2);
    EXPECT_EQ(ReadSiteTimes(timesFile("1_Main Office_Mon.dat")).SlotText[2], QStringLiteral("1-3"));
    EXPECT_EQ(t.TimesFile, timesFile("1_Main Office_Tues.dat"));
    EXPECT_EQ(t.txtTime[2]->text(), QString());
    t.cmdCancel->click();
    EXPECT_FALSE(folder.exists(QStringLiteral("Times/1_Main Office_Tues.dat"))) << "Cancel saves nothing";
}

TEST_F(SiteTimesTest, CopyButtonFillsTheSelectedDayFromAnotherDay) {
    open(QStringLiteral("OneOffice"));
    WriteSiteTimes(timesFile("1_Main Office_Mon.dat"), true,
                   slotTexts({"9-11", "", "1-3", "", "", "", "6-8", ""}));
    const QByteArray monday = folder.read(QStringLiteral("Times/1_Main Office_Mon.dat"));
    frmSiteTimes& t = openTimes();
    t.lstDays->setCurrentRow(3); // Wednesday
    EXPECT_FALSE(t.chkUseTimes->isChecked());
    t.cmdDOW[1]->click(); // "M"
    EXPECT_EQ(t.txtTime[0]->text(), QStringLiteral("9-11"));
    EXPECT_EQ(t.txtTime[6]->text(), QStringLiteral("6-8"));
    EXPECT_TRUE(t.chkUseTimes->isChecked());
    EXPECT_TRUE(t.TimesChanged);
    EXPECT_EQ(t.TimesFile, timesFile("1_Main Office_Weds.dat"));
    t.cmdOK->click();
    EXPECT_EQ(folder.read(QStringLiteral("Times/1_Main Office_Weds.dat")), monday);
    EXPECT_EQ(folder.read(QStringLiteral("Times/1_Main Office_Mon.dat")), monday);
}

TEST_F(SiteTimesTest, AFileWithTextsButNoFlagShowsTheBoxChecked) {
    open(QStringLiteral("OneOffice"));
    WriteSiteTimes(timesFile("1_Main Office_Sun.dat"), false, slotTexts({"Early"}));
    frmSiteTimes& t = openTimes();
    EXPECT_TRUE(t.chkUseTimes->isChecked());
    EXPECT_FALSE(t.TimesChanged);
    t.cmdOK->click();
    EXPECT_EQ(ReadSiteTimes(timesFile("1_Main Office_Sun.dat")).UseTimes, 1);
}

TEST_F(SiteTimesTest, LettersTheSiteUsesOnTheDayAreMarked) {
    open(QStringLiteral("OneOffice"), QStringLiteral("UPDATE Sites SET fdAM6 = 2, fdPM6 = 3, fdEV6 = 0;"));
    frmSiteTimes& t = openTimes();
    t.lstDays->setCurrentRow(5); // Friday
    QString marked;
    for (int i = 0; i < 8; ++i) {
        if (t.letterInUse(i))
            marked += QChar(u'A' + i);
    }
    EXPECT_EQ(marked, QStringLiteral("ABCDE"));
    const QPalette app = QApplication::palette();
    EXPECT_EQ(t.lblLetter[0]->palette().color(QPalette::Window), app.color(QPalette::ToolTipBase));
    EXPECT_EQ(t.lblLetter[7]->palette().color(QPalette::Window), app.color(QPalette::Button));
    t.lstDays->setCurrentRow(0); // Sunday: one slot of each period
    EXPECT_TRUE(t.letterInUse(0));
    EXPECT_FALSE(t.letterInUse(1));
    EXPECT_TRUE(t.letterInUse(2));
    EXPECT_TRUE(t.letterInUse(6));
    t.cmdCancel->click();
}

TEST_F(SiteTimesTest, ShownAgainItStartsOnSundayAndTheFirstSite) {
    open(QStringLiteral("TwoOfficeA"));
    frmSiteTimes& t = openTimes();
    clickEntry(t.lstSiteNames, QStringLiteral("2_Lakeside"));
    clickEntry(t.lstDays, QStringLiteral("Tues"));
    QTest::keyClicks(t.txtTime[0], QStringLiteral("8-9"));
    QTest::mouseClick(t.cmdCancel, Qt::LeftButton);
    ASSERT_FALSE(t.isVisible());
    t.show();
    EXPECT_EQ(t.lstSiteNames->currentRow(), 0);
    EXPECT_EQ(t.lstDays->currentRow(), 0);
    EXPECT_EQ(t.TimesFile, timesFile("1_Downtown_Sun.dat"));
    EXPECT_EQ(t.txtTime[0]->text(), QString());
    EXPECT_FALSE(t.TimesChanged);
    EXPECT_TRUE(ui.messages().empty()) << "cancelled changes are not offered for saving";
}

TEST_F(SiteTimesTest, TimesFilesTakeTheSiteNameWithoutItsTrailingBlanks) {
    open(QStringLiteral("OneOffice"), QStringLiteral("UPDATE Sites SET fdSName = 'Main Office ';"));
    frmSiteTimes& t = openTimes();
    QTest::keyClicks(t.txtTime[0], QStringLiteral("9-11"));
    QTest::mouseClick(t.cmdOK, Qt::LeftButton);
    EXPECT_TRUE(folder.exists(QStringLiteral("Times/1_Main Office_Sun.dat")));
    // The calendar reads the same file.
    click("cmdGenerate");
    EXPECT_TRUE(control().CellText(QDate(2027, 1, 3)).contains(QStringLiteral("9-11")))
        << control().CellText(QDate(2027, 1, 3));
}

// A times file the screen cannot show is reported when its day is selected and left as it is.
struct UnshownFile {
    friend void PrintTo(const UnshownFile& p, std::ostream* os) { *os << p.name; }
    const char* name;
    const char* sqlBefore;
    const char* text;
    const char* title;
};

class UnshownTimesFileTest : public SiteTimesTest, public ::testing::WithParamInterface<UnshownFile> {
protected:
    // Every entry of the Times folder with its content.
    QStringList timesFolder() {
        QStringList out;
        QDirIterator it(folder.file(QStringLiteral("Times")), QDir::AllEntries | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile f(path);
            out << path + QLatin1Char('=') +
                       (it.fileInfo().isFile() && f.open(QIODevice::ReadOnly) ? f.readAll()
                                                                              : QByteArray("?"));
        }
        out.sort();
        return out;
    }
};

TEST_P(UnshownTimesFileTest, IsReportedAndLeftAlone) {
    const UnshownFile& c = GetParam();
    open(QStringLiteral("OneOffice"), QLatin1String(c.sqlBefore));
    const QString sunday = timesFile("1_Main Office_Sun.dat");
    if (QLatin1String(c.name) == QLatin1String("folder")) {
        ASSERT_TRUE(QDir().mkpath(sunday));
    } else if (QLatin1String(c.name) == QLatin1String("unreadable")) {
        WriteSiteTimes(sunday, true, slotTexts({"9-11"}));
        ASSERT_TRUE(QFile::setPermissions(sunday, QFile::WriteOwner));
    }
    const QStringList before = timesFolder();
    frmSiteTimes& t = openTimes();
    ASSERT_EQ(ui.messages().size(), 1u) << ui.texts().join(QLatin1Char('\n'));
    expectMessage(ui.lastMessage(), QLatin1String(c.text), QLatin1String(c.title), Icon::Information);
    EXPECT_FALSE(t.txtTime[0]->isEnabled());
    EXPECT_FALSE(t.chkUseTimes->isEnabled());
    QTest::mouseClick(t.cmdOK, Qt::LeftButton);
    EXPECT_FALSE(t.isVisible());
    EXPECT_EQ(timesFolder(), before);
    EXPECT_EQ(ui.messages().size(), 1u);
}

namespace {
std::vector<UnshownFile> unshownFiles() {
    std::vector<UnshownFile> cases{
        {"folder", "", "Error #: 75 - Path/File access error.", "lstSiteNames_Click"},
        {"name", "UPDATE Sites SET fdSName = 'Main/Office';",
         "Sorry, this character is not allowed to be used in the name.", "Bad Character"}};
    // The administrator reads any file, so a missing read permission fails only for other users.
    if (geteuid() != 0)
        cases.push_back({"unreadable", "", "Error #: 70 - Permission denied.", "lstSiteNames_Click"});
    return cases;
}
} // namespace

INSTANTIATE_TEST_SUITE_P(SiteTimes, UnshownTimesFileTest, ::testing::ValuesIn(unshownFiles()), byName);
