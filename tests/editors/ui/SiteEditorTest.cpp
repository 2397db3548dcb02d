// The site editor driven through the main window: site numbers, the nine-site limit, deletion with the
// site's times files, entry rules and holiday date picking.
#include "EditorFixture.h"
#include "model/SlotTimesFile.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>

using namespace rp;
using namespace rp::test;

namespace {

QString siteSql(int number, const char* name) {
    return QStringLiteral("INSERT INTO Sites (fdSNum, fdSName, fdAM1) VALUES (%1, '%2', 1);")
        .arg(number)
        .arg(QLatin1String(name));
}

} // namespace

TEST_F(EditorTest, SiteEditorOpensOnTheFirstSite) {
    open(QStringLiteral("TwoOfficeA"));
    frmSite& s = sites();
    EXPECT_EQ(s.windowTitle(), QStringLiteral("SITE INFORMATION"));
    EXPECT_EQ(s.txtSiteNum->text(), QStringLiteral("1"));
    EXPECT_EQ(s.txtSiteName->text(), QStringLiteral("Downtown"));
    EXPECT_EQ(s.lstSiteClick->count(), 2);
    EXPECT_EQ(s.findChild<QLineEdit*>(QStringLiteral("txtSlot_20")), s.txtSlot[20]);
    EXPECT_FALSE(s.CSCalSite->isVisible());
}

TEST_F(EditorTest, AddGivesTheLowestFreeSiteNumber) {
    open(QStringLiteral("OneOffice"), siteSql(2, "East") + siteSql(3, "North"));
    frmSite& s = sites();
    s.cmdSiteAdd->click();
    EXPECT_EQ(s.txtSiteNum->text(), QStringLiteral("4"));
    s.cmdCancel->click();
    EXPECT_EQ(rows(QStringLiteral("Sites")).size(), 3);
    // After deleting site 2, Add fills the gap.
    clickEntry(s.lstSiteClick, QStringLiteral("East"));
    EXPECT_EQ(s.txtSiteNum->text(), QStringLiteral("2"));
    s.cmdSiteDelete->click();
    EXPECT_EQ(rows(QStringLiteral("Sites")).size(), 2);
    s.cmdSiteAdd->click();
    EXPECT_EQ(s.txtSiteNum->text(), QStringLiteral("2"));
    QTest::keyClicks(s.txtSiteName, QStringLiteral("West"));
    QTest::keyClicks(s.txtSlot[3], QStringLiteral("2"));
    s.cmdSiteOk->click();
    EXPECT_EQ(ui.lastMessage().title, QStringLiteral("Times in place of Letters"));
    EXPECT_FALSE(s.isVisible());
    const QStringList after = rows(QStringLiteral("Sites"));
    ASSERT_EQ(after.size(), 3);
    EXPECT_TRUE(after.last().startsWith(QStringLiteral("2|West|<null>|2|"))) << after.last();
}

TEST_F(EditorTest, NineSitesAreTheLimit) {
    QString more;
    for (int n = 2; n <= 9; ++n)
        more += siteSql(n, "Site");
    open(QStringLiteral("OneOffice"), more);
    const QStringList before = rows(QStringLiteral("Sites"));
    frmSite& s = sites();
    s.cmdSiteAdd->click();
    EXPECT_TRUE(ui.texts().contains(QStringLiteral("Sorry, nine is the maximum number of sites allowed.")));
    EXPECT_FALSE(s.Adding);
    EXPECT_FALSE(s.cmdCancel->isEnabled());
    EXPECT_EQ(rows(QStringLiteral("Sites")), before);
}

TEST_F(EditorTest, DeletingASiteRemovesOnlyItsTimesFiles) {
    open(QStringLiteral("OneOffice"), siteSql(2, "East") + siteSql(3, "North") + siteSql(4, "Northwest"));
    for (const char* f : {"3_North_Mon.dat", "3_North_Tues.dat", "3_Northwest_Mon.dat", "4_Northwest_Mon.dat",
                          "1_Main Office_Mon.dat", "3_North_Mon.txt"})
        folder.write(QStringLiteral("Times/") + QLatin1String(f), QByteArray(122, ' '));
    frmSite& s = sites();
    ui.type(QStringLiteral("north"));
    s.cmdSiteFind->click();
    EXPECT_EQ(s.txtSiteName->text(), QStringLiteral("Northwest"))
        << "the last site whose name contains the answer";
    clickEntry(s.lstSiteClick, QStringLiteral("North"));
    ASSERT_EQ(s.txtSiteNum->text(), QStringLiteral("3"));
    s.cmdSiteDelete->click();
    EXPECT_FALSE(folder.exists(QStringLiteral("Times/3_North_Mon.dat")));
    EXPECT_FALSE(folder.exists(QStringLiteral("Times/3_North_Tues.dat")));
    EXPECT_TRUE(folder.exists(QStringLiteral("Times/3_Northwest_Mon.dat")));
    EXPECT_TRUE(folder.exists(QStringLiteral("Times/4_Northwest_Mon.dat")));
    EXPECT_TRUE(folder.exists(QStringLiteral("Times/1_Main Office_Mon.dat")));
    EXPECT_TRUE(folder.exists(QStringLiteral("Times/3_North_Mon.txt")));
    EXPECT_EQ(rows(QStringLiteral("Sites")).size(), 3);
    EXPECT_EQ(s.lstSiteClick->count(), 3);
}

TEST_F(EditorTest, AFailedSiteAddLeavesNothingForCancelAddToUndo) {
    open(QStringLiteral("OneOffice"),
         siteSql(2, "East") +
             QStringLiteral("CREATE TRIGGER refuse_bad BEFORE UPDATE ON Sites "
                            "WHEN NEW.fdSName = 'Bad' BEGIN SELECT RAISE(ABORT, 'refused'); END;"));
    const QStringList before = rows(QStringLiteral("Sites"));
    frmSite& s = sites();
    retype(s.txtSiteName, QStringLiteral("Bad"));
    pressMnemonic(s, Qt::Key_A);
    expectMessage(ui.lastMessage(), "Error refused", "ADD");
    EXPECT_FALSE(s.Adding);
    EXPECT_FALSE(s.cmdCancel->isEnabled());
    pressMnemonic(s, Qt::Key_C);
    EXPECT_EQ(rows(QStringLiteral("Sites")), before);
}

TEST_F(EditorTest, DeleteRemovesTheRecordFirstThenTheFilesOfItsStoredName) {
    open(QStringLiteral("OneOffice"),
         siteSql(2, "East") + siteSql(3, "North") +
             QStringLiteral("CREATE TRIGGER keep_north BEFORE DELETE ON Sites WHEN OLD.fdSName = 'North' "
                            "BEGIN SELECT RAISE(ABORT, 'locked'); END;"));
    for (const char* f : {"2_East_Mon.dat", "2_East_Sat.dat", "3_North_Mon.dat"})
        folder.write(QStringLiteral("Times/") + QLatin1String(f), QByteArray(122, ' '));
    frmSite& s = sites();
    clickEntry(s.lstSiteClick, QStringLiteral("East"));
    clickInto(s.txtSiteName);
    retype(s.txtSiteName, QStringLiteral("Eastern")); // typed, never stored
    pressMnemonic(s, Qt::Key_D);
    EXPECT_FALSE(folder.exists(QStringLiteral("Times/2_East_Mon.dat")));
    EXPECT_FALSE(folder.exists(QStringLiteral("Times/2_East_Sat.dat")));
    EXPECT_EQ(rows(QStringLiteral("Sites")).size(), 2);
    // A record the table keeps keeps its files.
    clickEntry(s.lstSiteClick, QStringLiteral("North"));
    pressMnemonic(s, Qt::Key_D);
    expectMessage(ui.lastMessage(), "Error: 3146. locked.", "cmdSiteDelete");
    EXPECT_TRUE(folder.exists(QStringLiteral("Times/3_North_Mon.dat")));
    EXPECT_EQ(rows(QStringLiteral("Sites")).size(), 2);
}

TEST_F(EditorTest, RenamingASiteTakesItsTimesFilesAlongOrLeavesThemAll) {
    open(QStringLiteral("OneOffice"), siteSql(2, "East"));
    for (int d = 1; d <= 7; ++d)
        folder.write(QStringLiteral("Times/1_Main Office_%1.dat").arg(TimesDayName(d)),
                     QByteArray(122, char('0' + d)));
    folder.write(QStringLiteral("Times/2_East_Mon.dat"), "Mon");
    folder.write(QStringLiteral("Times/2_East_Tues.dat"), "Tues");
    ASSERT_TRUE(
        QDir(folder.file(QStringLiteral("Times"))).mkpath(QStringLiteral("2_West_Tues.dat/in the way")));
    frmSite& s = sites();
    retype(s.txtSiteName, QStringLiteral("Head Office"));
    pressMnemonic(s, Qt::Key_N); // writes the site
    for (int d = 1; d <= 7; ++d) {
        EXPECT_FALSE(folder.exists(QStringLiteral("Times/1_Main Office_%1.dat").arg(TimesDayName(d))));
        EXPECT_EQ(folder.read(QStringLiteral("Times/1_Head Office_%1.dat").arg(TimesDayName(d))),
                  QByteArray(122, char('0' + d)));
    }
    // A Tuesday file that cannot take the new name keeps every file under the old one.
    ASSERT_EQ(s.txtSiteName->text(), QStringLiteral("East"));
    retype(s.txtSiteName, QStringLiteral("West"));
    pressMnemonic(s, Qt::Key_P);
    EXPECT_EQ(ui.lastMessage().title, QStringLiteral("frmSite.renameSiteTimes"));
    EXPECT_EQ(folder.read(QStringLiteral("Times/2_East_Mon.dat")), QByteArray("Mon"));
    EXPECT_EQ(folder.read(QStringLiteral("Times/2_East_Tues.dat")), QByteArray("Tues"));
    EXPECT_FALSE(folder.exists(QStringLiteral("Times/2_West_Mon.dat")));
}

TEST_F(EditorTest, TheOnlySiteCannotBeDeletedAndKeepsItsTimes) {
    open(QStringLiteral("OneOffice"));
    folder.write(QStringLiteral("Times/1_Main Office_Mon.dat"), QByteArray(122, ' '));
    frmSite& s = sites();
    s.cmdSiteDelete->click();
    EXPECT_EQ(ui.lastMessage().text, QStringLiteral("Cannot delete last record, Edit only"));
    EXPECT_TRUE(folder.exists(QStringLiteral("Times/1_Main Office_Mon.dat")));
    EXPECT_FALSE(s.cmdSiteNext->isEnabled());
    EXPECT_EQ(rows(QStringLiteral("Sites")).size(), 1);
}

TEST_F(EditorTest, SiteNameAllowsOnlyLettersDigitsAndBlanks) {
    open(QStringLiteral("OneOffice"));
    frmSite& s = sites();
    retype(s.txtSiteName, QStringLiteral("North-East"));
    EXPECT_EQ(s.txtSiteName->text(), QStringLiteral("North East"));
    expectMessage(ui.lastMessage(), "Sorry, this character is not allowed to be used in the name.",
                  "Bad Character");
    s.txtSiteName->clear();
    ui.clear();
    QApplication::clipboard()->setText(QStringLiteral("O'Hare \"Main\" Office Two"));
    s.txtSiteName->paste();
    EXPECT_EQ(s.txtSiteName->text(), QStringLiteral("O Hare  Main  "));
    EXPECT_EQ(s.txtSiteName->text().size(), 14);
    EXPECT_TRUE(ui.texts().contains(QStringLiteral("Site Name is limited to a length of 14 characters")));
}

TEST_F(EditorTest, LinkSlotAndHolidayBoxes) {
    open(QStringLiteral("OneOffice"));
    frmSite& s = sites();
    clickInto(s.txtSLink);
    retype(s.txtSLink, QStringLiteral("1b"));
    EXPECT_EQ(s.txtSLink->text(), QStringLiteral("B"));
    retype(s.txtSLink, QString());
    QTest::keyClick(s.txtSLink, Qt::Key_Tab); // on to the first slot box
    EXPECT_EQ(s.txtSLink->text(), QStringLiteral(" "));
    retype(s.txtSlot[0], QString());
    QTest::keyClick(s.txtSlot[0], Qt::Key_Tab);
    EXPECT_EQ(s.txtSlot[0]->text(), QStringLiteral("0"));
    retype(s.txtSlot[0], QStringLiteral("3"));
    EXPECT_EQ(s.txtSlot[0]->text(), QStringLiteral("3")) << "a count outside the range is kept as typed";
    clickInto(s.txtHoliday);
    s.txtHoliday->setText(QString(24, QLatin1Char('1')));
    s.txtHoliday->end(false);
    QTest::keyClick(s.txtHoliday, Qt::Key_2);
    EXPECT_EQ(ui.lastMessage().text,
              QStringLiteral("Site holiday entry is limited to a length of 24 characters"));
    EXPECT_EQ(s.txtHoliday->text().size(), 24);
    retype(s.txtHoliday, QStringLiteral("25 40"));
    pressMnemonic(s, Qt::Key_N);
    EXPECT_EQ(ui.lastMessage().title, QStringLiteral("Date entry error"));
    retype(s.txtHoliday, QStringLiteral("25"));
    pressMnemonic(s, Qt::Key_N);
    pressMnemonic(s, Qt::Key_E);
    EXPECT_TRUE(rows(QStringLiteral("Sites")).first().contains(QStringLiteral("|3|")))
        << "slot count written";
}

TEST_F(EditorTest, HolidayCalendarTakesClicksUpToSeventyFourCharacters) {
    open(QStringLiteral("OneOffice"));
    frmSite& s = sites();
    s.txtHoliday_GotFocus();
    EXPECT_TRUE(s.CSCalSite->isVisible());
    EXPECT_EQ(s.CSCalSite->MonthShown(), QDate(2027, 1, 1));
    s.txtHoliday->setText(QStringLiteral("25-"));
    s.CSCalSite->clickDay(31);
    EXPECT_EQ(s.txtHoliday->text(), QStringLiteral("25-31"));
    s.txtHoliday->setText(QString(74, QLatin1Char('1')));
    s.CSCalSite->clickDay(3);
    EXPECT_EQ(s.txtHoliday->text().size(), 76);
    EXPECT_EQ(ui.beeps(), 0);
    EXPECT_TRUE(ui.texts().contains(
        QStringLiteral("To enter dates in a row, you can use the dash.  Example: '5 10-15 20'")));
    s.txtHoliday->setText(QString(75, QLatin1Char('1')));
    s.CSCalSite->clickDay(3);
    EXPECT_EQ(s.txtHoliday->text().size(), 75);
    EXPECT_EQ(ui.beeps(), 1);
    s.txtHoliday->setText(QString(72, QLatin1Char('1')));
    s.CSCalSite->doubleClickDay(4);
    EXPECT_EQ(s.txtHoliday->text().size(), 72) << "the click appends \" 4\", the double click removes it";
    EXPECT_FALSE(s.CSCalSite->isVisible());
}

TEST_F(EditorTest, MovingWithAShortSiteNameIsRefused) {
    open(QStringLiteral("TwoOfficeA"));
    frmSite& s = sites();
    // The name changes while another box has the focus, so the name box's own check does not see it.
    clickInto(s.txtSLink);
    retype(s.txtSiteName, QStringLiteral("D"));
    s.cmdSiteNext->click();
    EXPECT_EQ(ui.lastMessage().text, QStringLiteral("Please enter site name first."));
    EXPECT_EQ(s.txtSiteNum->text(), QStringLiteral("1"));
    ASSERT_TRUE(s.txtSiteName->hasFocus());
    QTest::keyClick(s.txtSiteName, Qt::Key_Tab);
    EXPECT_EQ(ui.lastMessage().text, QStringLiteral("Please enter SITE NAME"));
    QCoreApplication::processEvents();
    EXPECT_TRUE(s.txtSiteName->hasFocus()) << "the focus comes back to the name box";
}
