// Stepping through the records as a new user does, by keyboard and mouse: type over the shown record, then
// NEXT, or click in the Click List. The editor keeps its place, the list names every record as it is, and
// no typed change is lost.
#include "EditorFixture.h"

#include <QApplication>

using namespace rp;
using namespace rp::test;

namespace {

const QString kDuplicate = QStringLiteral("Name or initials are already in use. Please make them unique.");

QStringList entriesOf(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

// The list entries the table's agents give, in stored order.
QStringList agentEntries(const QStringList& rows) {
    QStringList out;
    for (const QString& row : rows) {
        const QStringList f = row.split(QLatin1Char('|'));
        out << f[0] + QStringLiteral(" (") + f[1] + QLatin1Char(')');
    }
    return out;
}

} // namespace

TEST_F(EditorTest, TypingOverThenNextStepsThroughTheAgentsInStoredOrder) {
    open(QStringLiteral("OneOffice"));
    frmAgt& a = agents();
    QStringList names;
    for (const QString& row : rows(QStringLiteral("Agents")))
        names << row.section(QLatin1Char('|'), 0, 0);
    ASSERT_EQ(names.size(), 12);
    for (int i = 0; i < names.size(); ++i) {
        SCOPED_TRACE(names[i].toStdString());
        ASSERT_EQ(a.txtName->text(), names[i]) << "NEXT shows the next agent in stored order";
        EXPECT_TRUE(a.cmdagtnext->isEnabled());
        // Every agent gets a new name, every third one new initials too, and a morning off.
        clickInto(a.txtName);
        retype(a.txtName, names[i] + QStringLiteral(" Jr"));
        if (i % 3 == 0) {
            QTest::keyClick(a.txtName, Qt::Key_Tab);
            retype(a.txtIni, QStringLiteral("Q%1").arg(i));
        }
        clickInto(a.txtAAM);
        retype(a.txtAAM, QString::number(i + 1));
        pressMnemonic(a, Qt::Key_N);
        EXPECT_EQ(entriesOf(a.lstAgtClick), agentEntries(rows(QStringLiteral("Agents"))))
            << "the list names every agent as stored";
    }
    EXPECT_EQ(a.txtName->text(), QStringLiteral("Christopher Lang Jr")) << "NEXT stays on the last agent";
    EXPECT_FALSE(a.cmdagtnext->isEnabled());
    EXPECT_TRUE(a.cmdagtprev->isEnabled());
    const QStringList after = rows(QStringLiteral("Agents"));
    for (int i = 0; i < names.size(); ++i) {
        const QStringList f = after[i].split(QLatin1Char('|'));
        EXPECT_EQ(f[0], names[i] + QStringLiteral(" Jr"));
        EXPECT_EQ(f[5], QString::number(i + 1)) << f[0].toStdString();
        if (i % 3 == 0) {
            EXPECT_EQ(f[1], QStringLiteral("Q%1").arg(i));
        }
    }
    EXPECT_TRUE(ui.messages().empty()) << ui.texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(ui.unexpected().empty());
}

TEST_F(EditorTest, ClickListNamesEveryChangeAndOffersNextAgain) {
    open(QStringLiteral("OneOffice"));
    frmAgt& a = agents();
    // NEXT on the last agent greys itself, with a beep; its key then beeps, and what was typed stays on
    // screen until the editor leaves the agent.
    clickEntry(a.lstAgtClick, QStringLiteral("Christopher Lang (CL)"));
    QTest::mouseClick(a.cmdagtnext, Qt::LeftButton);
    ASSERT_FALSE(a.cmdagtnext->isEnabled());
    EXPECT_EQ(ui.beeps(), 1);
    clickInto(a.txtAAM);
    retype(a.txtAAM, QStringLiteral("4"));
    pressMnemonic(a, Qt::Key_N);
    EXPECT_EQ(ui.beeps(), 2);
    EXPECT_EQ(a.txtName->text(), QStringLiteral("Christopher Lang"));
    EXPECT_EQ(a.txtAAM->text(), QStringLiteral("4"));
    // A renamed agent left through the list is listed under its new name and initials.
    clickInto(a.txtName);
    retype(a.txtName, QStringLiteral("Chris Lang"));
    QTest::keyClick(a.txtName, Qt::Key_Tab);
    retype(a.txtIni, QStringLiteral("CLa"));
    clickEntry(a.lstAgtClick, QStringLiteral("Margaret Olsen (MO)"));
    EXPECT_EQ(a.txtName->text(), QStringLiteral("Margaret Olsen"));
    EXPECT_TRUE(a.cmdagtnext->isEnabled()) << "the first agent offers NEXT";
    EXPECT_TRUE(a.cmdagtprev->isEnabled());
    EXPECT_EQ(entriesOf(a.lstAgtClick), agentEntries(rows(QStringLiteral("Agents"))));
    ASSERT_EQ(a.lstAgtClick->count(), 12);
    EXPECT_EQ(a.lstAgtClick->item(11)->text(), QStringLiteral("Chris Lang (CLa)"));
    EXPECT_EQ(rows(QStringLiteral("Agents")).last().section(QLatin1Char('|'), 5, 5), QStringLiteral("4"));
    // Typed over, then NEXT: written, and on to the second agent.
    clickInto(a.txtAPM1);
    retype(a.txtAPM1, QStringLiteral("9"));
    pressMnemonic(a, Qt::Key_N);
    EXPECT_EQ(a.txtName->text(), QStringLiteral("David Chen"));
    EXPECT_EQ(rows(QStringLiteral("Agents")).first().section(QLatin1Char('|'), 6, 6), QStringLiteral("9"));
    // The new entry shows the renamed agent.
    clickEntry(a.lstAgtClick, QStringLiteral("Chris Lang (CLa)"));
    EXPECT_EQ(a.txtName->text(), QStringLiteral("Chris Lang"));
    EXPECT_TRUE(ui.messages().empty()) << ui.texts().join(QLatin1Char('\n')).toStdString();
    // A change the table refuses stays on screen, reported, with the list as it was.
    const QStringList before = rows(QStringLiteral("Agents"));
    clickInto(a.txtIni);
    retype(a.txtIni, QStringLiteral("DC"));
    clickEntry(a.lstAgtClick, QStringLiteral("Margaret Olsen (MO)"));
    ASSERT_EQ(ui.messages().size(), 1u);
    expectMessage(ui.lastMessage(), kDuplicate, "Name or Initials error");
    EXPECT_EQ(a.txtName->text(), QStringLiteral("Chris Lang"));
    EXPECT_EQ(a.txtIni->text(), QStringLiteral("DC"));
    EXPECT_EQ(rows(QStringLiteral("Agents")), before);
    EXPECT_EQ(entriesOf(a.lstAgtClick), agentEntries(before));
    EXPECT_TRUE(ui.unexpected().empty());
}

TEST_F(EditorTest, RenamedSiteIsListedAndNextGoesOnToTheNextSite) {
    open(QStringLiteral("TwoOfficeA"),
         QStringLiteral("INSERT INTO Sites (fdSNum, fdSName) VALUES (3, 'Hillcrest');"));
    frmSite& s = sites();
    ASSERT_EQ(s.txtSiteName->text(), QStringLiteral("Downtown"));
    clickInto(s.txtSiteName);
    retype(s.txtSiteName, QStringLiteral("City Centre"));
    pressMnemonic(s, Qt::Key_N);
    EXPECT_EQ(s.txtSiteName->text(), QStringLiteral("Lakeside"));
    EXPECT_TRUE(s.cmdSiteNext->isEnabled());
    EXPECT_EQ(entriesOf(s.lstSiteClick),
              (QStringList{QStringLiteral("City Centre"), QStringLiteral("Lakeside"),
                           QStringLiteral("Hillcrest")}));
    clickInto(s.txtSiteName);
    retype(s.txtSiteName, QStringLiteral("Lakeview"));
    clickEntry(s.lstSiteClick, QStringLiteral("City Centre"));
    EXPECT_EQ(s.txtSiteNum->text(), QStringLiteral("1"));
    clickEntry(s.lstSiteClick, QStringLiteral("Lakeview"));
    EXPECT_EQ(s.txtSiteNum->text(), QStringLiteral("2"));
    EXPECT_TRUE(ui.messages().empty()) << ui.texts().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(ui.unexpected().empty());
}
