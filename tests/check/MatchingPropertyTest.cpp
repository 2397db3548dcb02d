// On the example offices and on seeded random offices, each generated without and with the gap-filling
// pass from the same start: the check's matching count is never below what the pass fills, the pass
// reaches it where there are neither links nor teams, and whatever the pass moves keeps the hard rules.

#include "RandomOffice.h"
#include "check/ScheduleCheck.h"
#include "generator/DutyRules.h"
#include "generator/GapFilling.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <cmath>

using namespace rp;
using namespace rp::test;

namespace {

struct Generation {
    std::vector<QStringList> calendars;
    ScheduleCheck check;
    std::optional<int> filled;
};

Generation generate(OfficeRun& run, int rotation, std::array<int, 2> toggles, bool fill) {
    run.program.schedule.PassToggle = toggles;
    WriteFillGaps(run.folder.path(), fill);
    run.ui.clear();
    Generation g;
    g.filled = run.generate(rotation).gapsFilled;
    EXPECT_TRUE(run.ui.messages().empty()) << run.shown().join('\n').toStdString();
    const ScheduleState& s = run.program.schedule;
    for (int n = 1; n <= s.CalendarCount; ++n) {
        const QString name = s.CalendarFilePrefix + QLatin1Char('.') + QString::number(n);
        g.calendars.push_back(
            QString::fromStdString(run.file(name)).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts));
    }
    const ScheduleCheckRun c = CheckSchedule(run.program);
    if (c.check)
        g.check = *c.check;
    else if (s.CalendarCount > 0)
        ADD_FAILURE() << c.problem.toStdString();
    return g;
}

bool linksOrTeams(const DutyRules& rules) {
    for (int s = 1; s <= kMaxSites; ++s) {
        if (!rules.sites[size_t(s)].link.isEmpty())
            return true;
    }
    return std::any_of(rules.agents.begin(), rules.agents.end(),
                       [](const DutyAgent& a) { return a.isTeam(); });
}

// What the pass moved keeps the hard rules: the same slots, each new holder allowed at the site, not off,
// alone on that day and within its maximum; manual records stay.
void checkMoves(const OfficeRun& run, const Generation& before, const Generation& after) {
    const ScheduleState& s = run.program.schedule;
    const DutyRulesLoad load = LoadDutyRules(run.program, s.SchedMonth.toInt(), s.SchedYear.toInt());
    ASSERT_TRUE(load.rules) << load.problem.toStdString();
    const DutyRules& rules = *load.rules;
    ASSERT_EQ(before.calendars.size(), after.calendars.size());
    QHash<QString, int> perDay, dutiesBefore, dutiesAfter;
    for (size_t c = 0; c < after.calendars.size(); ++c) {
        for (const QString& r : after.calendars[c]) {
            perDay[r.mid(4) + r.left(2)] += 1;
            dutiesAfter[r.mid(4)] += 1;
        }
        for (const QString& r : before.calendars[c])
            dutiesBefore[r.mid(4)] += 1;
    }
    for (size_t c = 0; c < after.calendars.size(); ++c) {
        const QStringList& was = before.calendars[c];
        const QStringList& is = after.calendars[c];
        ASSERT_EQ(was.size(), is.size());
        const int site = before.check.sites[c].number.toInt();
        for (qsizetype r = 0; r < is.size(); ++r) {
            if (was[r] == is[r])
                continue;
            EXPECT_EQ(was[r].left(4), is[r].left(4));
            EXPECT_FALSE(rules.sites[size_t(site)].manual.contains(was[r]))
                << was[r].toStdString() << " moved";
            const int a = rules.indexOf(is[r].mid(4));
            ASSERT_GE(a, 0) << is[r].toStdString();
            const DutyAgent& agent = rules.agents[size_t(a)];
            EXPECT_FALSE(agent.isTeam());
            EXPECT_TRUE(agent.allowedAt(site)) << is[r].toStdString();
            EXPECT_TRUE(agent.free.test(size_t(rules.month.indexOf(is[r].left(4))))) << is[r].toStdString();
            EXPECT_EQ(perDay.value(is[r].mid(4) + is[r].left(2)), 1) << is[r].toStdString() << " twice a day";
            const int maximum = int(std::ceil(agent.maximum));
            EXPECT_LE(dutiesAfter.value(agent.initials),
                      std::max(dutiesBefore.value(agent.initials), maximum));
        }
    }
}

struct Tally {
    int generations = 0;
    int filled = 0;
    int reached = 0; // generations without links and teams, where the pass must reach the matching count
};

void compare(OfficeRun& run, int rotation, Tally& tally) {
    const std::array<int, 2> toggles = run.program.schedule.PassToggle;
    const Generation plain = generate(run, rotation, toggles, false);
    const Generation filled = generate(run, rotation, toggles, true);
    if (plain.calendars.empty())
        return;
    ++tally.generations;
    ASSERT_TRUE(filled.filled.has_value());
    const int f = *filled.filled;
    tally.filled += f;
    EXPECT_FALSE(plain.filled.has_value());
    EXPECT_GE(plain.check.matchable, f) << "the matching count is an upper bound";
    EXPECT_EQ(filled.check.unfilled, plain.check.unfilled - f);
    EXPECT_EQ(filled.check.gapsFilled, f);
    const ScheduleState& s = run.program.schedule;
    const DutyRulesLoad load = LoadDutyRules(run.program, s.SchedMonth.toInt(), s.SchedYear.toInt());
    ASSERT_TRUE(load.rules);
    if (!linksOrTeams(*load.rules)) {
        ++tally.reached;
        EXPECT_EQ(f, plain.check.matchable) << "without links and teams the pass reaches the matching count";
        EXPECT_EQ(filled.check.matchable, 0);
    }
    checkMoves(run, plain, filled);
}

TuneSettings strictRules(int16_t method1) {
    TuneSettings t;
    t.onceDay = 1;
    t.onceWeek = 1;
    t.daysAfter = 1;
    t.method1 = method1;
    t.method2 = method1 == -1 ? 0 : -1;
    return t;
}

} // namespace

TEST(Matching, ExampleOfficesUnderEachRoutine) {
    Tally tally;
    for (const char* office : {"OneOffice", "TwoOfficeA", "TwoOfficeB", "LinkTeam", "LinkSub", "LinkSub2"}) {
        for (int routine = 0; routine < 3; ++routine) {
            SCOPED_TRACE(std::string(office) + " routine " + std::to_string(routine));
            OfficeRun run;
            ASSERT_TRUE(QFile::remove(run.program.paths.DatabasePath));
            ASSERT_TRUE(QFile::copy(exampleOffice(QLatin1String(office)), run.program.paths.DatabasePath));
            if (routine == 0)
                run.useAutomatic();
            else
                run.useRules(strictRules(routine == 1 ? -1 : 0));
            compare(run, 3, tally);
        }
    }
    EXPECT_EQ(tally.generations, 18);
    EXPECT_GT(tally.filled, 0);
    EXPECT_GE(tally.reached, 9);
}

TEST(Matching, RandomOfficesUnderBothRoutines) {
    constexpr int kOffices = 150;
    Dice dice(20270119);
    const std::unique_ptr<OfficeRun> folder = officeRunInMemory();
    OfficeRun& run = *folder;
    Tally tally;
    for (int n = 1; n <= kOffices && !::testing::Test::HasFatalFailure(); ++n) {
        const RandomOffice office = makeRandomOffice(dice, run);
        for (const bool automatic : {true, false}) {
            SCOPED_TRACE("office " + std::to_string(n) + (automatic ? ", automatic" : ", rules"));
            if (automatic) {
                run.useAutomatic();
            } else {
                TuneSettings t = strictRules(dice.chance(50) ? -1 : 0);
                t.daysBefore = int16_t(dice(3));
                run.useRules(t);
            }
            compare(run, 1 + dice(office.entries()), tally);
        }
    }
    EXPECT_GT(tally.filled, kOffices / 2) << "the offices leave gaps the pass fills";
    EXPECT_GT(tally.reached, kOffices / 2);
}
