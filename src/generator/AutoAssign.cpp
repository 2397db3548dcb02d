#include "generator/AutoAssign.h"

#include "generator/ManualAssignments.h"
#include "model/Program.h"

namespace rp {

namespace {

// The six stores of tokens that spreading took from an agent, so that relaxation can give them back.
enum Store { Week, SameWeekday, DayMinus1, DayMinus2, DayPlus1, DayPlus2, StoreCount };

struct Stores {
    std::array<TokenSet, StoreCount> set{};
};

// Which parts of the spreading a step applies.
enum Part : unsigned {
    PartWeek = 1,
    PartSameWeekday = 2,
    PartMinus1 = 4,
    PartMinus2 = 8,
    PartPlus1 = 16,
    PartPlus2 = 32,
    PartsAll = 63,
    PartsNear = PartMinus1 | PartPlus1,
    PartsNearFar = PartMinus1 | PartPlus1 | PartMinus2 | PartPlus2,
};

struct Relaxation {
    unsigned restore;  // bits of Store
    unsigned respread; // Part bits
};

// Relaxation after the k-th consecutive failure (k = 1..7); the eighth excludes the agent.
constexpr Relaxation kRelaxation[8] = {
    {0, 0},
    {1u << SameWeekday, PartsNearFar},
    {1u << SameWeekday, PartsNear},
    {(1u << Week) | (1u << SameWeekday), PartsNearFar},
    {(1u << Week) | (1u << SameWeekday), PartsNear},
    {(1u << DayMinus2) | (1u << DayPlus2), 0},
    {(1u << DayMinus1) | (1u << DayPlus1), 0},
    {(1u << StoreCount) - 1, 0},
};

constexpr int kFailuresToExclude = 8;

class AutoFill {
public:
    AutoFill(Program& program, GenerationTables& tables, int site)
        : program_(program), t_(tables), month_(tables.month), s_(site), site_(tables.sites[size_t(site)]),
          n_(tables.agentCount()), excluded_(size_t(n_), false), allowed_(size_t(n_), false),
          owner_(size_t(n_)), stores_(size_t(n_)) {
        result_.setMonth(&month_);
    }

    SiteResult run() {
        result_.appendRecords(site_.manual);
        for (int a = 0; a < n_; ++a)
            owner_[size_t(a)] = result_.owner(t_.initials[a]);
        for (auto& w : t_.availWork)
            w.reset();
        for (int a = 0; a < n_; ++a)
            excluded_[size_t(a)] = t_.initials[a] == kUnfilled;
        if (!site_.link.isEmpty())
            AdjustForLinkAndTeams(program_, t_, s_);
        int& toggle = program_.schedule.PassToggle[1];
        toggle = toggle % 2 + 1;
        const QString token = siteToken(s_);
        for (int a = 0; a < n_; ++a)
            allowed_[size_t(a)] = t_.assignedSites[a].contains(token);

        // The open-slot test runs before each try and right after each take, so agents later in a sweep
        // that ends this way are not visited.
        for (int pass = 1;; ++pass) {
            bool finished = false;
            for (int k = 0; k < n_ && !finished; ++k)
                finished = visit(toggle == 1 ? k : n_ - 1 - k, pass) == Visit::Finished;
            if (finished || site_.open.empty() || allExcluded())
                break;
        }
        finish();
        return std::move(result_);
    }

private:
    enum class Visit { Continue, Finished };

    Visit visit(int a, int pass) {
        // Manual records at this site hold the agent back for as many passes (its maximum already counts
        // them).
        const int manual = t_.manualCount[size_t(a)][size_t(s_)];
        if (excluded_[size_t(a)] || manual >= pass)
            return Visit::Continue;
        if (!allowed_[size_t(a)]) {
            excluded_[size_t(a)] = true;
            return Visit::Continue;
        }
        sameDayCleanUp(a);
        for (int failures = 0;;) {
            if (site_.open.empty())
                return Visit::Finished;
            const int taken = tryTake(a);
            if (taken >= 0) {
                give(a, taken);
                return site_.open.empty() ? Visit::Finished : Visit::Continue;
            }
            if (++failures >= kFailuresToExclude) {
                excluded_[size_t(a)] = true;
                return Visit::Continue;
            }
            relax(a, kRelaxation[failures]);
        }
    }

    // The first open slot, in fill order, that the agent may take; -1 when none.
    int tryTake(int a) const {
        const TokenSet& avail = t_.avail[size_t(a)];
        if (avail.none() || t_.remaining(a) <= 0)
            return -1;
        for (int i : site_.open) {
            if (avail.test(size_t(i)))
                return i;
        }
        return -1;
    }

    void give(int a, int i) {
        result_.appendFor(owner_[size_t(a)], month_.record(i, t_.initials[a]));
        removeIndex(site_.open, i);
        TokenSet& work = t_.availWork[size_t(a)];
        if (work.none())
            work = t_.avail[size_t(a)];
        work.reset(size_t(i));
        sameDayCleanUp(a);
        spread(a, MonthTokens::dayOf(i), month_.weekdayOf(i), PartsAll);
        t_.setRemaining(a, t_.remaining(a) - 1);
    }

    // Takes every day on which the agent already has a record at this site, or a manual record at any
    // site, out of its availability, its work copy and its stores: at most one slot a day.
    void sameDayCleanUp(int a) {
        const TokenSet keep = ~(result_.takenDays(owner_[size_t(a)]) | t_.manualDays[size_t(a)]);
        t_.avail[size_t(a)] &= keep;
        t_.availWork[size_t(a)] &= keep;
        for (TokenSet& st : stores_[size_t(a)].set)
            st &= keep;
    }

    void takeInto(int a, const TokenSet& mask, Store store) {
        t_.avail[size_t(a)] &= ~mask;
        stores_[size_t(a)].set[store] |= t_.availWork[size_t(a)] & mask;
    }

    // The tokens each part of the spreading takes around one record's day (part bit k is store k).
    std::array<TokenSet, StoreCount> spreadMasks(int day, QChar weekday) const {
        std::array<TokenSet, StoreCount> m{};
        const int w = MonthTokens::weekdayNumber(weekday);
        if (w >= 1 && w <= 7) {
            const int weekStart = day - (w - 1);
            for (int d = weekStart; d < weekStart + 7; ++d) {
                if (d != day && d >= 1 && d <= 31)
                    m[Week] |= month_.dayMask(d);
            }
            m[SameWeekday] = month_.weekdayMask(weekday);
        }
        m[DayMinus1] = month_.dayMask(day - 1);
        m[DayMinus2] = month_.dayMask(day - 2);
        m[DayPlus1] = month_.dayMask(day + 1);
        m[DayPlus2] = month_.dayMask(day + 2);
        return m;
    }

    void spread(int a, int day, QChar weekday, unsigned parts) { apply(a, spreadMasks(day, weekday), parts); }

    void apply(int a, const std::array<TokenSet, StoreCount>& masks, unsigned parts) {
        for (int st = 0; st < StoreCount; ++st) {
            if (parts & (1u << st))
                takeInto(a, masks[size_t(st)], Store(st));
        }
    }

    // Spreads again around every record of the agent at this site. Each part takes the same tokens whether
    // applied record by record or all at once (the work copy it stores from does not change meanwhile), so
    // the masks of each owner's records are gathered once and grown as records are added.
    void relax(int a, const Relaxation& step) {
        for (int st = 0; st < StoreCount; ++st) {
            if (step.restore & (1u << st))
                t_.avail[size_t(a)] |= stores_[size_t(a)].set[size_t(st)];
        }
        if (step.respread)
            apply(a, gatheredMasks(owner_[size_t(a)]), step.respread);
    }

    const std::array<TokenSet, StoreCount>& gatheredMasks(int owner) {
        if (size_t(owner) >= gathered_.size())
            gathered_.resize(size_t(owner) + 1);
        Gathered& g = gathered_[size_t(owner)];
        const std::vector<SiteResult::Own>& own = result_.own(owner);
        for (; g.folded < own.size(); ++g.folded) {
            const SiteResult::Own& o = own[g.folded];
            if (o.day <= 0)
                continue;
            const std::array<TokenSet, StoreCount> m = spreadMasks(o.day, o.weekday);
            for (size_t st = 0; st < m.size(); ++st)
                g.masks[st] |= m[st];
        }
        return g.masks;
    }

    bool allExcluded() const {
        for (bool e : excluded_) {
            if (!e)
                return false;
        }
        return true;
    }

    void finish() {
        for (int i : site_.open)
            result_.append(month_.record(i, kUnfilled));
        site_.open.clear();
        for (int a = 0; a < n_; ++a) {
            if (allowed_[size_t(a)] && t_.availWork[size_t(a)].any())
                t_.avail[size_t(a)] = t_.availWork[size_t(a)];
        }
    }

    Program& program_;
    GenerationTables& t_;
    const MonthTokens& month_;
    int s_;
    SiteSlots& site_;
    int n_;
    std::vector<bool> excluded_;
    std::vector<bool> allowed_; // allowed sites hold this site (fixed once the link adjustment is done)
    std::vector<int> owner_;    // each agent's owner number in the result (by its initials)
    std::vector<Stores> stores_;
    struct Gathered {
        std::array<TokenSet, StoreCount> masks{};
        size_t folded = 0; // records of the owner folded into the masks so far
    };
    std::vector<Gathered> gathered_; // by owner
    SiteResult result_;
};

} // namespace

SiteResult FillSiteAutomatic(Program& program, GenerationTables& tables, int site) {
    return AutoFill(program, tables, site).run();
}

} // namespace rp
