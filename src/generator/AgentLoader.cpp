#include "generator/AgentLoader.h"

#include "model/EntrySyntax.h"
#include "model/OfficeDatabase.h"
#include "model/Program.h"
#include "platform/Text.h"
#include "platform/Ui.h"

#include <QRandomGenerator>
#include <algorithm>

namespace rp {

namespace {

QString expanded(const Recordset& rs, const QString& field) {
    return ExpandDateRanges(CanonicaliseDateList(textField(rs, field)));
}

// The day-slot keys on which an agent takes no slot.
QString offKeys(const Recordset& rs) {
    const QString all = expanded(rs, QStringLiteral("fdOffAll"));
    return DateListToDayKeys(expanded(rs, QStringLiteral("fdOffAM")), QStringLiteral("AB")) +
           DateListToDayKeys(all, QStringLiteral("AB")) +
           DateListToDayKeys(expanded(rs, QStringLiteral("fdOffPM1")), QStringLiteral("CDEF")) +
           DateListToDayKeys(all, QStringLiteral("CDEF")) +
           DateListToDayKeys(expanded(rs, QStringLiteral("fdOffPM2")), QStringLiteral("GH")) +
           DateListToDayKeys(all, QStringLiteral("GH"));
}

} // namespace

AgentLoad LoadAgents(Program& program, GenerationTables& tables) {
    Ui& ui = program.ui;
    ScheduleState& state = program.schedule;
    tables.resizeAgents(0);
    state.AgentCount = 0;
    Recordset* rs = nullptr;
    try {
        rs = &tables.agentsTable(program.paths.DatabasePath);
    } catch (const Error& e) {
        if (e.number == err::CannotAccessDatabase)
            ShowDatabaseAccessMessage(ui, program.paths.DatabasePath);
        throw;
    }
    const int count = rs->recordCount();
    if (count == 0) {
        ui.message(QStringLiteral("Database reports having no Agent records."),
                   QStringLiteral("RPRtnsMsbrGetAgtSiteWorkTimes"), Icon::None, Buttons::Ok);
    } else if (count > kMaxAgents) {
        ui.message(QStringLiteral("At most 99 agents can be scheduled."), QStringLiteral("TOO MANY AGENTS"),
                   Icon::None, Buttons::Ok);
        return AgentLoad::TooMany;
    }

    const int nameSize = std::clamp(int(program.display.m_FullNameSize), 0, 255);
    std::vector<QString> keys;
    std::vector<int> teams;
    tables.resizeAgents(count);
    int i = 0;
    for (; i < count && !rs->eof(); ++i, rs->moveNext()) {
        const QVariant initials = rs->field(QStringLiteral("fdInitial"));
        tables.initials[i] = initials.isNull() ? kUnfilled : padInitials(initials.toString());
        if (tables.initials[i].contains(QLatin1Char('+')))
            teams.push_back(i);
        const QVariant max = rs->field(QStringLiteral("fdMaxTimes"));
        const QString maxText = max.isNull() ? QString() : trimBlanks(max.toString());
        tables.maxCount[size_t(i)] = maxText.isEmpty() ? 310.0 : leadingReal(maxText);
        const QVariant name = rs->field(QStringLiteral("fdName"));
        tables.names[i] =
            fitRight(name.isNull() ? QStringLiteral("Name?") : trimBlanks(name.toString()), nameSize);
        keys.push_back(offKeys(*rs));
        tables.assignedSites[i] =
            DateListToDayKeys(expanded(*rs, QStringLiteral("fdAssigned")), QStringLiteral("S"));
    }
    tables.resizeAgents(i);

    TokenSet combined;
    for (int t : tables.combined)
        combined.set(size_t(t));
    for (int k = 0; k < tables.agentCount(); ++k)
        tables.avail[size_t(k)] = combined & ~tables.month.keysFoundIn(keys[size_t(k)]);

    if (!teams.empty()) {
        const int n = tables.agentCount();
        if (n + int(teams.size()) > kMaxAgents)
            throw Error::runtime(err::SubscriptOutOfRange);
        tables.resizeAgents(n + int(teams.size()));
        for (size_t l = 0; l < teams.size(); ++l) {
            const int from = teams[l], to = n + int(l);
            tables.initials[to] = tables.initials[from];
            tables.assignedSites[to] = tables.assignedSites[from];
            tables.names[to] = tables.names[from];
            tables.maxCount[size_t(to)] = tables.maxCount[size_t(from)];
            tables.maxShare[size_t(to)] = from; // one team, one maximum
            tables.avail[size_t(to)] = tables.avail[size_t(from)];
        }
    }
    state.AgentCount = tables.agentCount();
    state.AgentInitials = QStringList(state.AgentCount, QString());
    state.AgentNames = QStringList(state.AgentCount, QString());
    state.AgentSummary = QStringList(state.AgentCount, QString());
    return AgentLoad::Loaded;
}

std::optional<int> CountAgentEntries(const QString& databasePath) {
    try {
        auto db = Database::open(databasePath);
        auto rs = db->openTable(QStringLiteral("agents"));
        int entries = 0;
        for (; !rs->eof(); rs->moveNext()) {
            const QVariant initials = rs->field(QStringLiteral("fdInitial"));
            entries +=
                !initials.isNull() && padInitials(initials.toString()).contains(QLatin1Char('+')) ? 2 : 1;
        }
        return entries;
    } catch (const Error&) {
        return std::nullopt;
    }
}

void RotateAgents(GenerationTables& tables, int g) {
    const int n = tables.agentCount();
    if (n == 0)
        return;
    const int start = std::clamp(g, 1, n) - 1;
    auto rotate = [&](auto& list) { std::rotate(list.begin(), list.begin() + start, list.end()); };
    rotate(tables.maxCount);
    rotate(tables.maxShare);
    for (int& share : tables.maxShare)
        share = (share - start + n) % n; // the rotated position of the entry shared with
    rotate(tables.initials);
    rotate(tables.names);
    rotate(tables.assignedSites);
    rotate(tables.avail);
    tables.availWork = tables.avail;
}

RotationSource randomRotation() {
    return [](int n) {
        const double r = QRandomGenerator::global()->generateDouble();
        return int(n * r + 1);
    };
}

} // namespace rp
