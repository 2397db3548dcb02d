// An office entered only through the editors, from an empty database to generated calendars.
#include "EditorFixture.h"

using namespace rp;
using namespace rp::test;

TEST_F(EditorTest, AnOfficeEnteredThroughTheEditorsGenerates) {
    openEmptyOffice();

    // One site with a morning and an afternoon duty every day.
    frmSite& s = sites();
    EXPECT_EQ(s.txtSiteNum->text(), QStringLiteral("1"));
    QTest::keyClicks(s.txtSiteName, QStringLiteral("Harbour"));
    for (int d = 0; d < 7; ++d) {
        QTest::keyClicks(s.txtSlot[size_t(3 * d)], QStringLiteral("1"));
        QTest::keyClicks(s.txtSlot[size_t(3 * d + 1)], QStringLiteral("1"));
        QTest::keyClicks(s.txtSlot[size_t(3 * d + 2)], QStringLiteral("0"));
    }
    s.cmdSiteOk->click();
    EXPECT_FALSE(s.isVisible());
    ASSERT_EQ(rows(QStringLiteral("Sites")).size(), 1);

    // Three agents: the first typed into the empty editor, the others added.
    frmAgt& a = agents();
    EXPECT_EQ(a.lstAgtSites->item(0)->text(), QStringLiteral("1 - Harbour"));
    const QStringList names = {QStringLiteral("Ann Lee"), QStringLiteral("Bob Marsh"),
                               QStringLiteral("Cara Diaz")};
    for (int i = 0; i < names.size(); ++i) {
        if (i > 0)
            a.cmdagtadd->click();
        QTest::keyClicks(a.txtName, names[i]);
        EXPECT_TRUE(a.txtName_LostFocus());
    }
    QTest::keyClicks(a.txtAALL, QStringLiteral("3 4"));
    a.cmdAgtOk->click();
    EXPECT_FALSE(a.isVisible());
    const QStringList agents = rows(QStringLiteral("Agents"));
    ASSERT_EQ(agents.size(), 3);
    EXPECT_TRUE(agents[0].startsWith(QStringLiteral("Ann Lee|Ann |99|1|")));
    EXPECT_TRUE(agents[2].contains(QStringLiteral("|3 4|")));

    click("cmdGenerate");
    EXPECT_GT(session->program.schedule.CalendarCount, 0);
    EXPECT_FALSE(control().CellText(QDate(2027, 1, 5)).isEmpty());
    const QString day3 = control().CellText(QDate(2027, 1, 3));
    EXPECT_FALSE(day3.contains(QStringLiteral("Cara"))) << day3;
}
