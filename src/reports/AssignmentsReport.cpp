#include "reports/AssignmentsReport.h"

namespace rp {

namespace {
const QString kCrLf = QStringLiteral("\r\n");
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

} // namespace rp
