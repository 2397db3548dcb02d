#include "workspace/SavedSchedules.h"

#include "SessionFixture.h"
#include "platform/Database.h"
#include "platform/Files.h"
#include "workspace/Workspace.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QLabel>

using namespace rp;
using namespace rp::test;

namespace {

// The header of a saved schedule of site 2 for January 2027, shown from 27 December to 6 February.
const QStringList kHeader =
    QStringLiteral("2|1|2027|46383|46424|Lakeside. |AUTOMATIC FINE TUNING.").split(QLatin1Char('|'));

// A saved calendar file: the header, then day texts "day 1", "day 2", ... each ended by "~".
QByteArray savedCalendar(const QStringList& header = kHeader, int days = 42) {
    QString text = crlfLines(header);
    for (int d = 1; d <= days; ++d)
        text += QStringLiteral("day %1~\r\n").arg(d);
    return text.toUtf8();
}

QStringList savedFiles(const TestFolder& folder) {
    return QDir(folder.file(QStringLiteral("Saved"))).entryList(QDir::Files, QDir::Name);
}

} // namespace

// Generate, edit a day, save both sites, open one and the other and back: the files saved again are
// those of the first save, byte for byte, report included.
TEST_F(SessionTest, SavedSchedulesComeBackByteForByte) {
    startWith(QStringLiteral("TwoOfficeA"));
    click("cmdGenerate");
    const ScheduleState& s = session->program.schedule;
    const QString first = QStringLiteral("Saved/") + s.SiteNumberText + QStringLiteral("_%1_") +
                          CleanName(s.SiteHeading) + QStringLiteral(".TXT");
    const int firstEntry = s.SiteNumberText.toInt() - 1;
    const QString jan7 = control().CellText(QDate(2027, 1, 7));
    typeIntoDay(QDate(2027, 1, 6), QStringLiteral("~swap~")); // left open: Save ends the edit first
    ui.answer(Answer::Yes);
    click("cmdSave");
    expectMessage(ui.lastMessage(), {.title = "File Saved", .icon = Icon::Information});
    EXPECT_FALSE(session->workspace.state.EditDay);
    const QByteArray calendar = folder.read(first.arg(QLatin1String("CAL")));
    const QByteArray report = folder.read(first.arg(QLatin1String("RPT")));
    EXPECT_TRUE(calendar.contains("-swap-~\r\n")) << calendar;
    EXPECT_TRUE(report.endsWith(".\r\n\r\n\r\n")) << report;

    click("cmdDisplaySite");
    ui.answer(Answer::Yes);
    click("cmdSave");
    const int secondEntry = s.SiteNumberText.toInt() - 1;
    EXPECT_EQ(window().mnuSavedFiles[secondEntry]->text(),
              s.SiteNumberText + QLatin1Char(' ') + CleanName(s.SiteHeading));
    EXPECT_EQ(savedFiles(folder).size(), 4);

    for (int entry : {firstEntry, secondEntry, firstEntry}) {
        ui.answer(Answer::Yes); // replace the generated schedule
        window().mnuSavedFiles[entry]->trigger();
        expectMessage(ui.lastMessage(), "Saved schedule retrieved and opened", "Ready", Icon::Information);
    }
    EXPECT_EQ(window().lblHeading->text(),
              QStringLiteral("  SAVED: ") + s.SiteHeading + QStringLiteral(" 1/2027"));
    EXPECT_EQ(control().CellText(QDate(2027, 1, 7)), jan7) << "the day after the edited one";
    EXPECT_FALSE(window().cmdDisplaySite->isEnabled());
    ui.answer(Answer::Yes);
    click("cmdSave");
    EXPECT_EQ(folder.read(first.arg(QLatin1String("CAL"))), calendar);
    EXPECT_EQ(folder.read(first.arg(QLatin1String("RPT"))), report);
}

// A site renamed after its schedule was saved: saving it again replaces the old pair, and the menu opens
// the new one.
TEST_F(SessionTest, ARenamedSiteReplacesItsSavedSchedule) {
    startWith(QStringLiteral("TwoOfficeA"));
    click("cmdGenerate");
    const ScheduleState& s = session->program.schedule;
    const QString site = s.SiteNumberText;
    ui.answer(Answer::Yes);
    click("cmdSave");
    Database::open(officePath())
        ->execute(QStringLiteral("UPDATE Sites SET fdSName = 'Annex' WHERE fdSNum = ") + site);
    click("cmdGenerate");
    while (s.SiteNumberText != site)
        click("cmdDisplaySite");
    typeIntoDay(QDate(2027, 1, 6), QStringLiteral("renamed"));
    ui.answer(Answer::Yes);
    click("cmdSave");
    expectMessage(ui.lastMessage(), {.title = "File Saved"});
    const QStringList pair{site + QStringLiteral("_CAL_Annex.TXT"), site + QStringLiteral("_RPT_Annex.TXT")};
    EXPECT_EQ(savedFiles(folder), pair);

    const int entry = site.toInt() - 1;
    EXPECT_EQ(window().mnuSavedFiles[entry]->text(), site + QStringLiteral(" Annex"));
    ui.answer(Answer::Yes); // replace the generated schedule
    window().mnuSavedFiles[entry]->trigger();
    expectMessage(ui.lastMessage(), "Saved schedule retrieved and opened", "Ready", Icon::Information);
    EXPECT_TRUE(control().CellText(QDate(2027, 1, 6)).contains(QStringLiteral("renamed")));
}

// Opening saves the personal calendar with the day being typed, and offers to save an edited saved
// schedule before it is replaced.
TEST_F(SessionTest, OpeningKeepsEditsOfWhatItReplaces) {
    folder.write(QStringLiteral("Saved/2_CAL_Lakeside.TXT"), savedCalendar());
    startWith(QStringLiteral("OneOffice"));
    typeIntoDay(QDate(2027, 1, 20), QStringLiteral("Open house"));
    window().mnuSavedFiles[1]->trigger();
    EXPECT_TRUE(folder.read(QStringLiteral("Personal/12027.txt")).contains("Open house~\r\n"));
    EXPECT_TRUE(session->workspace.state.IsSavedSchedule);
    EXPECT_EQ(control().CellText(QDate(2027, 1, 20)), QStringLiteral("day 25"));
    EXPECT_EQ(session->workspace.ReportText, QString()) << "no report file";

    typeIntoDay(QDate(2027, 1, 21), QStringLiteral(" late"));
    ui.clear();
    ui.answer(Answer::No);
    window().mnuSavedFiles[1]->trigger();
    EXPECT_EQ(ui.titles(), (QStringList{QStringLiteral("Save Schedule?"), QStringLiteral("Not saved"),
                                        QStringLiteral("Ready")}));
    EXPECT_EQ(control().CellText(QDate(2027, 1, 21)), QStringLiteral("day 26"));
    EXPECT_FALSE(session->workspace.state.EditDay);
}

TEST_F(SessionTest, TheMenuListsTheSavedSchedulesOfSitesOneToFive) {
    folder.write(QStringLiteral("Saved/2_CAL_Lakeside.TXT"), savedCalendar());
    folder.write(QStringLiteral("Saved/2_RPT_Lakeside.TXT"), "Ann - MON/04/A  (1).\r\n\r\n\r\n");
    QStringList hill = kHeader;
    hill[0] = QStringLiteral("4");
    hill[5] = QStringLiteral("Hill. ");
    folder.write(QStringLiteral("Saved/4_CAL_Hill.txt"), savedCalendar(hill));
    for (const char* other : {"notes.txt", "3_cal_low.txt", "5_CAL_Dir.TXT/x", "7_CAL_Far.TXT",
                              "9_CAL_Nine.TXT", "4_CAL_Hill Top.TXT"})
        folder.write(QStringLiteral("Saved/") + QLatin1String(other), "");
    // Of two files of site 4, the one written last is listed: here the older name of the site.
    QFile older(folder.file(QStringLiteral("Saved/4_CAL_Hill Top.TXT")));
    ASSERT_TRUE(older.open(QIODevice::ReadWrite));
    ASSERT_TRUE(
        older.setFileTime(QDateTime::currentDateTime().addDays(-1), QFileDevice::FileModificationTime));
    older.close();
    startWith(QStringLiteral("OneOffice"));
    ASSERT_EQ(ui.messages().size(), 1u);
    expectMessage(ui.messages()[0], {.title = "You have reached the saved schedules limit"});
    const QList<QAction*>& entries = window().mnuSavedFiles;
    EXPECT_EQ(entries[0]->text(), QStringLiteral("Select from the following:"));
    EXPECT_EQ(entries[1]->text(), QStringLiteral("2 Lakeside"));
    EXPECT_FALSE(entries[2]->isVisible());
    EXPECT_EQ(entries[3]->text(), QStringLiteral("4 Hill"));

    entries[0]->trigger(); // a heading opens nothing
    EXPECT_TRUE(session->workspace.state.IsPersonalCalendar);
    entries[1]->trigger();
    EXPECT_EQ(session->workspace.ReportText, QStringLiteral("Ann - MON/04/A  (1).\r\n\r\n"));
    entries[3]->trigger();
    EXPECT_EQ(session->program.schedule.SiteHeading, QStringLiteral("Hill. "));
    EXPECT_EQ(session->workspace.ReportText, QString());
    ui.answer(Answer::Yes);
    click("cmdSave"); // into the file it came from, whatever its letter case
    EXPECT_TRUE(savedFiles(folder).contains(QStringLiteral("4_CAL_Hill.txt")));
    EXPECT_FALSE(savedFiles(folder).contains(QStringLiteral("4_CAL_Hill.TXT")));

    ui.answer(Answer::Yes);
    window().mnuDeleteSaved->trigger();
    EXPECT_EQ(savedFiles(folder), (QStringList{QStringLiteral("notes.txt")}));
    EXPECT_EQ(entries[0]->text(), QStringLiteral("No saved schedules found"));
    EXPECT_EQ(entries[3]->text(), QString());
    const qsizetype shown = ui.messages().size();
    entries[0]->trigger();
    entries[3]->trigger();
    EXPECT_EQ(ui.messages().size(), shown);
}

struct DamagedFile {
    const char* name;
    int line; // the header line replaced by value; -1 keeps only five lines
    const char* value;
    int days = 42;
    const char* text = "No saved schedule found.";
    const char* title = "Not found";
};

class DamagedSavedTest : public SessionTest, public ::testing::WithParamInterface<DamagedFile> {};

TEST_P(DamagedSavedTest, IsReportedAndChangesNothing) {
    const DamagedFile& c = GetParam();
    QStringList header = kHeader;
    if (c.line < 0)
        header = header.mid(0, 5);
    else
        header[c.line] = QLatin1String(c.value);
    folder.write(QStringLiteral("Saved/2_CAL_Lakeside.TXT"), savedCalendar(header, c.days));
    startWith(QStringLiteral("OneOffice"));
    const QString heading = window().lblHeading->text();
    const ScheduleState before = session->program.schedule;
    window().mnuSavedFiles[1]->trigger();
    expectMessage(ui.lastMessage(), QLatin1String(c.text), QLatin1String(c.title));
    EXPECT_EQ(window().lblHeading->text(), heading);
    EXPECT_TRUE(session->workspace.state.IsPersonalCalendar);
    const ScheduleState& after = session->program.schedule;
    EXPECT_EQ(after.SiteNumberText + after.SchedMonth + after.SchedYear + after.SiteHeading + after.RulesText,
              before.SiteNumberText + before.SchedMonth + before.SchedYear + before.SiteHeading +
                  before.RulesText);
}

INSTANTIATE_TEST_SUITE_P(
    Headers, DamagedSavedTest,
    ::testing::Values(DamagedFile{"site of another entry", 0, "3"},
                      DamagedFile{"site outside the folder", 0, "../x"}, DamagedFile{"month 13", 1, "13"},
                      DamagedFile{"month in words", 1, "Jan"}, DamagedFile{"two-digit year", 2, "27"},
                      DamagedFile{"start no number", 3, "x"}, DamagedFile{"end before start", 4, "46380"},
                      DamagedFile{"43 days", 4, "46425"}, DamagedFile{"1st before the range", 3, "46389", 36},
                      DamagedFile{"missing lines", -1, "", 0},
                      DamagedFile{"ends early", 0, "2", 41, "Input past end of file = 62",
                                  "frmCalendar.GetSavedSchedule"}),
    byName);

// Save writes nothing when no site calendar is shown, and gives the limit message for a site the menu
// cannot list; a saved file that cannot be written is reported and kept.
TEST_F(SessionTest, SaveWritesOnlyWhatItCanOfferBack) {
    copyExample(QStringLiteral("OneOffice"));
    Database::open(officePath())->execute(QStringLiteral("UPDATE Sites SET fdSNum = 6"));
    startSession();
    click("cmdGenerate");
    click("cmdDisplaySite"); // calendar 1 holds the requests of site 1, which is gone
    ui.clear();
    ui.answer(Answer::Yes);
    click("cmdSave");
    EXPECT_EQ(ui.titles(), (QStringList{QStringLiteral("Save Schedule?"),
                                        QStringLiteral("You have reached the saved schedules limit")}));
    EXPECT_EQ(savedFiles(folder), (QStringList{QStringLiteral("6_CAL_Main Office.TXT"),
                                               QStringLiteral("6_RPT_Main Office.TXT")}));

    const QString calendar = folder.file(QStringLiteral("Saved/6_CAL_Main Office.TXT"));
    QFile::setPermissions(calendar, QFile::ReadOwner | QFile::ReadUser);
    typeIntoDay(QDate(2027, 1, 6), QStringLiteral("x"));
    ui.answer(Answer::Yes);
    click("cmdSave");
    expectMessage(ui.lastMessage(), "Permission denied = 70", "frmCalendar.SaveMeSchedule");
    EXPECT_TRUE(session->workspace.state.EditDay);
    EXPECT_FALSE(readFile(calendar).contains("x\r\n"));

    folder.write(QStringLiteral("settings/month.dat"), ""); // the next generation fails
    click("cmdGenerate");
    ui.clear();
    click("cmdSave");
    ASSERT_EQ(ui.messages().size(), 1u);
    expectMessage(ui.messages()[0], "Current Schedule has NOT been saved", "Not saved", Icon::Information);
}
