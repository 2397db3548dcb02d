// The printed calendar: written to a PDF file and read back as text.
#include "TestFolder.h"
#include "platform/Error.h"
#include "platform/qt/MonthCalendar.h"

#include <QFile>
#include <QTemporaryDir>

namespace rp {
namespace {

class MonthCalendarPrint : public ::testing::Test {
protected:
    void SetUp() override {
        calendar.setFirstDate(QDate(2026, 12, 27));
        calendar.setLastDate(QDate(2027, 2, 6));
        calendar.setDate(QDate(2027, 1, 1));
        calendar.setPrintFirstDate(calendar.FirstDate());
        calendar.setPrintLastDate(calendar.LastDate());
        calendar.setPrintTitle(QStringLiteral("Lakeside.  1/2027"));
        calendar.setPrintSubTitle(QStringLiteral("Swaps through Ann \"the desk\" O'Hara"));
        calendar.setPrintDayHeight(115);
        calendar.setCellText(QDate(2027, 1, 14), QStringLiteral("A-QZJ_\r\nB-\r\nC-WXK_"));
    }

    MonthCalendar calendar;
    QTemporaryDir dir;
};

TEST_F(MonthCalendarPrint, PdfCarriesHeadingsDayNumbersAndTexts) {
    ASSERT_FALSE(test::pdfToTextTool().isEmpty()) << "scripts/setup-deps.sh installs poppler-utils";
    const QString pdf = dir.filePath(QStringLiteral("calendar.pdf"));
    ASSERT_TRUE(calendar.printToPdf(pdf));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF"));

    const QString text = test::pdfText(pdf).value_or(QString());
    EXPECT_TRUE(text.contains(QStringLiteral("Lakeside.  1/2027")) ||
                text.contains(QStringLiteral("Lakeside. 1/2027")))
        << text;
    EXPECT_TRUE(text.contains(QStringLiteral("Swaps through Ann \"the desk\" O'Hara"))) << text;
    EXPECT_TRUE(text.contains(QStringLiteral("A-QZJ_")));
    EXPECT_TRUE(text.contains(QStringLiteral("C-WXK_")));
    EXPECT_TRUE(text.contains(QStringLiteral("Sunday")) && text.contains(QStringLiteral("Saturday")));
    EXPECT_TRUE(text.contains(QStringLiteral("31")));
}

TEST_F(MonthCalendarPrint, AnEmptySubTitleIsLeftOut) {
    ASSERT_FALSE(test::pdfToTextTool().isEmpty()) << "scripts/setup-deps.sh installs poppler-utils";
    calendar.setPrintSubTitle(QString());
    const QString pdf = dir.filePath(QStringLiteral("plain.pdf"));
    ASSERT_TRUE(calendar.printToPdf(pdf));
    const QString text = test::pdfText(pdf).value_or(QString());
    EXPECT_TRUE(text.contains(QStringLiteral("A-QZJ_"))) << text;
    EXPECT_FALSE(text.contains(QStringLiteral("Swaps")));
}

TEST_F(MonthCalendarPrint, AFileThatCannotBeWrittenIsAnErrorAndLeavesNothing) {
    const QString pdf = dir.filePath(QStringLiteral("missing/folder/calendar.pdf"));
    EXPECT_THROW(calendar.printToPdf(pdf), Error);
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(MonthCalendarPrint, AnExistingPrintoutIsReplacedWhole) {
    const QString pdf = dir.filePath(QStringLiteral("calendar.pdf"));
    {
        QFile old(pdf);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(4 * 1024 * 1024, 'x'));
    }
    ASSERT_TRUE(calendar.printToPdf(pdf));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF"));
    EXPECT_LT(file.size(), 4 * 1024 * 1024);
}

} // namespace
} // namespace rp
