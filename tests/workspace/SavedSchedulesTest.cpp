#include "workspace/SavedSchedules.h"

#include "TestFolder.h"
#include "platform/Error.h"

#include <QDateTime>
#include <QFile>

using namespace rp;
using namespace rp::test;

// What is written is read back exactly: no line is added to a day, a "~" of the user's cannot end a day,
// line breaks in the header lines cannot shift it, and the report loses only the CR LF its file adds.
TEST(SavedSchedules, ReadBackIsWhatWasWritten) {
    TestFolder folder;
    const auto q = [](const char* text) { return QString::fromUtf8(text); };
    SavedSchedule s{
        q("2"), q("1"), q("2027"), 46383, 46424, q("Lake\r\nside. "), q("Once/day:True.\n"), QStringList(42)};
    s.texts[0] = QStringLiteral("A-JD__\r\nB-\r\nC-SO__\r\n");
    s.texts[1] = QStringLiteral("up~down");
    s.texts[41] = QStringLiteral("last");
    const QString cal = folder.file(QStringLiteral("2_CAL_Lake.TXT"));
    const QString rpt = folder.file(QStringLiteral("2_RPT_Lake.TXT"));
    WriteSavedSchedule(cal, rpt, s, QStringLiteral("Ann - MON/04/A  (1).\r\n\r\n"));
    EXPECT_TRUE(
        readFile(cal).startsWith("2\r\n1\r\n2027\r\n46383\r\n46424\r\nLake  side. \r\nOnce/day:True. \r\n"
                                 "A-JD__\r\nB-\r\nC-SO__\r\n~\r\nup-down~\r\n~\r\n"));
    const std::optional<SavedSchedule> back = ReadSavedCalendar(cal, QLatin1Char('2'));
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(back->texts[0], s.texts[0]);
    EXPECT_EQ(back->texts[1], QStringLiteral("up-down"));
    EXPECT_EQ(back->texts[41], QStringLiteral("last"));
    EXPECT_EQ(ReadSavedReport(rpt), QStringLiteral("Ann - MON/04/A  (1).\r\n\r\n"));
    EXPECT_EQ(CleanName(QStringLiteral(" A/B Street. ")), QStringLiteral("A"));

    // A file written elsewhere in Latin-1 is read as such; a folder in place of the file is an error.
    writeFile(rpt, "Ren\xe9\r\n");
    EXPECT_EQ(ReadSavedReport(rpt), QStringLiteral("Ren\u00e9"));
    folder.write(QStringLiteral("dir/x"), "");
    EXPECT_THROW(ReadSavedCalendar(folder.file(QStringLiteral("dir")), QLatin1Char('2')), Error);
}

// Of two calendar files of one site number, left by a rename before a save replaced the older pair, the
// menu lists the one written last, whatever their names' order.
TEST(SavedSchedules, TheNewerOfTwoPairsOfASiteIsListed) {
    TestFolder folder;
    const QDateTime now = QDateTime::currentDateTime();
    for (const auto& [name, age] : {std::pair{"Saved/1_CAL_Annex.TXT", 0},
                                    {"Saved/1_CAL_Downtown.TXT", 60},
                                    {"Saved/2_CAL_East.TXT", 60},
                                    {"Saved/2_CAL_Bay.TXT", 0}}) {
        folder.write(QLatin1String(name), "");
        QFile file(folder.file(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ASSERT_TRUE(file.setFileTime(now.addSecs(-age), QFileDevice::FileModificationTime));
    }
    EXPECT_EQ(ArrayFilesFunction(folder.path()).captions,
              (QStringList{QStringLiteral("1 Annex"), QStringLiteral("2 Bay"), QString()}));
}
