// The report printer on paper: written to PDF files and read back as text.
#include "TestFolder.h"
#include "platform/qt/QtReportPrinter.h"

using namespace rp;
using namespace rp::test;

namespace {

struct Paper {
    const char* name;
    QPageSize::PageSizeId size;
    int points;
    int lines;
    friend void PrintTo(const Paper& p, std::ostream* os) { *os << p.name; }
};

class ReportPrinterTest : public ::testing::TestWithParam<Paper> {
protected:
    TestFolder folder{false};
};

} // namespace

TEST_P(ReportPrinterTest, ALineThatWouldRunPastTheBottomGoesToANewPage) {
    ASSERT_FALSE(pdfToTextTool().isEmpty()) << "scripts/setup-deps.sh installs poppler-utils";
    const Paper& p = GetParam();
    const QString pdf = folder.file(QStringLiteral("lines.pdf"));
    {
        const auto printer = QtReportPrinter::toPdf(pdf, QPageSize(p.size));
        ASSERT_TRUE(printer->fontSize(p.points));
        for (int k = 1; k <= p.lines; ++k)
            ASSERT_TRUE(printer->bold(k % 2 == 0) && printer->line(QStringLiteral("Line %1.").arg(k)));
        // A page break with nothing after it leaves no empty sheet.
        ASSERT_TRUE(printer->newPage());
        ASSERT_TRUE(printer->endDocument());
    }
    const QString text = pdfText(pdf).value_or(QString());
    const QStringList pages = text.split(QLatin1Char('\f'));
    ASSERT_GE(pages.size(), 3) << text; // at least two pages and what follows the last page break
    EXPECT_TRUE(pages.last().trimmed().isEmpty());
    EXPECT_FALSE(pages[pages.size() - 2].trimmed().isEmpty()) << "an empty last page";
    int printed = 0;
    for (int k = 1; k <= p.lines; ++k)
        printed += text.contains(QStringLiteral("Line %1.").arg(k)) ? 1 : 0;
    EXPECT_EQ(printed, p.lines);
}

INSTANTIATE_TEST_SUITE_P(Reports, ReportPrinterTest,
                         ::testing::Values(Paper{"Letter10Points", QPageSize::Letter, 10, 150},
                                           Paper{"A6At24Points", QPageSize::A6, 24, 40}),
                         byName);
