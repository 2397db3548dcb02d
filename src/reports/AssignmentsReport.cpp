#include "reports/AssignmentsReport.h"

#include "platform/ReportPrinter.h"
#include "reports/ReportPrinting.h"

#include <iterator>

namespace rp {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
constexpr int kLinesPerPage = 48;
constexpr qsizetype kFirstPiece = 70;
constexpr qsizetype kContinuation = 63;

// How many pieces an entry of this length prints in. Up to 322 characters the last piece may run a few
// characters past its 63 (an entry of 134 prints in two pieces, the second of 64); longer entries go on
// in pieces of 63 as long as needed.
qsizetype pieceCount(qsizetype length) {
    static constexpr qsizetype upTo[] = {70, 134, 198, 262, 322};
    for (qsizetype n = 0; n < qsizetype(std::size(upTo)); ++n) {
        if (length <= upTo[n])
            return n + 1;
    }
    return 5 + (length - 322 + kContinuation - 1) / kContinuation;
}

qsizetype pieceStart(qsizetype piece) {
    return piece == 0 ? 0 : kFirstPiece + (piece - 1) * kContinuation;
}

} // namespace

QString BuildAssignmentsReport(const QStringList& initials, const QStringList& names,
                               const QStringList& summaries) {
    QString text;
    QStringList listedTeams;
    for (qsizetype k = 0; k < summaries.size(); ++k) {
        const QString& summary = summaries[k];
        if (summary.size() < 2)
            continue;
        // A team carries "+" in its initials and has a second entry with the same code and duties.
        const QString code = initials.value(k);
        if (code.contains(QLatin1Char('+'))) {
            if (listedTeams.contains(code))
                continue;
            listedTeams << code;
        }
        text += names.value(k) + QStringLiteral(" - ") + summary + QLatin1Char('.') + kCrLf + kCrLf;
    }
    return text;
}

QStringList SplitReportEntries(const QString& text) {
    const QString crlf = CrLfText(text);
    QStringList entries;
    qsizetype at = 0;
    while (at < crlf.size()) {
        const qsizetype cr = crlf.indexOf(kCrLf, at);
        if (cr < 0) {
            entries << crlf.mid(at);
            break;
        }
        qsizetype end = cr + 2;
        if (QStringView(crlf).mid(end, 2) == kCrLf)
            end += 2;
        entries << crlf.mid(at, end - at);
        at = end;
    }
    return entries;
}

QStringList PrintPieces(const QString& entry) {
    const qsizetype count = pieceCount(entry.size());
    const QString blanks(7, QLatin1Char(' '));
    QStringList pieces;
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype start = pieceStart(i);
        const qsizetype size = i + 1 < count ? pieceStart(i + 1) - start : -1;
        pieces << (i == 0 ? QString() : blanks) + entry.mid(start, size);
    }
    return pieces;
}

bool PrintAssignmentsReport(ReportPrinter& printer, const QString& text, const AssignmentsHeading& heading) {
    const bool headed = printer.line(QString()) && printer.fontSize(10) && printer.bold(true) &&
                        printer.line(QStringLiteral("ROTAPLAN REPORT. ") + heading.schedMonth +
                                     QLatin1Char('/') + heading.schedYear) &&
                        printer.line(heading.siteHeading) && printer.line(heading.rulesText) &&
                        printer.line(QStringLiteral("AM = A/B.  PM1 = C/D/E/F.  PM2 = G/H.")) &&
                        printer.line(QString()) && printer.bold(false);
    if (!headed)
        return false;
    qsizetype counter = 0;
    for (const QString& entry : SplitReportEntries(text)) {
        if (entry.size() > 1) {
            const QStringList pieces = PrintPieces(entry);
            for (const QString& piece : pieces) {
                if (!PrintItem(printer, piece))
                    return false;
            }
            counter += pieces.size();
            if (counter > kLinesPerPage) {
                if (!printer.newPage())
                    return false;
                counter = 0;
            }
        }
        counter += 2; // the entry's two line breaks
    }
    return printer.endDocument();
}

} // namespace rp
