#include "workspace/PersonalCalendar.h"

#include "TestFolder.h"
#include "workspace/DayTextsFile.h"

#include <QDir>

using namespace rp;

TEST(PersonalFiles, LastCalendarFallsBackToToday) {
    test::TestFolder folder;
    const QDate today(2026, 12, 9);
    EXPECT_EQ(ReadLastCalendar(folder.path(), today).month, 12);
    folder.write(QStringLiteral("Personal/LastCalendar.txt"), "3\r\n");
    EXPECT_EQ(ReadLastCalendar(folder.path(), today).year, 2026) << "one line only";
    folder.write(QStringLiteral("Personal/LastCalendar.txt"), "abc\r\n2027\r\n");
    EXPECT_EQ(ReadLastCalendar(folder.path(), today).month, 12) << "garbage month";
    folder.write(QStringLiteral("Personal/LastCalendar.txt"), "03\r\n2027\r\n");
    const PersonalMonth m = ReadLastCalendar(folder.path(), today);
    EXPECT_EQ(m.month, 3);
    EXPECT_EQ(m.year, 2027);
    EXPECT_EQ(PersonalMonthPath(folder.path(), m.month, m.year),
              folder.file(QStringLiteral("Personal/32027.txt")));
}

TEST(PersonalFiles, MonthBoxChecks) {
    EXPECT_TRUE(IsValidMonthText(QStringLiteral("12")));
    EXPECT_FALSE(IsValidMonthText(QStringLiteral("13")));
    EXPECT_FALSE(IsValidMonthText(QStringLiteral("x")));
    EXPECT_TRUE(IsValidYearText(QStringLiteral("2027")));
    EXPECT_FALSE(IsValidYearText(QStringLiteral("08")));
    EXPECT_FALSE(IsValidYearText(QStringLiteral("20x7")));
}

TEST(PersonalFiles, TextsComeBackExactlyAsWritten) {
    test::TestFolder folder;
    folder.write(QStringLiteral("Personal/LastCalendar.txt"), "3\r\n2027\r\n");
    const QString path = folder.file(QStringLiteral("Personal/32027.txt"));
    DayTextsFile f;
    f.start = 46080;
    f.end = 46082;
    f.heading = QStringLiteral("North. ");
    f.rules = QStringLiteral("AUTOMATIC FINE TUNING.");
    f.texts = {QStringLiteral("Dentist 9:00"), QString(), QStringLiteral("line 1\r\nline 2\r\n")};
    WritePersonalMonthFile(path, f);
    EXPECT_TRUE(
        folder.read(QStringLiteral("Personal/32027.txt")).startsWith("46080\r\n46082\r\nNorth. \r\n"));
    DayTextsFile back = ReadPersonalMonthFile(path);
    EXPECT_EQ(back.start, 46080);
    EXPECT_EQ(back.end, 46082);
    EXPECT_EQ(back.texts, f.texts);
    // Saving what was read gives the same file again: texts never grow with each save.
    WritePersonalMonthFile(path, back);
    EXPECT_EQ(ReadPersonalMonthFile(path).texts, f.texts);
}

TEST(PersonalFiles, DamagedFilesSayWhyAndKeepWhatWasRead) {
    test::TestFolder folder;
    const QString rel = QStringLiteral("Personal/12027.txt");
    struct Case {
        const char* content;
        int error; // 0: read without damage
        QStringList texts;
    };
    const Case cases[] = {
        {"", 0, {}},
        {"46080\r\n", err::InputPastEndOfFile, {}},
        {"garbage\r\n46082\r\n\r\n\r\nA~\r\n", err::TypeMismatch, {}},
        {"46080\r\n4608x\r\n\r\n\r\nA~\r\n", err::TypeMismatch, {}},
        {"46080\r\n99999\r\n\r\n\r\nA~\r\n", err::SubscriptOutOfRange, {}},
        {"46082\r\n46080\r\n\r\n\r\nA~\r\n", err::SubscriptOutOfRange, {}},
        {"46080\r\n46082\r\n\r\n\r\nfirst~\r\n", err::InputPastEndOfFile, {QStringLiteral("first")}},
        {"46080\r\n46081\r\n\r\n\r\nfirst~\r\nsecond~\r\n",
         0,
         {QStringLiteral("first"), QStringLiteral("second")}},
    };
    for (const Case& c : cases) {
        folder.write(rel, c.content);
        const DayTextsFile f = ReadPersonalMonthFile(folder.file(rel));
        EXPECT_EQ(f.damage ? f.damage->number : 0, c.error) << c.content;
        EXPECT_EQ(f.texts, c.texts) << c.content;
    }
    EXPECT_FALSE(ReadPersonalMonthFile(folder.file(QStringLiteral("Personal/none.txt"))).damage);
    // A folder where the file should be cannot be read: a failure, never an empty month.
    QDir().mkpath(folder.file(QStringLiteral("Personal/22027.txt")));
    const DayTextsFile unreadable = ReadPersonalMonthFile(folder.file(QStringLiteral("Personal/22027.txt")));
    ASSERT_TRUE(unreadable.damage);
    EXPECT_EQ(unreadable.damage->number, err::PathFileAccess);
}
