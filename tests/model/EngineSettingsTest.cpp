// month.dat, tune.dat and AutoTune.dat: the files that steer generation.
#include "model/EngineSettings.h"

#include "TestFolder.h"

#include <QDir>
#include <QFile>
#include <QtEndian>

using namespace rp;

namespace {
int16_t int16At(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<int16_t>(bytes.constData() + offset);
}
} // namespace

class EngineSettingsTest : public ::testing::Test {
protected:
    test::TestFolder folder; // with the installed settings
    QString monthPath = folder.file(QStringLiteral("settings/month.dat"));
    QString tunePath = folder.file(QStringLiteral("settings/tune.dat"));
    QString autoTunePath = folder.file(QStringLiteral("settings/AutoTune.dat"));
};

TEST_F(EngineSettingsTest, MonthRecordIsTwoLittleEndianShorts) {
    WriteMonthFile(monthPath, {3, 2008});
    const QByteArray bytes = folder.read(QStringLiteral("settings/month.dat"));
    ASSERT_EQ(bytes.size(), 4);
    EXPECT_EQ(int16At(bytes, 0), 3);
    EXPECT_EQ(int16At(bytes, 2), 2008);
    const MonthSetting m = ReadMonthFile(monthPath);
    EXPECT_EQ(m.month, 3);
    EXPECT_EQ(m.year, 2008);
    EXPECT_TRUE(m.valid());
}

TEST_F(EngineSettingsTest, ShortEmptyOrMissingMonthFileReadsZeros) {
    folder.write(QStringLiteral("settings/month.dat"), QByteArray("\x0b\x00\xd8", 3));
    MonthSetting m = ReadMonthFile(monthPath);
    EXPECT_EQ(m.month, 11);
    EXPECT_EQ(m.year, 0);
    EXPECT_FALSE(m.valid());
    folder.write(QStringLiteral("settings/month.dat"), QByteArray());
    m = ReadMonthFile(monthPath);
    EXPECT_EQ(m.month, 0);
    EXPECT_FALSE(m.valid());
    m = ReadMonthFile(folder.file(QStringLiteral("settings/none.dat")));
    EXPECT_EQ(m.month, 0);
    EXPECT_EQ(m.year, 0);
}

TEST_F(EngineSettingsTest, MonthValidityChecksMonthAndYear) {
    EXPECT_FALSE((MonthSetting{13, 2008}.valid()));
    EXPECT_FALSE((MonthSetting{0, 2008}.valid()));
    EXPECT_FALSE((MonthSetting{12, 8}.valid()));
    EXPECT_TRUE((MonthSetting{12, 1999}.valid()));
}

TEST_F(EngineSettingsTest, TuneRecordHoldsSevenShortsInOrder) {
    const TuneSettings t{2, 1, 1, 0, 1, 0, -1};
    WriteTuneFile(tunePath, t);
    const QByteArray bytes = folder.read(QStringLiteral("settings/tune.dat"));
    ASSERT_EQ(bytes.size(), 14);
    const int16_t expected[] = {2, 1, 1, 0, 1, 0, -1};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(int16At(bytes, 2 * i), expected[i]) << "field " << i + 1;
    EXPECT_EQ(ReadTuneFile(tunePath), t);
}

TEST_F(EngineSettingsTest, TuneValuesAreKeptAsStoredAndOnlyMinusOneChoosesMethodOne) {
    const TuneSettings odd{-1, 7, -1, 2, -1, 1, 1};
    WriteTuneFile(tunePath, odd);
    const TuneSettings read = ReadTuneFile(tunePath);
    EXPECT_EQ(read, odd);
    EXPECT_EQ(read.onceDay, -1); // not turned into "on"
    EXPECT_EQ(read.methodText(), QStringLiteral("2"));
    EXPECT_EQ((TuneSettings{0, 0, 0, 0, 0, -1, 0}.methodText()), QStringLiteral("1"));
    EXPECT_EQ((TuneSettings{0, 0, 0, 0, 0, 0, -1}.methodText()), QStringLiteral("2"));
}

TEST_F(EngineSettingsTest, ShortTuneFileReadsMissingFieldsAsZero) {
    folder.write(QStringLiteral("settings/tune.dat"), QByteArray("\x02\x00\x01\x00\x01", 5));
    const TuneSettings t = ReadTuneFile(tunePath);
    EXPECT_EQ(t.daysAfter, 2);
    EXPECT_EQ(t.daysBefore, 1);
    EXPECT_EQ(t.onceDay, 0);
    EXPECT_EQ(t.method1, 0);
    EXPECT_EQ(t.methodText(), QStringLiteral("2"));
    EXPECT_EQ(ReadTuneFile(folder.file(QStringLiteral("settings/none.dat"))),
              (TuneSettings{0, 0, 0, 0, 0, 0, 0}));
}

TEST_F(EngineSettingsTest, LongerTuneFileReadsItsFirstRecord) {
    QByteArray bytes(28, '\x05');
    qToLittleEndian<int16_t>(1, bytes.data() + 4);
    folder.write(QStringLiteral("settings/tune.dat"), bytes);
    EXPECT_EQ(ReadTuneFile(tunePath).onceDay, 1);
    EXPECT_EQ(ReadTuneFile(tunePath).method2, 0x0505);
}

TEST_F(EngineSettingsTest, InstalledFilesHoldUsableValues) {
    EXPECT_TRUE(ReadMonthFile(monthPath).valid());
    const TuneSettings t = ReadTuneFile(tunePath);
    for (int16_t days : {t.daysAfter, t.daysBefore})
        EXPECT_TRUE(days >= 0 && days <= 2);
    for (int16_t flag : {t.onceDay, t.onceWeek, t.onceWeekday})
        EXPECT_TRUE(flag == 0 || flag == 1);
    EXPECT_TRUE(t.method1 == -1 || t.method2 == -1);
    EXPECT_TRUE((QStringList{QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("-1")})
                    .contains(ReadAutoTune(folder.path())));
}

TEST_F(EngineSettingsTest, MissingAutoTuneIsCreatedHoldingMinusOne) {
    ASSERT_TRUE(QFile::remove(autoTunePath));
    EXPECT_EQ(ReadAutoTune(folder.path()), QStringLiteral("-1"));
    EXPECT_EQ(folder.read(QStringLiteral("settings/AutoTune.dat")), QByteArray("-1\r\n"));
    EXPECT_EQ(ReadAutoTune(folder.path()), QStringLiteral("-1"));
}

TEST_F(EngineSettingsTest, AutoTuneIsTheFirstLineWithBlanksTrimmed) {
    folder.write(QStringLiteral("settings/AutoTune.dat"), " 1 \r\n");
    EXPECT_EQ(ReadAutoTune(folder.path()), QStringLiteral("1"));
    folder.write(QStringLiteral("settings/AutoTune.dat"), "1\n0\n");
    EXPECT_EQ(ReadAutoTune(folder.path()), QStringLiteral("1"));
    folder.write(QStringLiteral("settings/AutoTune.dat"), "\t1\r\n");
    EXPECT_NE(ReadAutoTune(folder.path()), QStringLiteral("1")); // only blanks are trimmed
    folder.write(QStringLiteral("settings/AutoTune.dat"), QByteArray());
    EXPECT_EQ(ReadAutoTune(folder.path()), QString());
    EXPECT_EQ(folder.read(QStringLiteral("settings/AutoTune.dat")), QByteArray()); // an existing file stays
}

TEST_F(EngineSettingsTest, WriteAutoTuneReplacesTheFileWithOneLine) {
    folder.write(QStringLiteral("settings/AutoTune.dat"), "1\r\nold\r\n");
    WriteAutoTune(folder.path(), QStringLiteral("0"));
    EXPECT_EQ(folder.read(QStringLiteral("settings/AutoTune.dat")), QByteArray("0\r\n"));
    EXPECT_EQ(ReadAutoTune(folder.path()), QStringLiteral("0"));
}

TEST(AutoTuneWithoutSettingsFolder, StillReadsMinusOne) {
    test::TestFolder folder(false);
    ASSERT_TRUE(QDir(folder.path()).rmdir(QStringLiteral("settings")));
    EXPECT_EQ(ReadAutoTune(folder.path()), QStringLiteral("-1"));
}
