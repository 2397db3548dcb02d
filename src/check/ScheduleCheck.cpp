#include "check/ScheduleCheck.h"

#include "generator/DutyMatching.h"
#include "generator/DutyRules.h"
#include "generator/GapFilling.h"
#include "generator/GeneratedMonth.h"
#include "model/Program.h"
#include "model/Tokens.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <cmath>

namespace rp {

namespace {

// The manual records of a calendar's sites, each with how often it was asked for.
QHash<QString, int> manualRecordsOf(const DutyRules& rules, const std::vector<int>& sites) {
    QHash<QString, int> manual;
    for (int s : sites) {
        const QString& list = rules.sites[size_t(s)].manual;
        for (qsizetype i = 0; i + 8 <= list.size(); i += 8)
            manual[list.mid(i, 8)] += 1;
    }
    return manual;
}

ScheduleCheck::Spread spreadOf(std::vector<int> duties) {
    ScheduleCheck::Spread s;
    s.agents = int(duties.size());
    if (duties.empty())
        return s;
    std::sort(duties.begin(), duties.end());
    s.minimum = duties.front();
    s.maximum = duties.back();
    const size_t n = duties.size();
    s.median = n % 2 ? duties[n / 2] : (duties[n / 2 - 1] + duties[n / 2]) / 2.0;
    double sum = 0;
    for (int d : duties)
        sum += d;
    const double mean = sum / double(n);
    double squares = 0;
    for (int d : duties)
        squares += (d - mean) * (d - mean);
    s.standardDeviation = std::sqrt(squares / double(n));
    s.withNone = int(std::count(duties.begin(), duties.end(), 0));
    return s;
}

class Checker {
public:
    Checker(const Program& program, const DutyRules& rules, const GeneratedMonth& month)
        : program_(program), rules_(rules), month_(month), days_(rules.month.days()),
          onDay_(rules.agents.size(), std::array<int, 32>{}), duties_(rules.agents.size(), 0),
          generated_(rules.agents.size(), 0) {}

    ScheduleCheck run() {
        ScheduleCheck c;
        c.month = month_.month;
        c.year = month_.year;
        c.rules = program_.schedule.RulesText;
        c.gapsFilled = GapsFilledIn(c.rules);
        for (const GeneratedCalendar& cal : month_.calendars)
            c.sites.push_back(countCalendar(cal));
        c.agents = agents();
        std::vector<int> working;
        for (const ScheduleCheck::Agent& a : c.agents) {
            if (a.canWork)
                working.push_back(a.duties);
        }
        c.spread = spreadOf(working);
        for (const GeneratedCalendar& cal : month_.calendars) {
            for (const QString& r : cal.records) {
                if (r.mid(4, 4) == kUnfilled)
                    c.gaps.push_back(gap(cal, r));
            }
        }
        c.unfilled = int(c.gaps.size());
        const DutyPlaces model = BuildDutyPlaces(rules_, month_, MatchScope::Check);
        const std::vector<int> holders = MaximiseHolders(model);
        c.matchable =
            int(std::count_if(holders.begin(), holders.end(), [](int h) { return h >= 0; })) - model.held();
        return c;
    }

private:
    ScheduleCheck::Site countCalendar(const GeneratedCalendar& cal) {
        ScheduleCheck::Site site;
        site.calendar = cal.number;
        site.name = cal.siteName();
        site.number = cal.siteNumberText;
        QHash<QString, int> manual = manualRecordsOf(rules_, rules_.calendarSites(cal.siteNumber()));
        for (const QString& r : cal.records) {
            site.records += 1;
            const QString initials = r.mid(4, 4);
            const int a = rules_.indexOf(initials);
            const int day = RecordDay(r, days_);
            if (initials == kUnfilled) {
                site.unfilled += 1;
            } else if (manual.value(r) > 0) {
                manual[r] -= 1;
                site.manual += 1;
            } else {
                site.filled += 1;
                if (a >= 0)
                    generated_[size_t(a)] += 1;
            }
            if (a >= 0) {
                duties_[size_t(a)] += 1;
                if (day > 0)
                    onDay_[size_t(a)][size_t(day)] += 1;
            }
        }
        return site;
    }

    bool placed(const DutyAgent& agent, const DutyAgent::Request& request) const {
        for (const GeneratedCalendar& cal : month_.calendars) {
            const std::vector<int> sites = rules_.calendarSites(cal.siteNumber());
            if (std::find(sites.begin(), sites.end(), request.site) == sites.end())
                continue;
            for (const QString& r : cal.records) {
                if (r.left(3) == request.key && r.mid(4, 4) == agent.initials)
                    return true;
            }
        }
        return false;
    }

    bool worksAtAMonthSite(const DutyAgent& agent) const {
        for (const GeneratedCalendar& cal : month_.calendars) {
            for (int s : rules_.calendarSites(cal.siteNumber())) {
                if (agent.allowedAt(s))
                    return true;
            }
        }
        return false;
    }

    std::vector<ScheduleCheck::Agent> agents() const {
        std::vector<ScheduleCheck::Agent> out;
        for (size_t i = 0; i < rules_.agents.size(); ++i) {
            const DutyAgent& agent = rules_.agents[i];
            ScheduleCheck::Agent a;
            a.initials = UnpaddedInitials(agent.initials);
            a.name = agent.name;
            a.duties = duties_[i];
            a.maximum = agent.maximum > 0 ? int(std::ceil(agent.maximum)) : 0;
            int previous = 0;
            for (int d = 1; d <= days_; ++d) {
                if (onDay_[i][size_t(d)] == 0)
                    continue;
                if (previous > 0 && (!a.fewestDaysBetween || d - previous < *a.fewestDaysBetween))
                    a.fewestDaysBetween = d - previous;
                previous = d;
            }
            for (const DutyAgent::Request& r : agent.requests) {
                const QString entry = QString::number(r.key.left(2).toInt()) + r.key.mid(2);
                a.requests.push_back({entry, r.site, placed(agent, r)});
            }
            a.canWork = a.maximum > 0 && agent.free.any() && worksAtAMonthSite(agent);
            out.push_back(std::move(a));
        }
        return out;
    }

    ScheduleCheck::Gap gap(const GeneratedCalendar& cal, const QString& record) const {
        ScheduleCheck::Gap g;
        const int day = RecordDay(record, days_);
        g.date = day > 0 ? QDate(month_.year, month_.month, day) : QDate();
        g.calendar = cal.number;
        g.site = cal.siteName();
        g.slot = record.size() > 2 ? record[2] : QChar();
        const int token = rules_.month.indexOf(record.left(4));
        if (day == 0 || token < 0)
            return g;
        const std::vector<int> sites = rules_.calendarSites(cal.siteNumber());
        for (size_t i = 0; i < rules_.agents.size(); ++i) {
            const DutyAgent& agent = rules_.agents[i];
            const bool allowed =
                std::any_of(sites.begin(), sites.end(), [&](int s) { return agent.allowedAt(s); });
            if (allowed && agent.free.test(size_t(token)) && onDay_[i][size_t(day)] == 0 &&
                generated_[i] < agent.generatedCapacity())
                g.candidates << UnpaddedInitials(agent.initials);
        }
        return g;
    }

    const Program& program_;
    const DutyRules& rules_;
    const GeneratedMonth& month_;
    int days_;
    std::vector<std::array<int, 32>> onDay_; // records per agent and day
    std::vector<int> duties_;                // records per agent
    std::vector<int> generated_;             // records the routines made, per agent
};

} // namespace

ScheduleCheckRun CheckSchedule(const Program& program) {
    ScheduleCheckRun run;
    const GeneratedMonth generated = ReadLastGeneration(program.schedule, program.paths.AppFolder);
    if (generated.calendars.empty()) {
        run.problem = QStringLiteral("No schedule of this month has been generated.");
        return run;
    }
    const int month = generated.month, year = generated.year;
    const DutyRulesLoad load = LoadDutyRules(program, month, year);
    if (!load.rules) {
        run.problem =
            load.problem.isEmpty() ? QStringLiteral("The office database cannot be read.") : load.problem;
        return run;
    }
    run.check = Checker(program, *load.rules, generated).run();
    return run;
}

} // namespace rp
