#include "generator/DutyMatching.h"

#include "generator/DutyRules.h"
#include "generator/GeneratedMonth.h"
#include "model/Tokens.h"

#include <QHash>
#include <algorithm>
#include <deque>

namespace rp {

namespace {

constexpr int kDays = 32;

// The augmenting-path search over places, agents' days and agents.
class Augmenter {
public:
    explicit Augmenter(const DutyPlaces& model)
        : places_(model.places), agents_(model.agents), holder_(places_.size()) {
        for (size_t p = 0; p < places_.size(); ++p)
            holder_[p] = places_[p].holder;
    }

    std::vector<int> run() {
        while (augment()) {
        }
        return holder_;
    }

private:
    enum Kind { None, Source, Place, Day, Agent };
    struct Node {
        Kind kind = None;
        int id = 0; // place, agent * kDays + day, or agent
    };

    int agentCount() const { return int(agents_.size()); }

    void countLoads() {
        load_.assign(size_t(agentCount()), 0);
        heldOn_.assign(size_t(agentCount()) * kDays, {});
        for (size_t p = 0; p < places_.size(); ++p) {
            const int a = holder_[p];
            if (a < 0)
                continue;
            ++load_[size_t(a)];
            heldOn_[size_t(a) * kDays + size_t(places_[p].day)].push_back(int(p));
        }
    }

    // One breadth-first search from every place without a holder; true when it found a path and moved the
    // places along it.
    bool augment() {
        countLoads();
        const size_t agents = size_t(agentCount());
        std::vector<Node> placeFrom(places_.size()), dayFrom(agents * kDays), agentFrom(agents);
        std::deque<Node> queue;
        for (size_t p = 0; p < places_.size(); ++p) {
            if (holder_[p] < 0 && !places_[p].candidates.empty()) {
                placeFrom[p] = {Source, 0};
                queue.push_back({Place, int(p)});
            }
        }
        while (!queue.empty()) {
            const Node n = queue.front();
            queue.pop_front();
            if (n.kind == Place) {
                const MatchPlace& place = places_[size_t(n.id)];
                for (int a : place.candidates) {
                    const size_t d = size_t(a) * kDays + size_t(place.day);
                    if (a == holder_[size_t(n.id)] || dayFrom[d].kind != None)
                        continue;
                    dayFrom[d] = n;
                    queue.push_back({Day, int(d)});
                }
            } else if (n.kind == Day) {
                const int a = n.id / kDays, day = n.id % kDays;
                const int dayLoad = int(heldOn_[size_t(n.id)].size());
                if (dayLoad < (agents_[size_t(a)].dayOpen[size_t(day)] ? 1 : 0) &&
                    agentFrom[size_t(a)].kind == None) {
                    agentFrom[size_t(a)] = n;
                    queue.push_back({Agent, a});
                }
                for (int q : heldOn_[size_t(n.id)]) {
                    if (placeFrom[size_t(q)].kind == None) {
                        placeFrom[size_t(q)] = n;
                        queue.push_back({Place, q});
                    }
                }
            } else if (n.kind == Agent) {
                const int a = n.id;
                if (load_[size_t(a)] < agents_[size_t(a)].capacity) {
                    moveAlong(a, placeFrom, dayFrom, agentFrom);
                    return true;
                }
                for (int day = 1; day < kDays; ++day) {
                    const size_t d = size_t(a) * kDays + size_t(day);
                    if (!heldOn_[d].empty() && dayFrom[d].kind == None) {
                        dayFrom[d] = n;
                        queue.push_back({Day, int(d)});
                    }
                }
            }
        }
        return false;
    }

    // Walks the path back from the agent that takes one place more: every place on it goes to the agent
    // whose day it was led to.
    void moveAlong(int agent, const std::vector<Node>& placeFrom, const std::vector<Node>& dayFrom,
                   const std::vector<Node>& agentFrom) {
        Node cur{Agent, agent};
        while (cur.kind != Source) {
            if (cur.kind == Agent) {
                cur = agentFrom[size_t(cur.id)];
            } else if (cur.kind == Day) {
                const Node prev = dayFrom[size_t(cur.id)];
                if (prev.kind == Place)
                    holder_[size_t(prev.id)] = cur.id / kDays;
                cur = prev;
            } else {
                cur = placeFrom[size_t(cur.id)];
            }
        }
    }

    const std::vector<MatchPlace>& places_;
    const std::vector<MatchAgent>& agents_;
    std::vector<int> holder_;
    std::vector<int> load_;
    std::vector<std::vector<int>> heldOn_; // places held, by agent * kDays + day
};

} // namespace

int DutyPlaces::held() const {
    return int(
        std::count_if(places.begin(), places.end(), [](const MatchPlace& p) { return p.holder >= 0; }));
}

DutyPlaces BuildDutyPlaces(const DutyRules& rules, const GeneratedMonth& month, MatchScope scope) {
    const int days = rules.month.days();
    const size_t n = rules.agents.size();
    DutyPlaces out;
    out.agents.resize(n);

    enum class Kind { Manual, Generated, Unfilled, Other };
    struct Classified {
        Kind kind = Kind::Other;
        int agent = -1;
        int day = 0;
    };
    std::vector<std::vector<Classified>> kinds(month.calendars.size());
    std::vector<std::array<int, kDays>> onDay(n, std::array<int, kDays>{});
    for (size_t c = 0; c < month.calendars.size(); ++c) {
        const GeneratedCalendar& cal = month.calendars[c];
        QHash<QString, int> manual;
        for (int s : rules.calendarSites(cal.siteNumber())) {
            const QString& list = rules.sites[size_t(s)].manual;
            for (qsizetype i = 0; i + 8 <= list.size(); i += 8)
                manual[list.mid(i, 8)] += 1;
        }
        for (const QString& r : cal.records) {
            Classified k;
            k.day = RecordDay(r, days);
            const QString initials = r.mid(4, 4);
            if (initials == kUnfilled) {
                k.kind = Kind::Unfilled;
            } else if (manual.value(r) > 0) {
                manual[r] -= 1;
                k.kind = Kind::Manual;
                k.agent = rules.indexOf(initials);
            } else {
                k.agent = rules.indexOf(initials);
                k.kind = k.agent >= 0 && k.day > 0 ? Kind::Generated : Kind::Other;
            }
            if (k.agent >= 0 && k.day > 0)
                onDay[size_t(k.agent)][size_t(k.day)] += 1;
            kinds[c].push_back(k);
        }
    }

    // Which generated records may move, and what stays fixed for each agent.
    std::vector<std::array<bool, kDays>> fixedDay(n, std::array<bool, kDays>{});
    std::vector<int> fixedGenerated(n, 0), movable(n, 0);
    for (size_t c = 0; c < month.calendars.size(); ++c) {
        const bool linked = rules.calendarSites(month.calendars[c].siteNumber()).size() > 1;
        for (Classified& k : kinds[c]) {
            if (k.agent < 0 || k.day == 0)
                continue;
            if (k.kind == Kind::Generated) {
                const bool keep =
                    onDay[size_t(k.agent)][size_t(k.day)] > 1 ||
                    (scope == MatchScope::GapFilling && (linked || rules.agents[size_t(k.agent)].isTeam()));
                if (!keep) {
                    movable[size_t(k.agent)] += 1;
                    continue;
                }
                fixedGenerated[size_t(k.agent)] += 1;
                k.kind = Kind::Other;
            }
            fixedDay[size_t(k.agent)][size_t(k.day)] = true;
        }
    }
    for (size_t a = 0; a < n; ++a) {
        MatchAgent& m = out.agents[a];
        m.capacity = std::max(movable[a], rules.agents[a].generatedCapacity() - fixedGenerated[a]);
        for (int d = 1; d <= days; ++d)
            m.dayOpen[size_t(d)] = !fixedDay[a][size_t(d)];
    }

    for (size_t c = 0; c < month.calendars.size(); ++c) {
        const GeneratedCalendar& cal = month.calendars[c];
        const std::vector<int> sites = rules.calendarSites(cal.siteNumber());
        if (scope == MatchScope::GapFilling && sites.size() > 1)
            continue;
        for (size_t r = 0; r < kinds[c].size(); ++r) {
            const Classified& k = kinds[c][r];
            const int token = rules.month.indexOf(cal.records[int(r)].left(4));
            if ((k.kind != Kind::Generated && k.kind != Kind::Unfilled) || k.day == 0 || token < 0)
                continue;
            MatchPlace place;
            place.day = k.day;
            place.holder = k.kind == Kind::Generated ? k.agent : -1;
            place.calendar = int(c);
            place.record = int(r);
            for (size_t a = 0; a < n; ++a) {
                const DutyAgent& agent = rules.agents[a];
                const bool allowed =
                    std::any_of(sites.begin(), sites.end(), [&](int s) { return agent.allowedAt(s); });
                const bool may = allowed && agent.free.test(size_t(token)) &&
                                 out.agents[a].dayOpen[size_t(k.day)] && out.agents[a].capacity > 0 &&
                                 !(scope == MatchScope::GapFilling && agent.isTeam());
                if (may || int(a) == place.holder)
                    place.candidates.push_back(int(a));
            }
            out.places.push_back(std::move(place));
        }
    }
    return out;
}

std::vector<int> MaximiseHolders(const DutyPlaces& model) {
    return Augmenter(model).run();
}

} // namespace rp
