// Times files: one 122-byte record per site and weekday with the texts shown in place of slot letters.
#include "model/SlotTimesFile.h"

#include "ErrorNumber.h"
#include "OfficeData.h"
#include "TestFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QtEndian>

using namespace rp;
using rp::test::errorNumberOf;
using rp::test::slotTexts;

namespace {

void expectEmptyRecord(const SiteTimesRecord& r) {
    EXPECT_EQ(r.UseTimes, 0);
    EXPECT_FALSE(r.showsTimes());
    for (const QString& t : r.SlotText)
        EXPECT_TRUE(t.isEmpty()) << t;
}

class SlotTimesFileTest : public ::testing::Test {
protected:
    test::TestFolder folder;
    QString path = TimesFilePath(folder.path(), QStringLiteral("2"), QStringLiteral("North Office"), 3);
    QByteArray bytes() const { return folder.read(QStringLiteral("Times/2_North Office_Tues.dat")); }
};

} // namespace

TEST(TimesFileNames, SiteNumberNameAndDayName) {
    EXPECT_EQ(TimesFilePath(QStringLiteral("/app"), QStringLiteral("2"), QStringLiteral("North Office"), 3),
              QStringLiteral("/app/Times/2_North Office_Tues.dat"));
    const QStringList days{QStringLiteral("Sun"),  QStringLiteral("Mon"),   QStringLiteral("Tues"),
                           QStringLiteral("Weds"), QStringLiteral("Thurs"), QStringLiteral("Fri"),
                           QStringLiteral("Sat")};
    for (int w = 1; w <= 7; ++w)
        EXPECT_EQ(TimesDayName(w), days[w - 1]);
    EXPECT_TRUE(TimesDayName(0).isEmpty());
    EXPECT_TRUE(TimesDayName(8).isEmpty());
}

TEST(TimesFileNames, TakeTheStoredNameTrimmedAndRefuseNamesThatReachElsewhere) {
    EXPECT_EQ(
        TimesFilePath(QStringLiteral("/app"), QStringLiteral(" 2"), QStringLiteral("North Office  "), 1),
        QStringLiteral("/app/Times/2_North Office_Sun.dat"));
    for (const char* name : {"North/East", "..", "North\\East", "North*"})
        EXPECT_EQ(errorNumberOf([&] {
                      TimesFilePath(QStringLiteral("/app"), QStringLiteral("2"), QLatin1String(name), 1);
                  }),
                  err::BadFileName)
            << name;
    EXPECT_EQ(errorNumberOf([] {
                  TimesFilePath(QStringLiteral("/app"), QStringLiteral("../2"), QStringLiteral("N"), 1);
              }),
              err::BadFileName);
}

TEST_F(SlotTimesFileTest, RecordLayoutIsFlagThenEightBlankPaddedTexts) {
    WriteSiteTimes(path, true, slotTexts({"10:00-12:00", "", "C", "", "", "", "", "7pm"}));
    const QByteArray b = bytes();
    ASSERT_EQ(b.size(), kSiteTimesRecordSize);
    EXPECT_EQ(qFromLittleEndian<int16_t>(b.constData()), 1);
    EXPECT_EQ(b.mid(2, 15), QByteArray("10:00-12:00    "));
    EXPECT_EQ(b.mid(17, 15), QByteArray(15, ' ')); // an empty text is fifteen blanks
    EXPECT_EQ(b.mid(32, 15), QByteArray("C              "));
    EXPECT_EQ(b.mid(107, 15), QByteArray("7pm            "));

    const SiteTimesRecord r = ReadSiteTimes(path);
    EXPECT_EQ(r.UseTimes, 1);
    EXPECT_EQ(r.SlotText, slotTexts({"10:00-12:00", "", "C", "", "", "", "", "7pm"}));
}

TEST_F(SlotTimesFileTest, LongTextsAreCutToFifteenAndBlanksTrimmedOnReading) {
    WriteSiteTimes(path, false, slotTexts({"12345678901234567890", "  9am  "}));
    EXPECT_EQ(qFromLittleEndian<int16_t>(bytes().constData()), 0);
    EXPECT_EQ(bytes().mid(2, 15), QByteArray("123456789012345"));
    const SiteTimesRecord r = ReadSiteTimes(path);
    EXPECT_EQ(r.SlotText[0], QStringLiteral("123456789012345"));
    EXPECT_EQ(r.SlotText[1], QStringLiteral("9am"));
    EXPECT_FALSE(r.showsTimes());
}

TEST_F(SlotTimesFileTest, SingleByteTextsRoundTrip) {
    WriteSiteTimes(path, true, slotTexts({"Caf\xe9", "Mittag \xbd"}));
    EXPECT_EQ(bytes().mid(2, 5), QByteArray("Caf\xe9 "));
    EXPECT_EQ(ReadSiteTimes(path).SlotText[0], QStringLiteral("Caf\u00e9"));
    EXPECT_EQ(ReadSiteTimes(path).SlotText[1], QStringLiteral("Mittag \u00bd"));
}

TEST_F(SlotTimesFileTest, AnyFlagOfOneOrMoreShowsTheTexts) {
    for (int16_t flag : {int16_t(1), int16_t(2), int16_t(300)}) {
        QByteArray b(kSiteTimesRecordSize, ' ');
        qToLittleEndian<int16_t>(flag, b.data());
        folder.write(QStringLiteral("Times/2_North Office_Tues.dat"), b);
        EXPECT_TRUE(ReadSiteTimes(path).showsTimes()) << flag;
    }
    QByteArray b(kSiteTimesRecordSize, ' ');
    qToLittleEndian<int16_t>(-1, b.data());
    folder.write(QStringLiteral("Times/2_North Office_Tues.dat"), b);
    EXPECT_FALSE(ReadSiteTimes(path).showsTimes());
}

TEST_F(SlotTimesFileTest, MissingOrEmptyFileReadsAsLettersAndNoTexts) {
    expectEmptyRecord(ReadSiteTimes(path));
    for (int w = 1; w <= 7; ++w)
        expectEmptyRecord(
            ReadSiteTimes(TimesFilePath(folder.path(), QStringLiteral("5"), QStringLiteral("X"), w)));
    folder.write(QStringLiteral("Times/2_North Office_Tues.dat"), QByteArray());
    expectEmptyRecord(ReadSiteTimes(path));
    folder.write(QStringLiteral("Times/2_North Office_Tues.dat"), QByteArray("\x01"));
    expectEmptyRecord(ReadSiteTimes(path));
}

TEST_F(SlotTimesFileTest, AFileThatExistsButCannotBeReadFails) {
    ASSERT_TRUE(QDir().mkpath(path));
    EXPECT_EQ(errorNumberOf([&] { ReadSiteTimes(path); }), err::PathFileAccess);
}

TEST_F(SlotTimesFileTest, ShortFileReadsWhatItHoldsAndLongFileItsFirstRecord) {
    folder.write(QStringLiteral("Times/2_North Office_Tues.dat"), QByteArray("\x01\x00"
                                                                             "8-10 ",
                                                                             7));
    SiteTimesRecord r = ReadSiteTimes(path);
    EXPECT_EQ(r.UseTimes, 1);
    EXPECT_EQ(r.SlotText[0], QStringLiteral("8-10"));
    EXPECT_TRUE(r.SlotText[1].isEmpty());
    EXPECT_TRUE(r.SlotText[7].isEmpty());

    QByteArray b(2, '\0');
    b += QByteArray(15 * 8, ' ') + QByteArray("trailing junk");
    b.replace(107, 2, "9p");
    folder.write(QStringLiteral("Times/2_North Office_Tues.dat"), b);
    r = ReadSiteTimes(path);
    EXPECT_EQ(r.SlotText[7], QStringLiteral("9p"));
}

TEST_F(SlotTimesFileTest, WritingIntoAMissingTimesFolderFails) {
    ASSERT_TRUE(QDir(folder.file(QStringLiteral("Times"))).removeRecursively());
    EXPECT_EQ(errorNumberOf([&] { WriteSiteTimes(path, true, {}); }), err::PathNotFound);
}

TEST(SiteTimesDelete, RemovesOnlyTheSitesOwnFiles) {
    test::TestFolder folder;
    const char* const all[] = {"3_North_Sun.dat",     "3_North_Mon.dat",       "3_North_Sat.dat",
                               "3_Northeast_Mon.dat", "13_North_Mon.dat",      "4_North_Mon.dat",
                               "3_North_Mon.txt",     "3_North Office_Mon.dat"};
    for (const char* name : all)
        folder.write(QStringLiteral("Times/") + QString::fromLatin1(name), "x");

    EXPECT_EQ(DeleteSiteTimesFiles(folder.path(), QStringLiteral("3"), QStringLiteral("North")), 3);
    EXPECT_EQ(QDir(folder.file(QStringLiteral("Times"))).entryList(QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("13_North_Mon.dat"), QStringLiteral("3_North Office_Mon.dat"),
                           QStringLiteral("3_North_Mon.txt"), QStringLiteral("3_Northeast_Mon.dat"),
                           QStringLiteral("4_North_Mon.dat")}));
    EXPECT_EQ(DeleteSiteTimesFiles(folder.path(), QStringLiteral("3"), QStringLiteral("North")), 0);
}

TEST(SiteTimesDelete, MissingTimesFolderIsNoFailure) {
    EXPECT_EQ(DeleteSiteTimesFiles(QStringLiteral("/nonexistent/rotaplan"), QStringLiteral("1"),
                                   QStringLiteral("Main")),
              0);
}

TEST(SiteTimesRename, MovesEveryDayOrNone) {
    test::TestFolder folder;
    for (const char* day : {"Sun", "Mon", "Sat"})
        folder.write(QStringLiteral("Times/3_North_%1.dat").arg(QLatin1String(day)), day);
    folder.write(QStringLiteral("Times/3_South_Mon.dat"), "stale");
    RenameSiteTimesFiles(folder.path(), QStringLiteral("3"), QStringLiteral("North"),
                         QStringLiteral("South "));
    EXPECT_EQ(QDir(folder.file(QStringLiteral("Times"))).entryList(QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("3_South_Mon.dat"), QStringLiteral("3_South_Sat.dat"),
                           QStringLiteral("3_South_Sun.dat")}));
    EXPECT_EQ(folder.read(QStringLiteral("Times/3_South_Mon.dat")), QByteArray("Mon"));

    // Saturday cannot move: Sunday and Monday come back.
    ASSERT_TRUE(QDir().mkpath(folder.file(QStringLiteral("Times/3_West_Sat.dat/x"))));
    EXPECT_EQ(errorNumberOf([&] {
                  RenameSiteTimesFiles(folder.path(), QStringLiteral("3"), QStringLiteral("South"),
                                       QStringLiteral("West"));
              }),
              err::PathFileAccess);
    for (const char* day : {"Sun", "Mon", "Sat"}) {
        EXPECT_EQ(folder.read(QStringLiteral("Times/3_South_%1.dat").arg(QLatin1String(day))),
                  QByteArray(day));
        EXPECT_FALSE(
            folder.exists(QStringLiteral("Times/3_West_%1.dat").arg(QLatin1String(day))) &&
            QFileInfo(folder.file(QStringLiteral("Times/3_West_%1.dat").arg(QLatin1String(day)))).isFile());
    }
}
