// The example offices generated end to end with each assignment routine: every open slot of a site is in
// its calendar exactly once (at least once and at most twice for a linked pair), generated duties respect
// the agents' sites and days off, and a fixed rotation start gives the same files every time.

#include "OfficeBuilder.h"
#include "OfficeData.h"
#include "model/OfficeDatabase.h"
#include "platform/Database.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QRegularExpression>
#include <QSet>

using namespace rp;
using namespace rp::test;

namespace {

constexpr int kMonth = 1;
constexpr int kYear = 2023;

// Day numbers of a well-formed date list ("5 10-12", blanks around dashes allowed).
QList<int> daysOf(QString list) {
    list.replace(QRegularExpression(QStringLiteral("\\s*-\\s*")), QStringLiteral("-"));
    QList<int> out;
    for (const QString& part : list.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList range = part.split(QLatin1Char('-'));
        const int low = range.value(0).toInt();
        const int high = range.size() > 1 ? range.value(1).toInt() : low;
        for (int d = low; d <= high; ++d)
            out << d;
    }
    return out;
}

struct SiteFacts {
    QString name;
    QString link;
    QSet<QString> open; // slot tokens of the month
};

struct AgentFacts {
    QSet<int> sites;
    QSet<QString> offKeys; // day-slot keys
    int entries = 1;
};

struct Office {
    std::map<int, SiteFacts> sites;
    QHash<QString, AgentFacts> agents;    // by initials as the generator writes them
    std::map<int, QList<QString>> manual; // site -> manual records
};

Office readOffice(const QString& path) {
    Office office;
    auto db = Database::open(path);
    const int days = QDate(kYear, kMonth, 1).daysInMonth();
    auto sites = db->openTable(QStringLiteral("Sites"));
    for (sites->moveFirst(); !sites->eof(); sites->moveNext()) {
        SiteFacts s;
        s.name = textField(*sites, QStringLiteral("fdSName"));
        s.link = textField(*sites, QStringLiteral("fdLink")).left(1);
        const QList<int> closed = daysOf(textField(*sites, QStringLiteral("fdSClose")));
        for (int d = 1; d <= days; ++d) {
            const int w = QDate(kYear, kMonth, d).dayOfWeek() % 7 + 1;
            const int am = int(numberField(*sites, QStringLiteral("fdAM%1").arg(w)).value_or(0));
            const int pm = int(numberField(*sites, QStringLiteral("fdPM%1").arg(w)).value_or(0));
            const int ev = int(numberField(*sites, QStringLiteral("fdEV%1").arg(w)).value_or(0));
            if (s.name.isEmpty() || closed.contains(d))
                continue;
            for (QChar l : slotLetters(am, pm, ev))
                s.open.insert(tokenOf(kYear, kMonth, d, char(l.unicode())));
        }
        office.sites[int(numberField(*sites, QStringLiteral("fdSNum")).value_or(0))] = s;
    }
    auto agents = db->openTable(QStringLiteral("Agents"));
    const QRegularExpression entry(QStringLiteral("(\\d{1,2})([A-H])"));
    for (agents->moveFirst(); !agents->eof(); agents->moveNext()) {
        QString initials = textField(*agents, QStringLiteral("fdInitial")).left(4);
        initials = initials.leftJustified(4, QLatin1Char('_'));
        AgentFacts& a = office.agents[initials];
        a.entries = initials.contains(QLatin1Char('+')) ? 2 : 1;
        for (int s : daysOf(textField(*agents, QStringLiteral("fdAssigned"))))
            a.sites.insert(s);
        const std::pair<const char*, const char*> offs[] = {
            {"fdOffAll", "ABCDEFGH"}, {"fdOffAM", "AB"}, {"fdOffPM1", "CDEF"}, {"fdOffPM2", "GH"}};
        for (const auto& [field, letters] : offs) {
            for (int d : daysOf(textField(*agents, QLatin1String(field)))) {
                for (const char* l = letters; *l; ++l)
                    a.offKeys.insert(dayKey(d, QLatin1Char(*l)));
            }
        }
        for (int pair = 1; pair <= 2 && !agents->isNull(QStringLiteral("fdInitial")); ++pair) {
            const QString list =
                textField(*agents, QStringLiteral("fdManOn%1").arg(pair)).remove(QLatin1Char(' '));
            const int site = int(numberField(*agents, QStringLiteral("fdManSite%1").arg(pair)).value_or(0));
            if (site < 1 || site > 9 || list.size() < 2)
                continue;
            for (auto it = entry.globalMatch(list); it.hasNext();) {
                const auto m = it.next();
                const int d = m.captured(1).toInt();
                if (d >= 1 && d <= QDate(kYear, kMonth, 1).daysInMonth())
                    office.manual[site] << tokenOf(kYear, kMonth, d, m.captured(2)[0].toLatin1()) + initials;
            }
        }
    }
    return office;
}

struct Method {
    const char* name;
    bool automatic;
    int16_t method1;
};

struct ExampleCase {
    const char* file;
    Method method;
};

void PrintTo(const ExampleCase& c, std::ostream* os) {
    *os << c.file << " " << c.method.name;
}

std::string caseName(const ::testing::TestParamInfo<ExampleCase>& info) {
    return QFileInfo(QLatin1String(info.param.file)).baseName().toStdString() + "_" + info.param.method.name;
}

class ExampleOffice : public ::testing::TestWithParam<ExampleCase> {
protected:
    QString examplePath() const {
        return buildResources() + QStringLiteral("/Examples/") + QLatin1String(GetParam().file);
    }
    // Generates the example in a fresh program folder and returns the files written, by name.
    std::map<QString, std::string> generate(int rotationStart, OfficeRun& run) {
        EXPECT_TRUE(QFile::remove(run.program.paths.DatabasePath));
        EXPECT_TRUE(QFile::copy(examplePath(), run.program.paths.DatabasePath));
        const Method& m = GetParam().method;
        if (m.automatic) {
            run.useAutomatic();
        } else {
            TuneSettings t;
            t.onceDay = 1;
            t.method1 = m.method1;
            t.method2 = m.method1 == -1 ? 0 : -1;
            run.useRules(t);
        }
        run.generate(rotationStart);
        std::map<QString, std::string> files;
        for (const QString& name : run.generatedFiles())
            files[name] = run.file(name);
        return files;
    }
};

TEST_P(ExampleOffice, GeneratesEverySlotOnceWithAllowedAgents) {
    ASSERT_TRUE(QFileInfo::exists(examplePath())) << "example office not built: " << examplePath();
    OfficeRun run(kMonth, kYear);
    const auto files = generate(1, run);
    const Office office = readOffice(examplePath());

    EXPECT_TRUE(run.ui.messages().empty()) << run.shown().join('\n');
    expectNoUnexpectedPrompts(run.ui);
    const int count = run.program.schedule.CalendarCount;
    ASSERT_GT(count, 0);
    EXPECT_EQ(int(files.size()), 2 * count);

    QSet<int> covered;
    QHash<QString, int> generatedPerInitials;
    for (int n = 1; n <= count; ++n) {
        const std::string text = run.calendar(n);
        const QStringList lines = QString::fromStdString(text).split(QStringLiteral("\r\n"));
        ASSERT_TRUE(lines.last().isEmpty()) << "calendar " << n << " ends with CR LF";
        const QStringList recs = lines.mid(0, lines.size() - 1);
        const QStringList description =
            QString::fromStdString(run.description(n)).split(QStringLiteral("\r\n"));
        ASSERT_EQ(description.size(), 3);
        const int s = description[1].toInt();
        ASSERT_TRUE(office.sites.count(s)) << "calendar " << n;
        EXPECT_EQ(description[0], office.sites.at(s).name + QStringLiteral(". "));

        // The sites of this calendar: s, and its partner when s is linked.
        QList<int> sites{s};
        const QString link = office.sites.at(s).link;
        if (!link.isEmpty()) {
            for (const auto& [p, facts] : office.sites) {
                if (p != s && facts.link == link) {
                    sites << p;
                    break;
                }
            }
            ASSERT_EQ(sites.size(), 2) << "site " << s << " is linked";
        }
        QHash<QString, int> tokenCount;
        QSet<QString> manualHere;
        for (int site : sites) {
            covered.insert(site);
            for (const QString& r : office.manual.count(site) ? office.manual.at(site) : QList<QString>{})
                manualHere.insert(r);
        }
        for (const QString& r : recs) {
            ASSERT_EQ(r.size(), 8) << r;
            tokenCount[r.left(4)]++;
            const QString initials = r.mid(4);
            if (initials == kUnfilled || manualHere.contains(r))
                continue;
            ASSERT_TRUE(office.agents.contains(initials)) << r;
            const AgentFacts& a = office.agents[initials];
            EXPECT_TRUE(a.sites.contains(s) || (sites.size() == 2 && a.sites.contains(sites[1])))
                << r << " at site " << s;
            EXPECT_FALSE(a.offKeys.contains(r.left(3))) << r << " on a day off";
            generatedPerInitials[initials]++;
        }
        // How often a slot is due at the calendar's sites: once when open, once per manual record of it.
        QHash<QString, int> due;
        for (int site : sites) {
            QHash<QString, int> atSite;
            for (const QString& t : office.sites.at(site).open)
                atSite[t] = 1;
            QHash<QString, int> manual;
            for (const QString& r : office.manual.count(site) ? office.manual.at(site) : QList<QString>{})
                manual[r.left(4)]++;
            for (auto it = manual.cbegin(); it != manual.cend(); ++it)
                atSite[it.key()] = it.value();
            for (auto it = atSite.cbegin(); it != atSite.cend(); ++it)
                due[it.key()] += it.value();
        }
        for (auto it = tokenCount.cbegin(); it != tokenCount.cend(); ++it)
            EXPECT_TRUE(due.contains(it.key())) << it.key() << " in calendar " << n;
        for (auto it = due.cbegin(); it != due.cend(); ++it) {
            const int times = tokenCount.value(it.key());
            if (sites.size() == 1) {
                EXPECT_EQ(times, it.value()) << it.key() << " in calendar " << n;
            } else {
                // A team's record covers the slot at both sites of the pair.
                EXPECT_GE(times, 1) << it.key() << " in calendar " << n;
                EXPECT_LE(times, it.value()) << it.key() << " in calendar " << n;
            }
        }
    }
    // Every site with open slots has a calendar.
    for (const auto& [number, facts] : office.sites) {
        if (!facts.open.isEmpty()) {
            EXPECT_TRUE(covered.contains(number)) << "site " << number;
        }
    }
    EXPECT_FALSE(generatedPerInitials.isEmpty());
}

TEST_P(ExampleOffice, AFixedRotationStartGivesIdenticalFiles) {
    ASSERT_TRUE(QFileInfo::exists(examplePath())) << "example office not built: " << examplePath();
    OfficeRun first(kMonth, kYear);
    OfficeRun second(kMonth, kYear);
    const auto a = generate(2, first);
    const auto b = generate(2, second);
    EXPECT_FALSE(a.empty());
    EXPECT_EQ(a, b);
    EXPECT_EQ(first.program.schedule.AgentInitials, second.program.schedule.AgentInitials);
}

const Method kAutomatic{"Automatic", true, -1};
const Method kRulesMethod1{"RulesMethod1", false, -1};
const Method kRulesMethod2{"RulesMethod2", false, 0};

std::vector<ExampleCase> allCases() {
    std::vector<ExampleCase> out;
    for (const char* file : {"OneOffice.mdb", "TwoOfficeA.mdb", "TwoOfficeB.mdb", "LinkTeam.mdb",
                             "LinkSub.mdb", "LinkSub2.mdb"}) {
        for (const Method& m : {kAutomatic, kRulesMethod1, kRulesMethod2})
            out.push_back({file, m});
    }
    return out;
}

} // namespace

INSTANTIATE_TEST_SUITE_P(Examples, ExampleOffice, ::testing::ValuesIn(allCases()), caseName);
