// The site times editor: the times files of each site and weekday, the save question, the day-copy
// buttons and the letters a site uses on the chosen weekday.
#include "EditorFixture.h"
#include "editors/SlotTimesFile.h"

#include <QCheckBox>

using namespace rp;
using namespace rp::test;

namespace {

std::array<QString, 8> texts(std::initializer_list<const char*> list) {
    std::array<QString, 8> out;
    size_t i = 0;
    for (const char* t : list)
        out[i++] = QLatin1String(t);
    return out;
}

} // namespace

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
    EXPECT_EQ(lastMessage().text, QStringLiteral("Do you want to save your changes?"));
    EXPECT_EQ(lastMessage().title, QStringLiteral("Times Changed"));
    EXPECT_EQ(lastMessage().buttons, Buttons::YesNo);
    EXPECT_EQ(lastMessage().defaultButton, Answer::No);
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
                   texts({"9-11", "", "1-3", "", "", "", "6-8", ""}));
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
    WriteSiteTimes(timesFile("1_Main Office_Sun.dat"), false, texts({"Early"}));
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
