#include "export/DutyExport.h"

#include "export/DutyCsv.h"
#include "generator/DutyRules.h"
#include "generator/GeneratedMonth.h"
#include "model/Program.h"
#include "model/Tokens.h"
#include "platform/Files.h"
#include "platform/Text.h"

#include <QDir>

namespace rp {

namespace {

QString monthText(int month, int year) {
    return QStringLiteral("%1-%2").arg(year, 4, 10, QLatin1Char('0')).arg(month, 2, 10, QLatin1Char('0'));
}

} // namespace

QString DutyCalendarFileName(int month, int year, const QString& initials) {
    QString code = UnpaddedInitials(initials);
    for (QChar& c : code) {
        const bool safe = (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
                          (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
                          (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('+') ||
                          c == QLatin1Char('-');
        if (!safe)
            c = QLatin1Char('_');
    }
    if (code.isEmpty())
        code = QStringLiteral("_");
    return monthText(month, year) + QLatin1Char('-') + code + QStringLiteral(".ics");
}

QString DutyCsvFileName(int month, int year) {
    return monthText(month, year) + QStringLiteral("-duties.csv");
}

DutyExportResult ExportDuties(const Program& program, const DutyExportTarget& target,
                              const ExportProgress& progress) {
    DutyExportResult result;
    const ScheduleState& state = program.schedule;
    const GeneratedMonth month = ReadLastGeneration(state, program.paths.AppFolder);
    if (month.calendars.empty()) {
        result.problem = QStringLiteral("No schedule of this month has been generated.");
        return result;
    }
    QHash<QString, QString> names;
    QStringList codes; // every agent code of the generation, in working order, each once
    for (qsizetype i = 0; i < state.AgentInitials.size(); ++i) {
        const QString& initials = state.AgentInitials[i];
        if (initials == kUnfilled || initials.isEmpty() || codes.contains(initials))
            continue;
        codes << initials;
        names.insert(initials, trimBlanks(state.AgentNames.value(i)));
    }
    // Whole names from the office; the schedule state holds them cut to the calendar's full-name size.
    const DutyRulesLoad office = LoadDutyRules(program, month.month, month.year);
    if (office.rules) {
        for (const DutyAgent& a : office.rules->agents)
            names.insert(a.initials, a.name);
    }
    const std::vector<Duty> duties = CollectDuties(month, program.paths.AppFolder, names);
    for (const Duty& d : duties) {
        if (!codes.contains(d.initials))
            codes << d.initials;
    }
    result.duties = int(duties.size());

    const bool calendars = !target.calendarFolder.isEmpty();
    const bool csv = !target.csvFile.isEmpty();
    const int total = (calendars ? int(codes.size()) : 0) + (csv ? 1 : 0);
    auto written = [&](const QString& path) {
        result.files << path;
        if (progress && !progress(int(result.files.size()), total)) {
            result.cancelled = true;
            return false;
        }
        return true;
    };
    if (calendars) {
        const QDir folder(target.calendarFolder);
        for (const QString& code : codes) {
            const QString path = folder.filePath(DutyCalendarFileName(month.month, month.year, code));
            writeBinaryFileAtomic(path, DutyCalendarText(code, names.value(code), duties, target.calendar));
            if (!written(path))
                return result;
        }
    }
    if (csv) {
        writeBinaryFileAtomic(target.csvFile, DutyCsvText(duties));
        written(target.csvFile);
    }
    return result;
}

} // namespace rp
