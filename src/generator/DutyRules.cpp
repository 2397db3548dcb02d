#include "generator/DutyRules.h"

#include "generator/AgentLoader.h"
#include "generator/ManualAssignments.h"
#include "generator/SiteLoader.h"
#include "model/EntrySyntax.h"
#include "model/OfficeDatabase.h"
#include "model/Program.h"
#include "platform/Text.h"
#include "platform/Ui.h"

#include <cmath>

namespace rp {

namespace {

// Keeps the first message the loaders would have shown, as the reason nothing was loaded.
class QuietUi : public Ui {
public:
    Answer message(const QString& text, const QString& title, Icon, Buttons,
                   std::optional<Answer> defaultButton) override {
        if (first.isEmpty())
            first = effectiveTitle(title) + QStringLiteral(": ") + text;
        return defaultButton.value_or(Answer::Ok);
    }
    std::optional<QString> input(const QString&, const QString&) override { return std::nullopt; }
    void beep() override {}
    void setBusy(bool) override {}
    void endProgram() override {}

    QString first;
};

// The manual requests of every agent record, by initials, as typed in its two lists.
void readRequests(Recordset& rs, DutyRules& rules) {
    for (; !rs.eof(); rs.moveNext()) {
        const QVariant initials = rs.field(QStringLiteral("fdInitial"));
        if (initials.isNull())
            continue;
        const int a = rules.indexOf(padInitials(initials.toString()));
        if (a < 0)
            continue;
        static const char* const pairs[][2] = {{"fdManOn1", "fdManSite1"}, {"fdManOn2", "fdManSite2"}};
        for (const auto& pair : pairs) {
            const QString list = textField(rs, QLatin1String(pair[0]));
            if (list.size() <= 1)
                continue;
            const int site = int(numberField(rs, QLatin1String(pair[1])).value_or(0));
            const QString keys = NormaliseManualList(list);
            for (qsizetype k = 0; k + 3 <= keys.size(); k += 3)
                rules.agents[size_t(a)].requests.push_back({keys.mid(k, 3), site});
        }
    }
}

} // namespace

bool DutyAgent::allowedAt(int site) const {
    return site >= 1 && site <= kMaxSites && sites.contains(siteToken(site));
}

int DutyAgent::generatedCapacity() const {
    const double left = maximum - manualRecords;
    return left > 0 ? int(std::ceil(left)) : 0;
}

int DutyRules::indexOf(const QString& initials) const {
    for (size_t a = 0; a < agents.size(); ++a) {
        if (agents[a].initials == initials)
            return int(a);
    }
    return -1;
}

std::vector<int> DutyRules::calendarSites(int site) const {
    std::vector<int> out;
    if (site < 1 || site > kMaxSites)
        return out;
    out.push_back(site);
    const QString& link = sites[size_t(site)].link;
    for (int p = 1; p <= kMaxSites && !link.isEmpty(); ++p) {
        if (p != site && sites[size_t(p)].link == link) {
            out.push_back(p);
            break;
        }
    }
    return out;
}

DutyRulesLoad LoadDutyRules(const Program& program, int month, int year) {
    DutyRulesLoad out;
    QuietUi quiet;
    Program scratch(quiet, program.paths.AppFolder);
    scratch.paths = program.paths;
    scratch.display = program.display;
    scratch.display.m_FullNameSize = 255; // whole names
    GenerationTables tables(month, year);
    try {
        if (!LoadSites(scratch, tables) || scratch.schedule.SiteCount < 1) {
            out.problem = quiet.first;
            return out;
        }
        if (LoadAgents(scratch, tables) == AgentLoad::TooMany) {
            out.problem = quiet.first;
            return out;
        }
        const std::vector<TokenSet> free = tables.avail; // before the manual slots are taken out
        BuildManualLists(scratch, tables);
        DoManualBookkeeping(tables);

        DutyRules rules(month, year);
        rules.sites = tables.sites;
        for (int i = 0; i < tables.agentCount(); ++i) {
            const QString& initials = tables.initials[i];
            if (initials == kUnfilled)
                continue;
            if (rules.indexOf(initials) >= 0)
                continue; // the second entry of a team
            DutyAgent a;
            a.initials = initials;
            a.name = trimRightBlanks(tables.names[i]);
            a.sites = tables.assignedSites[i];
            a.free = free[size_t(i)];
            int manual = 0;
            for (int s = 1; s <= kMaxSites; ++s)
                manual += tables.manualCount[size_t(i)][size_t(s)];
            a.manualRecords = manual;
            a.maximum = tables.remaining(i) + manual;
            rules.agents.push_back(std::move(a));
        }
        readRequests(tables.agentsTable(program.paths.DatabasePath), rules);
        out.rules = std::move(rules);
    } catch (const Error& e) {
        out.problem = QStringLiteral("Error #%1 .%2").arg(e.number).arg(e.description);
    } catch (const ProgramEnded&) {
        out.problem = quiet.first;
    }
    return out;
}

} // namespace rp
