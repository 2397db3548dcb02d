// Display settings: the 172-byte record, the files of both sets and which set is loaded.
#include "display_settings/DisplaySettings.h"

#include "TestFolder.h"
#include "platform/Text.h"

#include <QFile>
#include <QFileInfo>
#include <QtEndian>

using namespace rp;

namespace {

// A record in which every field holds a value of its own, so that a field written at a wrong offset shows.
DisplayValues distinctValues() {
    DisplayValues v;
    v.m_DateFontScreen = QStringLiteral("Date Screen");
    v.m_DateSizeScreen = 11;
    v.m_DateBoldScreen = -1;
    v.m_DateItalicScreen = 0;
    v.m_TextFontScreen = QStringLiteral("Text Screen");
    v.m_TextSizeScreen = 9;
    v.m_TextBoldScreen = 0;
    v.m_TextItalicScreen = -1;
    v.m_TextForeColorScreen = 0x00123456;
    v.m_DateFontPrinter = QStringLiteral("Date Printer");
    v.m_DateSizePrinter = 14;
    v.m_DateBoldPrinter = -1;
    v.m_DateItalicPrinter = -1;
    v.m_TextFontPrinter = QStringLiteral("Text Printer");
    v.m_TextSizePrinter = 8;
    v.m_TextBoldPrinter = -1;
    v.m_TextItalicPrinter = 0;
    v.m_TextForeColorPrinter = 0x00ABCDEF;
    v.m_DateHeightPrinter = 125;
    v.m_DateHeightScreen = 115;
    v.m_LetterYes = 0;
    v.m_LetterNo = 0;
    v.m_LetterAgt = 1;
    v.m_CheckFullName = 1;
    v.m_FullNameSize = 12;
    return v;
}

QString face(const char* name) {
    return QString::fromLatin1(name).leftJustified(kFaceWidth, QLatin1Char(' '));
}
int32_t i32At(const QByteArray& b, int offset) {
    return qFromLittleEndian<int32_t>(b.constData() + offset);
}
int16_t i16At(const QByteArray& b, int offset) {
    return qFromLittleEndian<int16_t>(b.constData() + offset);
}
QByteArray faceAt(const QByteArray& b, int offset) {
    return b.mid(offset, kFaceWidth);
}

class SettingsFolder : public ::testing::Test {
protected:
    test::TestFolder folder{false};
    DisplayState inForce;
    DisplaySettings settings{inForce, folder.file(QStringLiteral("settings"))};
    void writeKind(const QByteArray& content) {
        folder.write(QStringLiteral("settings/TypeSettings.dat"), content);
    }
    // Two records told apart by their screen face.
    void writeBothSets() {
        DisplayValues custom = distinctValues(), standard = distinctValues();
        custom.m_DateFontScreen = QStringLiteral("Custom Face");
        standard.m_DateFontScreen = QStringLiteral("Default Face");
        settings.WriteSettingsRecord(0, custom);
        settings.WriteSettingsRecord(1, standard);
    }
};

} // namespace

TEST(SettingsRecord, EveryFieldSitsAtItsOffset) {
    const QByteArray b = EncodeSettingsRecord(distinctValues(), 1);
    ASSERT_EQ(b.size(), kSettingsRecordSize);
    EXPECT_EQ(faceAt(b, 0), face("Date Screen").toLatin1());
    EXPECT_EQ(i32At(b, 25), 11);
    EXPECT_EQ(i16At(b, 29), -1);
    EXPECT_EQ(i16At(b, 31), 0);
    EXPECT_EQ(faceAt(b, 33), face("Text Screen").toLatin1());
    EXPECT_EQ(i32At(b, 58), 9);
    EXPECT_EQ(i16At(b, 62), 0);
    EXPECT_EQ(i16At(b, 64), -1);
    EXPECT_EQ(i32At(b, 66), 0x00123456);
    EXPECT_EQ(faceAt(b, 70), face("Date Printer").toLatin1());
    EXPECT_EQ(i32At(b, 95), 14);
    EXPECT_EQ(i16At(b, 99), -1);
    EXPECT_EQ(i16At(b, 101), -1);
    EXPECT_EQ(faceAt(b, 103), face("Text Printer").toLatin1());
    EXPECT_EQ(i32At(b, 128), 8);
    EXPECT_EQ(i16At(b, 132), -1);
    EXPECT_EQ(i16At(b, 134), 0);
    EXPECT_EQ(i32At(b, 136), 0x00ABCDEF);
    EXPECT_EQ(i32At(b, 140), 125);
    EXPECT_EQ(i32At(b, 144), 115);
    EXPECT_EQ(i32At(b, 148), 1);
    EXPECT_EQ(i32At(b, 152), 0);
    EXPECT_EQ(i32At(b, 156), 0);
    EXPECT_EQ(i32At(b, 160), 1);
    EXPECT_EQ(i32At(b, 164), 1);
    EXPECT_EQ(i32At(b, 168), 12);
    EXPECT_EQ(i32At(EncodeSettingsRecord(distinctValues(), 0), 148), 0);
}

TEST(SettingsRecord, RoundTripKeepsValuesAndPadsFacesToTwentyFive) {
    const DisplayValues v = distinctValues();
    DisplayValues expected = v;
    expected.m_DateFontScreen = face("Date Screen");
    expected.m_TextFontScreen = face("Text Screen");
    expected.m_DateFontPrinter = face("Date Printer");
    expected.m_TextFontPrinter = face("Text Printer");
    EXPECT_EQ(DecodeSettingsRecord(EncodeSettingsRecord(v, 0)), expected);
}

TEST(SettingsRecord, LongFacesAreCutAndTrailingBlanksKept) {
    DisplayValues v;
    v.m_DateFontScreen = QStringLiteral("An Extraordinarily Long Face Name");
    v.m_TextFontScreen = QStringLiteral("Arial");
    const DisplayValues read = DecodeSettingsRecord(EncodeSettingsRecord(v, 0));
    EXPECT_EQ(read.m_DateFontScreen, QStringLiteral("An Extraordinarily Long F"));
    EXPECT_EQ(read.m_TextFontScreen, QStringLiteral("Arial                    "));
}

TEST(SettingsRecord, FullNameSizeZeroReadsAsSix) {
    DisplayValues v = distinctValues();
    v.m_FullNameSize = 0;
    EXPECT_EQ(DecodeSettingsRecord(EncodeSettingsRecord(v, 0)).m_FullNameSize, 6);
    v.m_FullNameSize = 1;
    EXPECT_EQ(DecodeSettingsRecord(EncodeSettingsRecord(v, 0)).m_FullNameSize, 1);
}

TEST(SettingsRecord, EmptyOrShortRecordReadsZerosAndBlankFaces) {
    const DisplayValues empty = DecodeSettingsRecord(QByteArray());
    EXPECT_TRUE(trimRightBlanks(empty.m_DateFontScreen).isEmpty());
    EXPECT_EQ(empty.m_DateSizeScreen, 0);
    EXPECT_EQ(empty.m_DateHeightScreen, 0);
    EXPECT_EQ(empty.m_LetterYes, 0);
    EXPECT_EQ(empty.m_FullNameSize, 6);

    const QByteArray full = EncodeSettingsRecord(distinctValues(), 0);
    const DisplayValues part = DecodeSettingsRecord(full.left(40)); // cut inside the second face
    EXPECT_EQ(part.m_DateFontScreen, face("Date Screen"));
    EXPECT_EQ(part.m_DateSizeScreen, 11);
    EXPECT_EQ(part.m_DateItalicScreen, 0);
    EXPECT_EQ(part.m_TextFontScreen, face("Text Sc"));
    EXPECT_EQ(part.m_TextSizeScreen, 0);
    EXPECT_TRUE(trimRightBlanks(part.m_TextFontPrinter).isEmpty());
    EXPECT_EQ(part.m_FullNameSize, 6);
    EXPECT_EQ(DecodeSettingsRecord(full.left(170)).m_FullNameSize, 6); // its last field is cut off
}

TEST_F(SettingsFolder, WritesRecordOneOfTheFileOfItsKind) {
    settings.WriteSettingsRecord(0, distinctValues());
    const QByteArray custom = folder.read(QStringLiteral("settings/CustomSettings.dat"));
    EXPECT_EQ(custom, EncodeSettingsRecord(distinctValues(), 0));
    EXPECT_FALSE(folder.exists(QStringLiteral("settings/DefaultSettings.dat")));
    settings.WriteSettingsRecord(1, distinctValues());
    EXPECT_EQ(i32At(folder.read(QStringLiteral("settings/DefaultSettings.dat")), 148), 1);
}

TEST_F(SettingsFolder, KindFileHoldsOneLine) {
    settings.WriteSettingsKind(0);
    EXPECT_EQ(folder.read(QStringLiteral("settings/TypeSettings.dat")), QByteArray("0\r\n"));
    settings.WriteSettingsKind(1);
    EXPECT_EQ(folder.read(QStringLiteral("settings/TypeSettings.dat")), QByteArray("1\r\n"));
}

TEST_F(SettingsFolder, KindZeroLoadsTheCustomSet) {
    writeBothSets();
    for (const char* content : {"0\r\n", " 0 \r\n", "0"}) {
        writeKind(content);
        settings.loadAtStart();
        EXPECT_EQ(inForce.m_chkDefaultFonts, 0) << content;
        EXPECT_EQ(trimRightBlanks(inForce.m_DateFontScreen), QStringLiteral("Custom Face")) << content;
    }
}

TEST_F(SettingsFolder, KindOneEmptyOrMissingLoadsTheDefaultSet) {
    writeBothSets();
    for (const char* content : {"1\r\n", "\r\n", ""}) {
        writeKind(content);
        settings.loadAtStart();
        EXPECT_EQ(inForce.m_chkDefaultFonts, 1) << content;
        EXPECT_EQ(trimRightBlanks(inForce.m_DateFontScreen), QStringLiteral("Default Face")) << content;
    }
    ASSERT_TRUE(QFile::remove(settings.kindPath()));
    inForce.m_chkDefaultFonts = 0;
    settings.loadAtStart();
    EXPECT_EQ(inForce.m_chkDefaultFonts, 1);
    EXPECT_EQ(trimRightBlanks(inForce.m_DateFontScreen), QStringLiteral("Default Face"));
}

TEST_F(SettingsFolder, LoadingTellsWhichSetWasLoaded) {
    writeBothSets();
    std::vector<int> loaded;
    inForce.onLoaded = [&](int kind) { loaded.push_back(kind); };
    settings.SetFontsToCustom();
    settings.SetFontsToDefault();
    inForce.m_chkDefaultFonts = 0;
    settings.loadSetInUse();
    EXPECT_EQ(loaded, (std::vector<int>{0, 1, 0}));
}

TEST_F(SettingsFolder, MissingRecordFileIsCreatedEmptyAndLoadsZeros) {
    inForce.m_DateSizeScreen = 20;
    writeKind("0\r\n");
    settings.loadAtStart();
    EXPECT_TRUE(folder.exists(QStringLiteral("settings/CustomSettings.dat")));
    EXPECT_EQ(QFileInfo(settings.recordPath(0)).size(), 0);
    EXPECT_EQ(inForce.m_DateSizeScreen, 0);
    EXPECT_EQ(inForce.m_FullNameSize, 6);
}

TEST_F(SettingsFolder, ShortOrLongRecordFilesLoadWhatTheirFirstRecordHolds) {
    const QByteArray record = EncodeSettingsRecord(distinctValues(), 1);
    folder.write(QStringLiteral("settings/DefaultSettings.dat"), record.left(30));
    settings.SetFontsToDefault();
    EXPECT_EQ(inForce.m_DateSizeScreen, 11);
    EXPECT_EQ(inForce.m_DateHeightScreen, 0);

    DisplayValues second = distinctValues();
    second.m_DateHeightScreen = 999;
    folder.write(QStringLiteral("settings/DefaultSettings.dat"), record + EncodeSettingsRecord(second, 1));
    settings.SetFontsToDefault();
    EXPECT_EQ(inForce.m_DateHeightScreen, 115);
}

TEST(InstalledSettings, DecodeToSensibleValues) {
    const QString dir = test::buildResources() + QStringLiteral("/settings/");
    for (const QString& name :
         {QStringLiteral("DefaultSettings.dat"), QStringLiteral("CustomSettings.dat")}) {
        SCOPED_TRACE(name);
        QFile f(dir + name);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        ASSERT_EQ(bytes.size(), kSettingsRecordSize);
        EXPECT_EQ(i32At(bytes, 148), name.startsWith(QLatin1String("Default")) ? 1 : 0);
        const DisplayValues v = DecodeSettingsRecord(bytes);
        for (const QString& f :
             {v.m_DateFontScreen, v.m_TextFontScreen, v.m_DateFontPrinter, v.m_TextFontPrinter}) {
            EXPECT_EQ(f.size(), kFaceWidth);
            EXPECT_FALSE(trimRightBlanks(f).isEmpty());
        }
        for (int32_t size :
             {v.m_DateSizeScreen, v.m_TextSizeScreen, v.m_DateSizePrinter, v.m_TextSizePrinter})
            EXPECT_TRUE(size >= 1 && size <= 72) << size;
        for (int16_t flag :
             {v.m_DateBoldScreen, v.m_DateItalicScreen, v.m_TextBoldScreen, v.m_TextItalicScreen,
              v.m_DateBoldPrinter, v.m_DateItalicPrinter, v.m_TextBoldPrinter, v.m_TextItalicPrinter})
            EXPECT_TRUE(flag == 0 || flag == -1) << flag;
        for (int32_t height : {v.m_DateHeightScreen, v.m_DateHeightPrinter})
            EXPECT_TRUE(height >= 1 && height <= 999) << height;
        for (int32_t letter : {v.m_LetterYes, v.m_LetterNo, v.m_LetterAgt})
            EXPECT_TRUE(letter == 0 || letter == 1);
        EXPECT_EQ(v.m_LetterYes + v.m_LetterNo + v.m_LetterAgt, 1);
        EXPECT_TRUE(v.m_CheckFullName == 0 || v.m_CheckFullName == 1);
        EXPECT_TRUE(v.m_FullNameSize >= 1 && v.m_FullNameSize <= 12);
    }
    QFile kind(dir + QStringLiteral("TypeSettings.dat"));
    ASSERT_TRUE(kind.open(QIODevice::ReadOnly));
    const QByteArray k = kind.readAll();
    EXPECT_TRUE(k == "0\r\n" || k == "1\r\n") << k;
}
