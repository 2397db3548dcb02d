#include "generator/GapFilling.h"

#include "generator/DutyMatching.h"
#include "generator/DutyRules.h"
#include "generator/GeneratedMonth.h"
#include "model/CalendarFiles.h"
#include "model/Program.h"
#include "platform/Files.h"
#include "platform/Text.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <set>

namespace rp {

QString FillGapsFilePath(const QString& appFolder) {
    return appFolder + QStringLiteral("/settings/FillGaps.dat");
}

bool ReadFillGaps(const QString& appFolder) {
    const QStringList lines = splitLines(readTextFile(FillGapsFilePath(appFolder)).value_or(QString()));
    return !lines.isEmpty() && trimBlanks(lines.first()) == QLatin1String("1");
}

void WriteFillGaps(const QString& appFolder, bool on) {
    writeTextFileAtomic(FillGapsFilePath(appFolder),
                        crlfLines({on ? QStringLiteral("1") : QStringLiteral("0")}));
}

QString GapsFilledNote(int filled) {
    return QStringLiteral(" Gaps filled: %1.").arg(filled);
}

std::optional<int> GapsFilledIn(const QString& rulesText) {
    static const QRegularExpression note(QStringLiteral(" Gaps filled: (\\d+)\\.$"));
    const QRegularExpressionMatch m = note.match(rulesText);
    if (!m.hasMatch())
        return std::nullopt;
    return m.captured(1).toInt();
}

int FillGaps(Program& program, int month, int year) {
    ScheduleState& state = program.schedule;
    if (state.CalendarCount < 1)
        return 0;
    const DutyRulesLoad load = LoadDutyRules(program, month, year);
    if (!load.rules)
        return 0;
    GeneratedMonth generated = ReadGeneratedMonth(program.paths.AppFolder, month, year, state.CalendarCount);
    const DutyPlaces model = BuildDutyPlaces(*load.rules, generated, MatchScope::GapFilling);
    const std::vector<int> holders = MaximiseHolders(model);

    int filled = 0;
    std::set<int> changed;
    for (size_t p = 0; p < model.places.size(); ++p) {
        const MatchPlace& place = model.places[p];
        if (holders[p] == place.holder || holders[p] < 0)
            continue;
        filled += (holders[p] >= 0) - (place.holder >= 0);
        QString& record = generated.calendars[size_t(place.calendar)].records[place.record];
        record = record.left(4) + load.rules->agents[size_t(holders[p])].initials;
        changed.insert(place.calendar);
    }
    const QString prefix = CalendarPrefixOf(month, year);
    for (int c : changed) {
        const GeneratedCalendar& cal = generated.calendars[size_t(c)];
        WriteRecordFile(CalendarFilePath(program.paths.AppFolder, prefix, cal.number), cal.records);
    }
    state.RulesText += GapsFilledNote(filled);
    return filled;
}

} // namespace rp
