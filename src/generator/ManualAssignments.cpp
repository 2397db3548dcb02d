#include "generator/ManualAssignments.h"

#include "model/CalendarFiles.h"
#include "model/EntrySyntax.h"
#include "model/OfficeDatabase.h"
#include "model/Program.h"
#include "platform/Files.h"
#include "platform/Text.h"
#include "platform/Ui.h"

#include <QFileInfo>

namespace rp {

namespace {

bool isTeam(const QString& initials) {
    return initials.contains(QLatin1Char('+'));
}

// Every token of a record's day; none when the record does not start with a two-digit day.
TokenSet recordDay(const MonthTokens& month, const QString& record) {
    const QString dayText = record.left(2);
    if (dayText.size() == 2 && dayText[0].isDigit() && dayText[1].isDigit())
        return month.dayMask(dayText.toInt());
    return {};
}

// Removes every token of a record's day from an agent's availability.
void removeRecordDay(GenerationTables& tables, int agent, const QString& record) {
    tables.avail[size_t(agent)] &= ~recordDay(tables.month, record);
}

} // namespace

void BuildManualLists(Program& program, GenerationTables& tables) {
    const int siteCount = program.schedule.SiteCount;
    for (int s = 1; s <= kMaxSites; ++s)
        tables.sites[size_t(s)].manual.clear();
    if (siteCount < 1)
        throw Error::runtime(err::SubscriptOutOfRange); // site tables sized to no entry

    Recordset* rs = nullptr;
    try {
        rs = &tables.agentsTable(program.paths.DatabasePath);
    } catch (const Error& e) {
        if (e.number == err::CannotAccessDatabase)
            ShowDatabaseAccessMessage(program.ui, program.paths.DatabasePath);
        throw;
    }
    for (int position = 1; position <= program.schedule.AgentCount && !rs->eof();
         ++position, rs->moveNext()) {
        const QVariant initialsField = rs->field(QStringLiteral("fdInitial"));
        if (initialsField.isNull())
            continue;
        const QString initials = padInitials(initialsField.toString());
        static const char* const pairs[][2] = {{"fdManOn1", "fdManSite1"}, {"fdManOn2", "fdManSite2"}};
        for (const auto& pair : pairs) {
            const QString list = textField(*rs, QLatin1String(pair[0]));
            const qint64 site = numberField(*rs, QLatin1String(pair[1])).value_or(0);
            if (list.size() <= 1)
                continue;
            const QString records = AppendInitials(
                ManualKeysToSlotTokens(NormaliseManualList(list), tables.month.text()), initials);
            if (site > 0 && site <= siteCount)
                tables.sites[size_t(site)].manual += records;
        }
    }
}

void DoManualBookkeeping(GenerationTables& tables) {
    for (int s = 1; s <= kMaxSites; ++s) {
        SiteSlots& site = tables.sites[size_t(s)];
        std::erase_if(site.open, [&](int t) { return site.manual.contains(tables.month.token(t)); });
    }
    for (int a = 0; a < tables.agentCount(); ++a) {
        const QString& initials = tables.initials[a];
        TokenSet& manualDays = tables.manualDays[size_t(a)];
        manualDays.reset();
        int manualRecords = 0;
        for (int s = 1; s <= kMaxSites; ++s) {
            const QString& manual = tables.sites[size_t(s)].manual;
            int& count = tables.manualCount[size_t(a)][size_t(s)];
            count = 0;
            QString work = manual;
            for (qsizetype at = work.indexOf(initials); at >= 0; at = work.indexOf(initials)) {
                ++count;
                const qsizetype start = std::max<qsizetype>(at - 4, 0);
                tables.removeAvail(a, work.mid(start, at - start));
                work.remove(start, 8);
            }
            manualRecords += count;
            for (qsizetype i = 0; i + 8 <= manual.size(); i += 8) {
                if (manual.mid(i + 4, 4) == initials)
                    manualDays |= recordDay(tables.month, manual.mid(i, 8));
            }
        }
        // Every manual request counts against the maximum once, before the first site is filled, so
        // that sites filled earlier already leave room for the requests at sites filled later. Both
        // entries of a team count the team's records, but their shared maximum is lowered once.
        if (tables.ownsMaximum(a))
            tables.setRemaining(a, tables.remaining(a) - manualRecords);
    }
}

void AdjustForLinkAndTeams(Program& program, GenerationTables& tables, int s) {
    SiteSlots& site = tables.sites[size_t(s)];
    const QString linkFile = LinkFilePath(program.paths.AppFolder, site.link);
    if (QFileInfo::exists(linkFile)) {
        // The partner is done: its team records already cover both positions of their slots.
        const QStringList lines = splitLines(readTextFile(linkFile).value_or(QString()));
        const QString token = siteToken(s);
        for (const QString& line : lines) {
            if (!line.contains(QLatin1Char('+')))
                continue;
            tables.removeOpen(s, line.left(4));
            const QString teamInitials = line.mid(4, 4);
            for (int a = 0; a < tables.agentCount(); ++a) {
                if (tables.initials[a].contains(teamInitials))
                    tables.assignedSites[a].remove(token);
            }
        }
        return;
    }

    int partner = 0;
    for (int p = 1; p <= kMaxSites && partner == 0; ++p) {
        if (p != s && tables.sites[size_t(p)].link == site.link)
            partner = p;
    }
    const QString joined = site.manual + (partner ? tables.sites[size_t(partner)].manual : QString());
    QStringList teamRecords, otherRecords;
    for (qsizetype i = 0; i + 8 <= joined.size(); i += 8) {
        const QString record = joined.mid(i, 8);
        (isTeam(record.mid(4, 4)) ? teamRecords : otherRecords) << record;
    }
    for (const QString& r : teamRecords) {
        tables.removeOpen(s, r.left(4));
        if (partner)
            tables.removeOpen(partner, r.left(4));
    }
    // Teams: every entry of the team loses the whole day of the record.
    for (const QString& r : teamRecords) {
        for (int a = 0; a < tables.agentCount(); ++a) {
            if (tables.initials[a] == r.mid(4, 4))
                removeRecordDay(tables, a, r);
        }
    }
    // Others: the first entry with those initials loses the whole day.
    for (const QString& r : otherRecords) {
        for (int a = 0; a < tables.agentCount(); ++a) {
            if (tables.initials[a] == r.mid(4, 4)) {
                removeRecordDay(tables, a, r);
                break;
            }
        }
    }
}

} // namespace rp
