// The agent and site editors writing to an office database that is full: every connection the program
// opens may not grow the file (PRAGMA max_page_count held at its size), and the pages of both tables are
// filled to the last byte. A change that needs room, or a new record, is refused with the editor's message,
// and the table keeps what it held.

#include "EditorFixture.h"
#include "WidgetDriving.h"

#include <sqlite3.h>

using namespace rp;
using namespace rp::test;

namespace {

// Keeps every connection opened from now on from growing its database file beyond its size.
int holdPageCount(sqlite3* db, const char**, const void*) {
    // The limit cannot go below the file's size, so 1 means: as large as the file is now.
    sqlite3_exec(db, "PRAGMA max_page_count = 1", nullptr, nullptr, nullptr);
    return SQLITE_OK;
}

class FullOffice : public EditorTest {
protected:
    void TearDown() override {
        sqlite3_reset_auto_extension();
        EditorTest::TearDown();
    }

    // Fills the page of a table that holds the record of the given rowid by growing one of its text fields
    // until the file would have to grow, in ever smaller steps, then holds every later connection at that
    // size.
    void fill(const char* table, const char* field, qint64 rowid) {
        sqlite3* db = nullptr;
        ASSERT_EQ(sqlite3_open(QFile::encodeName(officePath()).constData(), &db), SQLITE_OK);
        holdPageCount(db, nullptr, nullptr);
        for (const int step : {512, 64, 8, 1}) {
            const QByteArray sql =
                QStringLiteral("UPDATE %1 SET %2 = coalesce(%2, '') || '%3' WHERE rowid = %4")
                    .arg(QLatin1String(table), QLatin1String(field), QString(step, QLatin1Char('9')))
                    .arg(rowid)
                    .toUtf8();
            int rc = SQLITE_OK;
            for (int i = 0; i < 10000 && rc == SQLITE_OK; ++i)
                rc = sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr);
            ASSERT_EQ(rc, SQLITE_FULL) << sqlite3_errmsg(db);
        }
        sqlite3_close(db);
        ASSERT_EQ(sqlite3_auto_extension(reinterpret_cast<void (*)()>(holdPageCount)), SQLITE_OK);
    }
};

const QString kFull = QStringLiteral("database or disk is full");

} // namespace

TEST_F(FullOffice, AgentChangeThatNeedsRoomIsRefusedAndTheAgentKept) {
    open(QStringLiteral("OneOffice"),
         QStringLiteral("INSERT INTO Agents (fdName, fdInitial) VALUES ('Zoe Filler', 'ZF')"));
    fill("Agents", "fdOffAll", rows(QStringLiteral("Agents")).size());
    const QStringList before = rows(QStringLiteral("Agents"));
    frmAgt& a = agents();
    retype(a.txtAAM, QStringLiteral("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17"));
    a.cmdagtnext->click();
    ASSERT_FALSE(ui.messages().empty());
    expectMessage(ui.lastMessage(), QStringLiteral("Error! ") + kFull, QStringLiteral("NEXT"));
    EXPECT_EQ(rows(QStringLiteral("Agents")), before);
    EXPECT_EQ(a.txtName->text(), QStringLiteral("Margaret Olsen")) << "the editor stays on the agent";
    EXPECT_EQ(a.txtAAM->text(), QStringLiteral("1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17"))
        << "and keeps what was typed";
}

TEST_F(FullOffice, NewAgentIsRefusedAndNothingAdded) {
    open(QStringLiteral("OneOffice"),
         QStringLiteral("INSERT INTO Agents (fdName, fdInitial) VALUES ('Zoe Filler', 'ZF')"));
    fill("Agents", "fdOffAll", rows(QStringLiteral("Agents")).size());
    const QStringList before = rows(QStringLiteral("Agents"));
    frmAgt& a = agents();
    a.cmdagtadd->click();
    QTest::keyClicks(a.txtName, QStringLiteral("Robert Brown"));
    clickInto(a.txtIni);
    QTest::keyClicks(a.txtIni, QStringLiteral("RB"));
    a.cmdAgtOk->click();
    ASSERT_FALSE(ui.messages().empty());
    expectMessage(ui.lastMessage(), QStringLiteral("Error: ") + kFull, QStringLiteral("UPDATE"));
    EXPECT_EQ(rows(QStringLiteral("Agents")), before);
}

TEST_F(FullOffice, SiteChangeThatNeedsRoomIsRefusedAndTheSiteKept) {
    open(QStringLiteral("OneOffice"),
         QStringLiteral("INSERT INTO Sites (fdSNum, fdSName, fdAM1) VALUES (9, 'Filler', 1)"));
    fill("Sites", "fdSClose", rows(QStringLiteral("Sites")).size());
    const QStringList before = rows(QStringLiteral("Sites"));
    frmSite& s = sites();
    const QString name = s.txtSiteName->text();
    retype(s.txtHoliday, QStringLiteral("1 2 3 4 5 6 7 8 9 10 11"));
    s.cmdSiteNext->click();
    ASSERT_FALSE(ui.messages().empty());
    expectMessage(ui.lastMessage(), QStringLiteral("Error:3146. ") + kFull, QStringLiteral("NEXT"));
    EXPECT_EQ(rows(QStringLiteral("Sites")), before);
    EXPECT_EQ(s.txtSiteName->text(), name) << "the editor stays on the site";
}
