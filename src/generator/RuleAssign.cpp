#include "generator/RuleAssign.h"

#include "generator/ManualAssignments.h"
#include "model/EngineSettings.h"
#include "model/Program.h"

namespace rp {

namespace {

struct Sweep {
    int start, end, step; // agent positions 1..n
};

class RuleFill {
public:
    RuleFill(Program& program, GenerationTables& tables, int site, const TuneSettings& rules)
        : program_(program), t_(tables), month_(tables.month), s_(site), site_(tables.sites[size_t(site)]),
          rules_(rules), method_(rules.methodText()), n_(tables.agentCount()) {
        result_.setMonth(&month_);
    }

    SiteResult run() {
        result_.appendRecords(site_.manual);
        if (!site_.link.isEmpty())
            AdjustForLinkAndTeams(program_, t_, s_);
        // Once a day: a day with a manual record at any site is already worked.
        if (rules_.onceDay == 1) {
            for (int v = 0; v < n_; ++v)
                t_.avail[size_t(v)] &= ~t_.manualDays[size_t(v)];
        }
        int& toggle = program_.schedule.PassToggle[0];
        toggle = toggle % 2 + 1;
        const int h = n_ / 2, m = n_ / 2 + 1;
        const QString token = siteToken(s_);

        int c = 0;
        for (int pass = 1;; ++pass) {
            Sweep sweep{1, n_, 1};
            if (method_ == QLatin1String("2")) {
                c = c % 3 + 1;
                static const int order[2][3] = {{0, 1, 2}, {3, 4, 5}};
                const Sweep sweeps[6] = {{n_, 1, -1}, {m, n_, 1}, {1, h, 1},
                                         {1, n_, 1},  {h, 1, -1}, {m, n_, 1}};
                sweep = sweeps[order[toggle - 1][c - 1]];
            } else if (toggle == 2) {
                sweep = {n_, 1, -1};
            }
            bool assigned = false;
            for (int v = sweep.start; sweep.step > 0 ? v <= sweep.end : v >= sweep.end; v += sweep.step)
                assigned |= visit(v - 1, pass, token);
            if (assigned || manualTurnPending(pass, token))
                continue;
            if (c <= 1)
                break;
            c = 0;
        }
        for (int i : site_.open)
            result_.append(month_.record(i, kUnfilled));
        site_.open.clear();
        return std::move(result_);
    }

private:
    bool visit(int v, int pass, const QString& token) {
        // Manual records at this site hold the agent back for as many passes (its maximum already counts
        // them).
        const int manual = t_.manualCount[size_t(v)][size_t(s_)];
        if (t_.initials[v] == kUnfilled || manual >= pass || !t_.assignedSites[v].contains(token))
            return false;
        TokenSet& avail = t_.avail[size_t(v)];
        int taken = -1;
        if (t_.remaining(v) > 0) {
            for (int i : site_.open) {
                if (avail.test(size_t(i))) {
                    taken = i;
                    break;
                }
            }
        }
        if (taken < 0)
            return false;
        result_.append(month_.record(taken, t_.initials[v]));
        removeIndex(site_.open, taken);
        avail.reset(size_t(taken));
        applyRules(avail, MonthTokens::dayOf(taken), month_.weekdayOf(taken));
        t_.setRemaining(v, t_.remaining(v) - 1);
        return true;
    }

    void applyRules(TokenSet& avail, int day, QChar weekday) const {
        if (rules_.onceDay == 1)
            avail &= ~month_.dayMask(day);
        if (rules_.onceWeek == 1) {
            const int weekStart = day - (weekday.digitValue() - 1);
            for (int d = weekStart; d < weekStart + 7; ++d) {
                if (d != day)
                    avail &= ~month_.dayMask(d);
            }
        }
        if (rules_.daysBefore == 1 || rules_.daysBefore == 2)
            avail &= ~month_.dayMask(day - 1);
        if (rules_.daysBefore == 2)
            avail &= ~month_.dayMask(day - 2);
        if (rules_.daysAfter == 1 || rules_.daysAfter == 2)
            avail &= ~month_.dayMask(day + 1);
        if (rules_.daysAfter == 2)
            avail &= ~month_.dayMask(day + 2);
        if (rules_.onceWeekday == 1)
            avail &= ~month_.weekdayMask(weekday);
    }

    // An agent allowed here whose manual records at this site hold it back until a later pass still has
    // its turn to come: the passes go on for it.
    bool manualTurnPending(int pass, const QString& token) const {
        for (int v = 0; v < n_; ++v) {
            if (t_.initials[v] != kUnfilled && t_.assignedSites[v].contains(token) &&
                t_.manualCount[size_t(v)][size_t(s_)] >= pass)
                return true;
        }
        return false;
    }

    Program& program_;
    GenerationTables& t_;
    const MonthTokens& month_;
    int s_;
    SiteSlots& site_;
    TuneSettings rules_;
    QString method_;
    int n_;
    SiteResult result_;
};

} // namespace

SiteResult FillSiteByRules(Program& program, GenerationTables& tables, int site, const TuneSettings& rules) {
    return RuleFill(program, tables, site, rules).run();
}

} // namespace rp
