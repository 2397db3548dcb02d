// The assignments-by-agent report: its text, the entries and pieces it prints in, and its pages.
#include "reports/AssignmentsReport.h"

#include "Printers.h"
#include "RecordingPrinter.h"
#include "reports/ReportPrinting.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace rp;
using namespace rp::test;

namespace {

// A text of n characters whose character i (from 1) is the last digit of i.
QString numbered(int n) {
    QString s;
    for (int i = 1; i <= n; ++i)
        s += QChar(u'0' + i % 10);
    return s;
}

// The printed lines joined, continuation blanks removed.
QString printedBody(const Printout& out) {
    QString body;
    for (const QStringList& page : out.pages) {
        for (const QString& line : page)
            body += line.startsWith(QStringLiteral("       ")) ? line.mid(7) : line;
    }
    return body;
}

const AssignmentsHeading kHeading{QStringLiteral("1"), QStringLiteral("2027"),
                                  QStringLiteral("Main Office. "), QStringLiteral("AUTOMATIC FINE TUNING.")};

} // namespace

TEST(AssignmentsReport, OneLineAndAnEmptyLinePerAgentAndEachTeamOnceByItsExactCode) {
    // The generator gives a team (initials holding "+" anywhere) a second entry with the same code.
    const QStringList initials{QStringLiteral("J+M_"), QStringLiteral("AL__"), QStringLiteral("+RL_"),
                               QStringLiteral("J+MX"), QStringLiteral("J+M_"), QStringLiteral("+RL_"),
                               QStringLiteral("AL__"), QStringLiteral("BO__")};
    const QStringList names{QStringLiteral("Jane & Mark"), QStringLiteral("Ann Lee"),
                            QStringLiteral("Rosa & Luis"), QStringLiteral("Jo & Max"),
                            QStringLiteral("Jane & Mark"), QStringLiteral("Rosa & Luis"),
                            QStringLiteral("Ann Lee"),     QStringLiteral("Bo")};
    QStringList summaries(8, QStringLiteral("TUE/02/A  (1)"));
    summaries[7] = QStringLiteral("x"); // too short: no summary
    EXPECT_EQ(BuildAssignmentsReport(initials, names, summaries),
              QStringLiteral("Jane & Mark - TUE/02/A  (1).\r\n\r\n"
                             "Ann Lee - TUE/02/A  (1).\r\n\r\n"
                             "Rosa & Luis - TUE/02/A  (1).\r\n\r\n"
                             "Jo & Max - TUE/02/A  (1).\r\n\r\n"
                             "Ann Lee - TUE/02/A  (1).\r\n\r\n"));
    EXPECT_EQ(BuildAssignmentsReport({}, {}, {}), QString());
}

TEST(AssignmentsReport, EditedTextSplitsIntoEntriesWithoutLosingACharacter) {
    const struct {
        const char* text;
        QStringList entries;
    } cases[] = {
        {"Ann - x.\r\n\r\nBob - y.\r\n\r\n",
         {QStringLiteral("Ann - x.\r\n\r\n"), QStringLiteral("Bob - y.\r\n\r\n")}},
        {"Ann - x.\n\nBob - y.\n", {QStringLiteral("Ann - x.\r\n\r\n"), QStringLiteral("Bob - y.\r\n")}},
        {"Ann\r\nBob\r\n\r\n\r\nNote",
         {QStringLiteral("Ann\r\n"), QStringLiteral("Bob\r\n\r\n"), QStringLiteral("\r\n"),
          QStringLiteral("Note")}},
        {"", {}},
    };
    for (const auto& c : cases) {
        const QString text = QString::fromLatin1(c.text);
        const QStringList entries = SplitReportEntries(text);
        EXPECT_EQ(entries, c.entries) << text;
        EXPECT_EQ(entries.join(QString()), CrLfText(text));
    }
}

TEST(AssignmentsReport, EntriesPrintInPiecesOfSeventyThenSixtyThreeCharacters) {
    const struct {
        int length;
        int pieces;
        int lastFrom; // the last piece's first character
    } cases[] = {{70, 1, 1},    {71, 2, 71},   {134, 2, 71},  {135, 3, 134}, {198, 3, 134}, {199, 4, 197},
                 {262, 4, 197}, {263, 5, 260}, {300, 5, 260}, {322, 5, 260}, {323, 6, 323}, {400, 7, 386}};
    for (const auto& c : cases) {
        const QString entry = numbered(c.length);
        const QStringList pieces = PrintPieces(entry);
        ASSERT_EQ(pieces.size(), c.pieces) << c.length;
        EXPECT_EQ(pieces.last(),
                  (c.pieces > 1 ? QStringLiteral("       ") : QString()) + entry.mid(c.lastFrom - 1))
            << c.length;
        QString joined = pieces.first();
        for (const QString& piece : pieces.mid(1))
            joined += piece.mid(7);
        EXPECT_EQ(joined, entry) << c.length;
    }
}

TEST(AssignmentsReport, PrintoutHasABoldHeadingAtTenPointsAndPrintsEditedTextWhole) {
    // A text as the box gives it back: LF only, a 400-character line, a last line without a break.
    const QString line400 = QStringLiteral("Ann - ") + numbered(394);
    const QString text =
        QStringLiteral("Bob - x.\n\n") + line400 + QStringLiteral("\n\nNote: swap Ann and Bob");
    Printout out;
    RecordingPrinter printer(out);
    ASSERT_TRUE(PrintAssignmentsReport(printer, text, kHeading));
    EXPECT_EQ(out.calls.mid(0, 9),
              (QStringList{QString(), QStringLiteral("<size 10>"), QStringLiteral("<bold>"),
                           QStringLiteral("ROTAPLAN REPORT. 1/2027"), QStringLiteral("Main Office. "),
                           QStringLiteral("AUTOMATIC FINE TUNING."),
                           QStringLiteral("AM = A/B.  PM1 = C/D/E/F.  PM2 = G/H."), QString(),
                           QStringLiteral("</bold>")}));
    EXPECT_EQ(out.calls.last(), QStringLiteral("<end>"));
    ASSERT_EQ(out.pages.size(), 1);
    EXPECT_EQ(printedBody(out),
              QStringLiteral("ROTAPLAN REPORT. 1/2027Main Office. AUTOMATIC FINE TUNING.AM = A/B.  "
                             "PM1 = C/D/E/F.  PM2 = G/H.Bob - x.") +
                  line400 + QStringLiteral("Note: swap Ann and Bob"));
}

TEST(AssignmentsReport, APageBreaksAfterTheEntryWhosePiecesTakeTheLineCountPastFortyEight) {
    // Each entry counts its pieces, then 2 for its line breaks; after a break the count restarts at 0.
    const struct {
        int entries;
        int length; // of each entry's line
        QList<int> perPage;
    } cases[] = {
        {120, 12, {17, 17, 17, 17, 17, 17, 17, 1}}, // 1 piece: the 17th entry takes the count to 49, then 51
        {10, 296, {8, 2}},                          // 5 pieces: the 8th entry takes the count to 54
    };
    for (const auto& c : cases) {
        QString text;
        for (int k = 0; k < c.entries; ++k)
            text += QStringLiteral("E%1 ").arg(k, 3, 10, QLatin1Char('0')) + numbered(c.length - 4) +
                    QStringLiteral("\r\n\r\n");
        Printout out;
        RecordingPrinter printer(out);
        ASSERT_TRUE(PrintAssignmentsReport(printer, text, kHeading));
        QList<int> perPage;
        for (const QStringList& page : out.pages)
            perPage << int(page.filter(QRegularExpression(QStringLiteral("^E\\d\\d\\d "))).size());
        EXPECT_EQ(perPage, c.perPage) << c.length;
    }
}
