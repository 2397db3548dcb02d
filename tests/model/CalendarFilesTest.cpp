// The files that hand a generated month to the calendar window.
#include "model/CalendarFiles.h"

#include "TestFolder.h"

using namespace rp;

class CalendarFilesTest : public ::testing::Test {
protected:
    test::TestFolder folder{false};
    QString records = CalendarFilePath(folder.path(), QStringLiteral("0308"), 1);
    QString description = DescriptionFilePath(folder.path(), QStringLiteral("0308"), 1);
};

TEST_F(CalendarFilesTest, AGenerationLeavesPrefixFullStopNumberAndDFilesThatExitDeletes) {
    WriteRecordFile(records, {QStringLiteral("05C3JD__")});
    WriteDescriptionFile(description, QStringLiteral("North"), QStringLiteral("1"));
    WriteRecordFile(LinkFilePath(folder.path(), QStringLiteral("A")), {QStringLiteral("05C3JD__")});
    EXPECT_EQ(folder.files(),
              (QStringList{QStringLiteral("0308.1"), QStringLiteral("0308.1D"), QStringLiteral("@LINKA")}));
    DeleteCalendarFiles(folder.path(), false);
    EXPECT_EQ(folder.files(), QStringList{QStringLiteral("@LINKA")}) << "link files live until generation";
    DeleteCalendarFiles(folder.path(), true);
    EXPECT_TRUE(folder.files().isEmpty());
}

TEST_F(CalendarFilesTest, RecordsAreEightCharacterLinesEndedByCrLf) {
    WriteRecordFile(records, {QStringLiteral("05C3JD__"), QStringLiteral("05D3AGT?")});
    EXPECT_EQ(folder.read(QStringLiteral("0308.1")), QByteArray("05C3JD__\r\n05D3AGT?\r\n"));
    EXPECT_EQ(ReadRecordText(records), QStringLiteral("05C3JD__05D3AGT?"));
    EXPECT_EQ(SplitRecords(ReadRecordText(records)),
              (QStringList{QStringLiteral("05C3JD__"), QStringLiteral("05D3AGT?")}));
}

TEST_F(CalendarFilesTest, RecordFilesWithLfOnlyOrMissingReadToo) {
    folder.write(QStringLiteral("0308.2"), "01A3AB__\n01B3CD__");
    EXPECT_EQ(ReadRecordText(CalendarFilePath(folder.path(), QStringLiteral("0308"), 2)),
              QStringLiteral("01A3AB__01B3CD__"));
    EXPECT_EQ(ReadRecordText(folder.file(QStringLiteral("0308.9"))), QString());
    WriteRecordFile(records, {});
    EXPECT_EQ(folder.read(QStringLiteral("0308.1")), QByteArray());
    EXPECT_TRUE(SplitRecords(QString()).isEmpty());
}

TEST_F(CalendarFilesTest, DescriptionHoldsHeadingAndNumber) {
    WriteDescriptionFile(description, QStringLiteral("North"), QStringLiteral("3"));
    EXPECT_EQ(folder.read(QStringLiteral("0308.1D")), QByteArray("North. \r\n3\r\n"));
    const SiteDescription d = ReadDescriptionFile(description);
    EXPECT_EQ(d.heading, QStringLiteral("North. "));
    EXPECT_EQ(d.numberText, QStringLiteral("3"));
}

TEST_F(CalendarFilesTest, DescriptionReadsInPairsAndTheLastPairCounts) {
    folder.write(QStringLiteral("0308.1D"), "North. \r\n3\r\nSouth & East. \r\n 4 \r\n");
    SiteDescription d = ReadDescriptionFile(description);
    EXPECT_EQ(d.heading, QStringLiteral("South & East. "));
    EXPECT_EQ(d.numberText, QStringLiteral("4"));

    folder.write(QStringLiteral("0308.1D"), "North. \r\n3\r\nSouth. ");
    d = ReadDescriptionFile(description);
    EXPECT_EQ(d.heading, QStringLiteral("South. "));
    EXPECT_EQ(d.numberText, QString());

    d = ReadDescriptionFile(folder.file(QStringLiteral("0308.5D")));
    EXPECT_TRUE(d.heading.isEmpty());
    EXPECT_TRUE(d.numberText.isEmpty());
}

TEST_F(CalendarFilesTest, DeletingCalendarFilesSparesOtherFilesAndLinkFilesUnlessAsked) {
    for (const char* name : {"0308.1", "0308.1D", "0409.2", "0409.2D", "@LINKA", "floor.mdb", "0308.10"})
        folder.write(QString::fromLatin1(name), "x");
    DeleteCalendarFiles(folder.path(), false);
    EXPECT_EQ(folder.files(), (QStringList{QStringLiteral("0308.10"), QStringLiteral("@LINKA"),
                                           QStringLiteral("floor.mdb")}));
    DeleteCalendarFiles(folder.path(), true);
    EXPECT_EQ(folder.files(), (QStringList{QStringLiteral("0308.10"), QStringLiteral("floor.mdb")}));
}
