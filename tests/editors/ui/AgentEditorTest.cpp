// The agent editor driven through the main window: records, commands, entry rules and date picking.
#include "EditorFixture.h"

#include <QApplication>
#include <QClipboard>

using namespace rp;
using namespace rp::test;

namespace {
const QString kDuplicate = QStringLiteral("Name or initials are already in use. Please make them unique.");
}

TEST_F(EditorTest, AgentEditorOpensOnTheFirstAgentWithTheListAndSiteLists) {
    open(QStringLiteral("OneOffice"));
    frmAgt& a = agents();
    EXPECT_TRUE(a.isVisible());
    EXPECT_EQ(a.windowTitle(), QStringLiteral("AGENT INFORMATION"));
    EXPECT_EQ(a.txtName->text(), QStringLiteral("Margaret Olsen"));
    EXPECT_EQ(a.txtAALL->text(), QStringLiteral("5 12-14"));
    ASSERT_EQ(a.lstAgtClick->count(), 12);
    EXPECT_EQ(a.lstAgtClick->item(1)->text(), QStringLiteral("David Chen (DC)"));
    ASSERT_EQ(a.lstAgtSites->count(), 1);
    EXPECT_EQ(a.lstAgtSites->item(0)->text(), QStringLiteral("1 - Main Office"));
    EXPECT_EQ(a.CSCalAgt->MonthShown(), QDate(2027, 1, 1));
    EXPECT_EQ(a.findChild<QWidget*>(QStringLiteral("txtAPM2")), a.txtAPM2);
}

TEST_F(EditorTest, AddThenCancelAddLeavesTheTableAsItWas) {
    open(QStringLiteral("OneOffice"));
    const QStringList before = rows(QStringLiteral("Agents"));
    frmAgt& a = agents();
    a.cmdagtadd->click();
    EXPECT_TRUE(a.Adding);
    EXPECT_TRUE(a.cmdCancel->isEnabled());
    EXPECT_FALSE(a.cmdagtDelete->isEnabled());
    EXPECT_FALSE(a.lstAgtClick->isEnabled());
    EXPECT_EQ(a.txtName->text(), QString());
    a.cmdCancel->click();
    EXPECT_FALSE(a.Adding);
    EXPECT_EQ(rows(QStringLiteral("Agents")), before);
    EXPECT_EQ(a.txtName->text(), QStringLiteral("Christopher Lang")) << "the editor ends on the last agent";
    EXPECT_EQ(a.lstAgtClick->count(), 12);
    EXPECT_FALSE(a.cmdCancel->isEnabled());
}

TEST_F(EditorTest, AddWithAOneCharacterNameAddsNothing) {
    open(QStringLiteral("OneOffice"));
    const QStringList before = rows(QStringLiteral("Agents"));
    frmAgt& a = agents();
    // The name changes while another box has the focus, so the name box's own check does not see it.
    clickInto(a.txtMax);
    retype(a.txtName, QStringLiteral("M"));
    a.cmdagtadd->click();
    EXPECT_EQ(ui.lastMessage().text, QStringLiteral("Name Required."));
    EXPECT_FALSE(a.Adding);
    EXPECT_EQ(rows(QStringLiteral("Agents")), before);
}

TEST_F(EditorTest, AFailedAddLeavesNothingForCancelAddToUndo) {
    open(QStringLiteral("OneOffice"));
    const QStringList before = rows(QStringLiteral("Agents"));
    frmAgt& a = agents();
    clickInto(a.txtIni);
    retype(a.txtIni, QStringLiteral("DC")); // David Chen's initials
    pressMnemonic(a, Qt::Key_A);
    expectMessage(ui.lastMessage(), kDuplicate, "ADD");
    EXPECT_FALSE(a.Adding);
    EXPECT_FALSE(a.cmdCancel->isEnabled());
    EXPECT_TRUE(a.txtIni->hasFocus());
    pressMnemonic(a, Qt::Key_C);
    EXPECT_EQ(rows(QStringLiteral("Agents")), before);
    EXPECT_EQ(a.txtName->text(), QStringLiteral("Margaret Olsen"));
}

TEST_F(EditorTest, AddedAgentIsWrittenWithItsDefaults) {
    open(QStringLiteral("OneOffice"));
    frmAgt& a = agents();
    a.cmdagtadd->click();
    QTest::keyClicks(a.txtName, QStringLiteral("Robert Brown"));
    EXPECT_TRUE(a.txtName_LostFocus());
    EXPECT_EQ(a.txtIni->text(), QStringLiteral("Robe"));
    EXPECT_EQ(a.txtAssign->text(), QStringLiteral("1"));
    EXPECT_EQ(a.txtMax->text(), QStringLiteral("99"));
    a.cmdAgtOk->click();
    EXPECT_FALSE(a.isVisible());
    const QStringList after = rows(QStringLiteral("Agents"));
    ASSERT_EQ(after.size(), 13);
    EXPECT_TRUE(after.last().startsWith(QStringLiteral("Robert Brown|Robe|99|1|"))) << after.last();
    EXPECT_EQ(a.lstAgtClick->item(12)->text(), QStringLiteral("Robert Brown (Robe)"));
}

TEST_F(EditorTest, DuplicateInitialsAndNextShowTheUpdateMessageAndStayOnTheAgent) {
    open(QStringLiteral("OneOffice"));
    frmAgt& a = agents();
    a.txtIni_GotFocus();
    retype(a.txtIni, QStringLiteral("DC"));
    EXPECT_TRUE(a.txtIni_LostFocus());
    a.cmdagtnext->click();
    ASSERT_FALSE(ui.messages().empty());
    expectMessage(ui.lastMessage(), kDuplicate, "UPDATE");
    EXPECT_EQ(a.txtName->text(), QStringLiteral("Margaret Olsen"));
    EXPECT_EQ(a.txtIni->text(), QStringLiteral("DC")) << "what the user typed stays on screen";
    EXPECT_TRUE(rows(QStringLiteral("Agents")).first().startsWith(QStringLiteral("Margaret Olsen|MO|")));
    // Correcting the initials lets the editor move on and writes them.
    retype(a.txtIni, QStringLiteral("MaO"));
    a.cmdagtnext->click();
    EXPECT_TRUE(rows(QStringLiteral("Agents")).first().startsWith(QStringLiteral("Margaret Olsen|MaO|")));
}

TEST_F(EditorTest, ChangesToOtherBoxesAreWrittenWhenTheEditorMoves) {
    open(QStringLiteral("OneOffice"));
    frmAgt& a = agents();
    retype(a.txtAAM, QStringLiteral("7 8"));
    a.cmdagtnext->click();
    EXPECT_EQ(a.txtName->text(), QStringLiteral("David Chen"));
    EXPECT_TRUE(rows(QStringLiteral("Agents")).first().contains(QStringLiteral("|7 8|")));
    a.cmdagtprev->click();
    EXPECT_EQ(a.txtAAM->text(), QStringLiteral("7 8"));
    a.cmdagtprev->click();
    EXPECT_FALSE(a.cmdagtprev->isEnabled()) << "the first agent disables Previous";
}

TEST_F(EditorTest, FindEndsOnTheLastMatchOrOnTheFirstAgent) {
    open(QStringLiteral("OneOffice"));
    frmAgt& a = agents();
    ui.type(QStringLiteral("AR")); // Margaret, Robert Alvarez, Karen, Michael Harrington
    a.cmdagtfind->click();
    EXPECT_EQ(ui.prompts().last(), QStringLiteral("Which Agent?"));
    EXPECT_EQ(a.txtName->text(), QStringLiteral("Michael Harrington"));
    ui.type(QStringLiteral("zzz"));
    a.cmdagtfind->click();
    EXPECT_EQ(a.txtName->text(), QStringLiteral("Margaret Olsen"));
    ui.type(QString());
    a.cmdagtfind->click();
    EXPECT_EQ(a.txtName->text(), QStringLiteral("Christopher Lang"));
    ui.type(std::nullopt);
    a.cmdagtfind->click();
    EXPECT_EQ(a.txtName->text(), QStringLiteral("Christopher Lang"))
        << "a cancelled prompt matches every agent";
}

TEST_F(EditorTest, FindTakesApostrophesAndWildcardsLiterally) {
    open(QStringLiteral("OneOffice"));
    frmAgt& a = agents();
    a.cmdagtnext->click();
    ui.type(QStringLiteral("O'Brien"));
    a.cmdagtfind->click();
    EXPECT_EQ(a.txtName->text(), QStringLiteral("Margaret Olsen"));
    ui.type(QStringLiteral("*"));
    a.cmdagtfind->click();
    EXPECT_EQ(a.txtName->text(), QStringLiteral("Margaret Olsen"));
    EXPECT_TRUE(ui.messages().empty()) << ui.texts().join(QLatin1Char('\n'));
}

TEST_F(EditorTest, ClickingAnAgentListEntryShowsThatAgent) {
    open(QStringLiteral("OneOffice"));
    frmAgt& a = agents();
    clickEntry(a.lstAgtClick, QStringLiteral("Patricia Nguyen (PN)"));
    EXPECT_EQ(a.txtName->text(), QStringLiteral("Patricia Nguyen"));
    EXPECT_EQ(a.txtAOn1->text(), QStringLiteral("3A 17C"));
}

TEST_F(EditorTest, DeleteRemovesTheShownAgentAndRefusesTheLastOne) {
    open(QStringLiteral("OneOffice"),
         QStringLiteral("DELETE FROM Agents WHERE fdInitial NOT IN ('MO', 'DC');"));
    frmAgt& a = agents();
    a.cmdagtDelete->click();
    EXPECT_EQ(rows(QStringLiteral("Agents")).size(), 1);
    EXPECT_EQ(a.txtName->text(), QStringLiteral("David Chen"));
    a.cmdagtDelete->click();
    expectMessage(ui.lastMessage(), "Cannot delete last record, Edit only", "LAST RECORD");
    EXPECT_FALSE(a.cmdagtnext->isEnabled());
    EXPECT_FALSE(a.cmdagtprev->isEnabled());
    EXPECT_EQ(rows(QStringLiteral("Agents")).size(), 1);
}

TEST_F(EditorTest, OkRefusesAShortNameAndMissingInitials) {
    open(QStringLiteral("OneOffice"));
    frmAgt& a = agents();
    // The boxes change while another box has the focus, so their own checks do not see it.
    clickInto(a.txtMax);
    retype(a.txtName, QStringLiteral("M"));
    a.cmdAgtOk->click();
    expectMessage(ui.lastMessage(), "Please enter Agent name first.", "AGENT NAME");
    EXPECT_TRUE(a.isVisible());
    retype(a.txtName, QStringLiteral("Margaret Olsen"));
    clickInto(a.txtMax);
    a.txtIni->clear();
    a.cmdAgtOk->click();
    EXPECT_EQ(ui.lastMessage().text, QStringLiteral("Please enter Agent's Initials first."));
    EXPECT_TRUE(a.isVisible());
}

// ---------------------------------------------------------------------------------------------------------
// Entry rules

TEST_F(EditorTest, NameBoxReplacesQuotesTypedOrPasted) {
    open(QStringLiteral("OneOffice"));
    frmAgt& a = agents();
    retype(a.txtName, QStringLiteral("Ann O'Neil"));
    EXPECT_EQ(a.txtName->text(), QStringLiteral("Ann O Neil"));
    expectMessage(ui.lastMessage(), "No apostrophes or quotes", kProgramTitle);
    ui.clear();
    a.txtName->clear();
    QApplication::clipboard()->setText(QStringLiteral("\"Bo\" O'Hara"));
    a.txtName->paste();
    EXPECT_EQ(a.txtName->text(), QStringLiteral(" Bo  O Hara"));
    EXPECT_EQ(ui.messages().size(), 1u) << "one message for one paste";
}

TEST_F(EditorTest, NameBoxHoldsTwentyFourCharactersTypedOrPasted) {
    open(QStringLiteral("OneOffice"));
    frmAgt& a = agents();
    a.txtName->clear();
    QApplication::clipboard()->setText(QString(200, QLatin1Char('x')));
    a.txtName->paste();
    EXPECT_EQ(a.txtName->text().size(), 24);
    expectMessage(ui.lastMessage(), "Agent Name is limited to a length of 24 characters",
                  " Limited to 24 Characters", Icon::Information);
    ui.clear();
    a.txtName->end(false);
    QTest::keyClick(a.txtName, Qt::Key_Y);
    EXPECT_EQ(a.txtName->text(), QString(24, QLatin1Char('x')));
    EXPECT_EQ(ui.messages().size(), 1u);
    QTest::keyClick(a.txtName, Qt::Key_Backspace);
    EXPECT_EQ(a.txtName->text().size(), 23) << "Backspace always passes";
}

TEST_F(EditorTest, NumberAndDateBoxesRefuseOtherKeysWithABeep) {
    open(QStringLiteral("OneOffice"));
    frmAgt& a = agents();
    a.txtMax->clear();
    QTest::keyClicks(a.txtMax, QStringLiteral("9x9"));
    EXPECT_EQ(a.txtMax->text(), QStringLiteral("99"));
    EXPECT_EQ(ui.beeps(), 1);
    a.txtAssign->clear();
    QTest::keyClicks(a.txtAssign, QStringLiteral("1 0-3"));
    EXPECT_EQ(a.txtAssign->text(), QStringLiteral("1 3"));
    a.txtAALL->clear();
    QApplication::clipboard()->setText(QStringLiteral("5, 10-15; x20"));
    a.txtAALL->paste();
    EXPECT_EQ(a.txtAALL->text(), QStringLiteral("5 10-15 20"));
}

TEST_F(EditorTest, ManualSiteBoxesTakeDigitsOnlyTypedOrPasted) {
    open(QStringLiteral("OneOffice"));
    frmAgt& a = agents();
    clickInto(a.txtASite1);
    QTest::keyClicks(a.txtASite1, QStringLiteral("x"));
    QApplication::clipboard()->setText(QStringLiteral("b"));
    a.txtASite1->paste();
    EXPECT_EQ(a.txtASite1->text(), QString());
    EXPECT_EQ(ui.beeps(), 2);
    QTest::keyClicks(a.txtASite1, QStringLiteral("4"));
    EXPECT_EQ(a.txtASite1->text(), QStringLiteral("4"));
    pressMnemonic(a, Qt::Key_E);
    auto db = Database::open(officePath());
    auto agentsTable = db->openTable(QStringLiteral("Agents"));
    EXPECT_EQ(agentsTable->field(QStringLiteral("fdManSite1")), QVariant(qlonglong(4)));
}

TEST_F(EditorTest, ManualBoxesTurnSlotLettersIntoCapitals) {
    open(QStringLiteral("OneOffice"));
    frmAgt& a = agents();
    QTest::keyClicks(a.txtAOn1, QStringLiteral("1a 12g 26c 4z"));
    EXPECT_EQ(a.txtAOn1->text(), QStringLiteral("1A 12G 26C 4"));
}

TEST_F(EditorTest, CheckManualEntriesKeepsTheTextAsTypedOrRefusesIt) {
    open(QStringLiteral("OneOffice"));
    frmAgt& a = agents();
    a.txtAOn1->setText(QStringLiteral("1A 12G 26C"));
    EXPECT_TRUE(a.CheckManualEntries(a.txtAOn1));
    EXPECT_EQ(a.txtAOn1->text(), QStringLiteral("1A 12G 26C"));
    for (const char* bad : {"1A 32B", "1A 12", "12", "1A12I"}) {
        ui.clear();
        a.txtAOn1->setText(QLatin1String(bad));
        EXPECT_FALSE(a.CheckManualEntries(a.txtAOn1)) << bad;
        EXPECT_EQ(ui.lastMessage().title, QStringLiteral("can ONLY work Error")) << bad;
        EXPECT_EQ(a.txtAOn1->text(), QLatin1String(bad));
    }
    a.txtAOn2->setText(QStringLiteral("   "));
    EXPECT_TRUE(a.CheckManualEntries(a.txtAOn2));
    EXPECT_EQ(a.txtAOn2->text(), QStringLiteral(" "));
}

TEST_F(EditorTest, LeavingEmptiedBoxesPutsTheirStoredForms) {
    open(QStringLiteral("OneOffice"));
    frmAgt& a = agents();
    a.txtMax->clear();
    a.txtMax_LostFocus();
    EXPECT_EQ(a.txtMax->text(), QStringLiteral("99"));
    a.txtASite1->clear();
    a.txtASite_LostFocus(1);
    EXPECT_EQ(a.txtASite1->text(), QStringLiteral("0"));
    a.txtAssign->clear();
    a.txtAssign_LostFocus();
    EXPECT_EQ(a.txtAssign->text(), QStringLiteral(" "));
    a.txtAAM->setText(QStringLiteral("5 32"));
    EXPECT_FALSE(a.DateOffBox_LostFocus(a.txtAAM));
    EXPECT_EQ(ui.lastMessage().text, QStringLiteral("Check the dates entered"));
    a.txtAAM->clear();
    EXPECT_TRUE(a.DateOffBox_LostFocus(a.txtAAM));
    EXPECT_EQ(a.txtAAM->text(), QStringLiteral(" "));
}

TEST_F(EditorTest, SiteListsFillTheSiteBoxes) {
    open(QStringLiteral("TwoOfficeA"));
    frmAgt& a = agents();
    a.txtAssign->setText(QStringLiteral("1"));
    a.txtAssign_GotFocus();
    EXPECT_TRUE(a.lstAgtSites->isVisible());
    clickEntry(a.lstAgtSites, a.lstAgtSites->item(1)->text());
    EXPECT_EQ(a.txtAssign->text(), QStringLiteral("1 2"));
    a.txtASite_GotFocus(2);
    clickEntry(a.lstAgtSitesOnly, a.lstAgtSitesOnly->item(1)->text());
    EXPECT_EQ(a.txtASite2->text(), QStringLiteral("2"));
}

// ---------------------------------------------------------------------------------------------------------
// Date picking

TEST_F(EditorTest, CalendarClicksAppendDaysToTheDateBox) {
    open(QStringLiteral("OneOffice"));
    frmAgt& a = agents();
    a.txtAPM1->setText(QStringLiteral("3"));
    a.DateBox_GotFocus(a.txtAPM1);
    EXPECT_TRUE(a.CSCalAgt->isVisible());
    EXPECT_TRUE(a.lblCalendar->isVisible());
    a.CSCalAgt->clickDay(12);
    EXPECT_EQ(a.txtAPM1->text(), QStringLiteral("3 12"));
    a.txtAPM1->setText(QStringLiteral("10-"));
    a.CSCalAgt->clickDay(5);
    EXPECT_EQ(a.txtAPM1->text(), QStringLiteral("10-5"));
    EXPECT_EQ(a.txtAPM1->cursorPosition(), 4);
    a.CSCalAgt->doubleClickDay(7);
    EXPECT_EQ(a.txtAPM1->text(), QStringLiteral("10-5"))
        << "the click appends, the double click takes it off";
    EXPECT_FALSE(a.CSCalAgt->isVisible());
}

TEST_F(EditorTest, DateOffBoxTakesClicksUpToThirtyNineCharacters) {
    open(QStringLiteral("OneOffice"));
    frmAgt& a = agents();
    a.DateBox_GotFocus(a.txtAALL);
    EXPECT_EQ(a.FocusedDateBox, QStringLiteral("txtAAll"));
    a.txtAALL->setText(QString(39, QLatin1Char('1')));
    a.CSCalAgt->clickDay(2);
    EXPECT_EQ(a.txtAALL->text().size(), 41);
    EXPECT_EQ(ui.beeps(), 0);
    a.txtAALL->setText(QString(40, QLatin1Char('1')));
    a.CSCalAgt->clickDay(2);
    EXPECT_EQ(a.txtAALL->text().size(), 40);
    EXPECT_EQ(ui.beeps(), 1);
}

TEST_F(EditorTest, OnBoxTakesClicksUpToTwentySixCharacters) {
    open(QStringLiteral("OneOffice"));
    frmAgt& a = agents();
    a.DateBox_GotFocus(a.txtAOn2);
    a.txtAOn2->setText(QString(26, QLatin1Char('1')));
    a.CSCalAgt->clickDay(9);
    EXPECT_EQ(a.txtAOn2->text(), QString(26, QLatin1Char('1')) + QStringLiteral(" 9"));
    EXPECT_TRUE(ui.messages().empty());
    a.txtAOn2->setText(QString(27, QLatin1Char('1')));
    a.CSCalAgt->clickDay(9);
    EXPECT_EQ(a.txtAOn2->text().size(), 27);
    EXPECT_EQ(ui.beeps(), 1);
    expectMessage(ui.lastMessage(), "Only 27 spaces and characters allowed. You may also use ON2",
                  "Maximum number of characters.");
}

TEST_F(EditorTest, DashTipIsShownOncePerLoadedScreen) {
    open(QStringLiteral("OneOffice"));
    frmAgt& a = agents();
    a.DateBox_GotFocus(a.txtAAM);
    a.txtAAM->setText(QStringLiteral("1 2 3 4 5 6 7 8 9 10 11"));
    a.CSCalAgt->clickDay(12); // 26 characters
    a.CSCalAgt->clickDay(13);
    ASSERT_EQ(ui.messages().size(), 1u);
    expectMessage(ui.lastMessage(), {.title = "Use dash for long entries ", .icon = Icon::Information});
    EXPECT_TRUE(a.DashTipShown);
}

TEST_F(EditorTest, ReadOnlyOfficeGivesTheDatabaseAccessMessage) {
    open(QStringLiteral("OneOffice"));
    QFile::setPermissions(officePath(), QFile::ReadOwner | QFile::ReadUser);
    click("cmdAgents");
    ASSERT_FALSE(ui.messages().empty());
    expectMessage(ui.lastMessage(),
                  {.title = "See Latest Help for more information", .icon = Icon::Critical});
    EXPECT_TRUE(ui.ended());
    EXPECT_EQ(dialogsShown, 0);
}

TEST_F(EditorTest, CloseEditorsMakesTheAgentEditorReadTheOfficeAgain) {
    open(QStringLiteral("OneOffice"));
    frmAgt& a = agents();
    a.cmdAgtOk->click();
    sql(QStringLiteral("UPDATE Agents SET fdName = 'Margo Olsen' WHERE fdInitial = 'MO';"));
    session->controller->windows.closeEditors();
    EXPECT_EQ(editors->agents(), nullptr);
    frmAgt& again = agents();
    EXPECT_EQ(again.txtName->text(), QStringLiteral("Margo Olsen"));
}
