// The six example offices as built into the program folder: each opens as an office database, holds the
// sites, agents, links and teams it is described with, keeps every value within what the editors accept,
// passes the editors' checks, and has enough agents for its duties in any month.
#include "OfficeData.h"
#include "TestFolder.h"
#include "model/EntrySyntax.h"
#include "model/OfficeDatabase.h"
#include "platform/Database.h"
#include "platform/Text.h"

#include <QSet>

using namespace rp;
using namespace rp::test;

namespace {

struct Office {
    QStringList tables;
    std::vector<Record> sites;  // stored order
    std::vector<Record> agents; // stored order
};

Office readOffice(const QString& path) {
    return {Database::open(path)->tableNames(), recordsOf(path, office::kSites),
            recordsOf(path, office::kAgents)};
}

// A field's value; Null for a field the table does not have.
QVariant valueOf(const Record& r, const QString& field) {
    const auto it = r.find(field);
    return it == r.end() ? QVariant() : it->second;
}

QString text(const Record& r, const QString& field) {
    const QVariant v = valueOf(r, field);
    return v.isNull() ? QString() : trimBlanks(v.toString());
}

int number(const Record& r, const QString& field) {
    return int(valueOf(r, field).toLongLong());
}

// The numbers of a date list or site list, ranges expanded as the generator expands them.
QList<int> numbersOf(const QString& list) {
    QList<int> out;
    const QString expanded = ExpandDateRanges(CanonicaliseDateList(trimBlanks(list)));
    for (const QString& n : expanded.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        out << n.toInt();
    return out;
}

QSet<int> sitesOf(const Record& agent) {
    const QList<int> n = numbersOf(text(agent, QStringLiteral("fdAssigned")));
    return {n.begin(), n.end()};
}

// Slot letters a site opens on weekday w (1 = Sunday).
QString lettersOn(const Record& site, int w) {
    return slotLetters(number(site, QStringLiteral("fdAM%1").arg(w)),
                       number(site, QStringLiteral("fdPM%1").arg(w)),
                       number(site, QStringLiteral("fdEV%1").arg(w)));
}

bool closedOn(const Record& site, int day) {
    return numbersOf(text(site, QStringLiteral("fdSClose"))).contains(day);
}

// Day-slot keys ("05A") on which the agent takes no slot.
QSet<QString> offKeys(const Record& agent) {
    const std::pair<const char*, const char*> lists[] = {
        {"fdOffAll", "ABCDEFGH"}, {"fdOffAM", "AB"}, {"fdOffPM1", "CDEF"}, {"fdOffPM2", "GH"}};
    QSet<QString> keys;
    for (const auto& [field, letters] : lists) {
        const QString expanded = ExpandDateRanges(CanonicaliseDateList(text(agent, QLatin1String(field))));
        const QString all = DateListToDayKeys(expanded, QLatin1String(letters));
        for (qsizetype i = 0; i + 3 <= all.size(); i += 3)
            keys.insert(all.mid(i, 3));
    }
    return keys;
}

bool isTeam(const Record& agent) {
    return text(agent, QStringLiteral("fdInitial")).contains(QLatin1Char('+'));
}

// A team fills two places of a duty, so it counts twice.
int places(const Record& agent) {
    return isTeam(agent) ? 2 : 1;
}

int countTeams(const Office& office) {
    return int(std::count_if(office.agents.begin(), office.agents.end(), isTeam));
}

// Sites filled together: a linked pair, or a site on its own.
std::vector<std::vector<const Record*>> siteGroups(const Office& office) {
    std::vector<std::vector<const Record*>> groups;
    std::map<QString, size_t> byLink;
    for (const Record& s : office.sites) {
        const QString link = text(s, QStringLiteral("fdLink"));
        if (!link.isEmpty() && byLink.count(link)) {
            groups[byLink[link]].push_back(&s);
            continue;
        }
        if (!link.isEmpty())
            byLink[link] = groups.size();
        groups.push_back({&s});
    }
    return groups;
}

const QStringList kAgentDateLists{QStringLiteral("fdOffAll"), QStringLiteral("fdOffAM"),
                                  QStringLiteral("fdOffPM1"), QStringLiteral("fdOffPM2")};

struct Example {
    const char* name;
    int agents;
    int teams;
    QStringList links; // link letter of site 1, 2, ... in stored order ("" for none)
};

void PrintTo(const Example& e, std::ostream* os) {
    *os << e.name;
}

const std::vector<Example> kExamples{
    {"OneOffice", 12, 0, {QString()}},
    {"TwoOfficeA", 12, 0, {QString(), QString()}},
    {"TwoOfficeB", 12, 0, {QString(), QString()}},
    {"LinkTeam", 12, 2, {QStringLiteral("A"), QStringLiteral("A")}},
    {"LinkSub", 14, 0, {QStringLiteral("A"), QStringLiteral("A"), QString()}},
    {"LinkSub2", 14, 0, {QStringLiteral("A"), QStringLiteral("A"), QString()}},
};

class ExampleOffice : public ::testing::TestWithParam<Example> {
protected:
    Office office;
    void SetUp() override { office = readOffice(exampleOffice(QLatin1String(GetParam().name))); }

    const Record* site(int n) const {
        for (const Record& s : office.sites) {
            if (number(s, QStringLiteral("fdSNum")) == n)
                return &s;
        }
        return nullptr;
    }
};

} // namespace

TEST_P(ExampleOffice, HoldsTheDescribedSitesAgentsLinksAndTeams) {
    const Example& e = GetParam();
    EXPECT_EQ(office.tables, (QStringList{office::kAgents, office::kSites}));
    ASSERT_EQ(int(office.sites.size()), int(e.links.size()));
    EXPECT_EQ(int(office.agents.size()), e.agents);
    for (size_t i = 0; i < office.sites.size(); ++i)
        EXPECT_EQ(text(office.sites[i], QStringLiteral("fdLink")), e.links[qsizetype(i)])
            << "site record " << i + 1;
    EXPECT_EQ(countTeams(office), e.teams);
}

TEST_P(ExampleOffice, SiteNumbersAreUniqueFromOneToNineInStoredOrder) {
    int previous = 0;
    for (const Record& s : office.sites) {
        const QVariant n = valueOf(s, QStringLiteral("fdSNum"));
        ASSERT_EQ(n.typeId(), QMetaType::LongLong) << text(s, QStringLiteral("fdSName"));
        EXPECT_GE(n.toInt(), 1);
        EXPECT_LE(n.toInt(), 9);
        EXPECT_GT(n.toInt(), previous) << "numbers ascend in stored order, so none repeats";
        previous = n.toInt();
    }
}

TEST_P(ExampleOffice, EveryValueKeepsTheEditorsLimits) {
    // A value is either Null (unused) or written as the editors leave it: no blanks at either end.
    auto checkText = [](const Record& r, const QString& field, int limit, bool required) {
        const QVariant v = valueOf(r, field);
        if (v.isNull()) {
            EXPECT_FALSE(required) << field << " is required";
            return;
        }
        ASSERT_EQ(v.typeId(), QMetaType::QString) << field;
        const QString t = v.toString();
        EXPECT_FALSE(t.isEmpty()) << field << ": an unused field is Null";
        EXPECT_EQ(t, trimBlanks(t)) << field;
        EXPECT_LE(t.size(), limit) << field << " '" << t << "'";
    };
    auto checkNumber = [](const Record& r, const QString& field, int low, int high, bool required) {
        const QVariant v = valueOf(r, field);
        if (v.isNull()) {
            EXPECT_FALSE(required) << field << " is required";
            return;
        }
        ASSERT_EQ(v.typeId(), QMetaType::LongLong) << field;
        EXPECT_GE(v.toLongLong(), low) << field;
        EXPECT_LE(v.toLongLong(), high) << field;
    };
    for (const Record& a : office.agents) {
        SCOPED_TRACE(text(a, QStringLiteral("fdName")));
        checkText(a, QStringLiteral("fdName"), 24, true);
        checkText(a, QStringLiteral("fdInitial"), 4, true);
        checkText(a, QStringLiteral("fdAssigned"), 22, true);
        for (const QString& f : kAgentDateLists)
            checkText(a, f, 43, false);
        checkText(a, QStringLiteral("fdManOn1"), 27, false);
        checkText(a, QStringLiteral("fdManOn2"), 27, false);
        checkNumber(a, QStringLiteral("fdMaxTimes"), 0, 99, false);
        checkNumber(a, QStringLiteral("fdManSite1"), 1, 9, false);
        checkNumber(a, QStringLiteral("fdManSite2"), 1, 9, false);
        // The editors want at least two characters and refuse apostrophes and quotes.
        for (const QString& f : {QStringLiteral("fdName"), QStringLiteral("fdInitial")}) {
            EXPECT_GE(text(a, f).size(), 2) << f;
            EXPECT_FALSE(text(a, f).contains(QLatin1Char('\'')) || text(a, f).contains(QLatin1Char('"')));
        }
    }
    for (const Record& s : office.sites) {
        SCOPED_TRACE(text(s, QStringLiteral("fdSName")));
        checkText(s, QStringLiteral("fdSName"), 14, true);
        checkText(s, QStringLiteral("fdSClose"), 24, false);
        checkText(s, QStringLiteral("fdLink"), 1, false);
        for (int w = 1; w <= 7; ++w) {
            checkNumber(s, QStringLiteral("fdAM%1").arg(w), 0, 2, true);
            checkNumber(s, QStringLiteral("fdPM%1").arg(w), 0, 4, true);
            checkNumber(s, QStringLiteral("fdEV%1").arg(w), 0, 2, true);
        }
        // Site names take letters, digits and blanks; a link is one capital letter.
        for (QChar c : text(s, QStringLiteral("fdSName")))
            EXPECT_TRUE(c.isLetterOrNumber() || c == QLatin1Char(' ')) << QString(c);
        const QString link = text(s, QStringLiteral("fdLink"));
        if (!link.isEmpty()) {
            EXPECT_TRUE(link[0] >= QLatin1Char('A') && link[0] <= QLatin1Char('Z')) << link;
        }
    }
}

TEST_P(ExampleOffice, DateListsPassTheDateCheckAndHoldDaysEveryMonthHas) {
    ScriptedUi ui;
    auto checkList = [&](const Record& r, const QString& field) {
        if (valueOf(r, field).isNull())
            return;
        QString value = valueOf(r, field).toString();
        EXPECT_TRUE(CheckDateList(value, ui)) << field << " '" << value << "'";
        const QList<int> days = numbersOf(value);
        EXPECT_FALSE(days.isEmpty()) << field << " '" << value << "'";
        for (int d : days) {
            EXPECT_GE(d, 1) << field;
            EXPECT_LE(d, 28) << field << " '" << value << "'";
        }
    };
    for (const Record& a : office.agents) {
        SCOPED_TRACE(text(a, QStringLiteral("fdName")));
        for (const QString& f : kAgentDateLists)
            checkList(a, f);
    }
    for (const Record& s : office.sites)
        checkList(s, QStringLiteral("fdSClose"));
    EXPECT_TRUE(ui.messages().empty()) << ui.texts().join(QLatin1Char('\n'));
}

TEST_P(ExampleOffice, SiteListsNameSitesOfTheOffice) {
    for (const Record& a : office.agents) {
        SCOPED_TRACE(text(a, QStringLiteral("fdName")));
        const QSet<int> sites = sitesOf(a);
        EXPECT_FALSE(sites.isEmpty());
        for (int n : sites)
            EXPECT_NE(site(n), nullptr) << "site " << n;
    }
    // Every site can be staffed by someone.
    for (const Record& s : office.sites) {
        const int n = number(s, QStringLiteral("fdSNum"));
        EXPECT_TRUE(std::any_of(office.agents.begin(), office.agents.end(),
                                [&](const Record& a) { return sitesOf(a).contains(n); }))
            << "site " << n;
    }
}

TEST_P(ExampleOffice, ManualListsPassTheManualCheckAndFitTheirSite) {
    ScriptedUi ui;
    QSet<QString> taken; // site number and day-slot key
    for (const Record& a : office.agents) {
        SCOPED_TRACE(text(a, QStringLiteral("fdName")));
        const QSet<QString> off = offKeys(a);
        for (int pair = 1; pair <= 2; ++pair) {
            const QString listField = QStringLiteral("fdManOn%1").arg(pair);
            const QString siteField = QStringLiteral("fdManSite%1").arg(pair);
            EXPECT_EQ(valueOf(a, listField).isNull(), valueOf(a, siteField).isNull())
                << "a manual list comes with its site";
            if (valueOf(a, listField).isNull())
                continue;
            QString list = valueOf(a, listField).toString();
            EXPECT_TRUE(CheckManualList(list, ui)) << list;
            const int n = number(a, siteField);
            const Record* s = site(n);
            ASSERT_NE(s, nullptr) << "site " << n;
            EXPECT_TRUE(sitesOf(a).contains(n)) << "the agent works at site " << n;
            const QString keys = NormaliseManualList(list);
            ASSERT_FALSE(keys.isEmpty());
            for (qsizetype i = 0; i + 3 <= keys.size(); i += 3) {
                const QString key = keys.mid(i, 3);
                const int day = key.left(2).toInt();
                EXPECT_LE(day, 28) << key;
                EXPECT_FALSE(closedOn(*s, day)) << key;
                EXPECT_FALSE(off.contains(key)) << key << " is a day off";
                // The request names a slot the site opens whatever weekday the day falls on.
                for (int w = 1; w <= 7; ++w)
                    EXPECT_TRUE(lettersOn(*s, w).contains(key[2])) << key << " weekday " << w;
                const QString place = QString::number(n) + key;
                EXPECT_FALSE(taken.contains(place)) << key << " asked for twice at site " << n;
                taken.insert(place);
            }
        }
    }
    EXPECT_TRUE(ui.messages().empty()) << ui.texts().join(QLatin1Char('\n'));
}

TEST_P(ExampleOffice, LinkedSitesComeInPairsWithTheSameSlots) {
    for (const auto& group : siteGroups(office)) {
        const QString link = text(*group.front(), QStringLiteral("fdLink"));
        EXPECT_EQ(int(group.size()), link.isEmpty() ? 1 : 2) << "link '" << link << "'";
        for (const Record* s : group) {
            EXPECT_EQ(text(*s, QStringLiteral("fdSClose")), text(*group.front(), QStringLiteral("fdSClose")));
            for (int w = 1; w <= 7; ++w)
                EXPECT_EQ(lettersOn(*s, w), lettersOn(*group.front(), w)) << "weekday " << w;
        }
    }
}

TEST_P(ExampleOffice, EnoughAgentsForEveryDutyOfEveryDay) {
    // For any day of any month (day 1 to 28 on any weekday): each slot letter of each site, or linked
    // pair, has enough agents there who are not off, and the office has enough agents for one duty each.
    const auto groups = siteGroups(office);
    std::vector<QSet<QString>> off;
    for (const Record& a : office.agents)
        off.push_back(offKeys(a));
    for (int day = 1; day <= 28; ++day) {
        for (int w = 1; w <= 7; ++w) {
            int dutiesOfDay = 0;
            QSet<size_t> freeThatDay;
            for (const auto& group : groups) {
                std::map<QChar, int> needed;
                QSet<int> numbers;
                for (const Record* s : group) {
                    numbers.insert(number(*s, QStringLiteral("fdSNum")));
                    if (closedOn(*s, day))
                        continue;
                    for (QChar l : lettersOn(*s, w))
                        needed[l] += 1;
                }
                for (const auto& [letter, count] : needed) {
                    int free = 0;
                    for (size_t i = 0; i < office.agents.size(); ++i) {
                        if (!sitesOf(office.agents[i]).intersects(numbers) ||
                            off[i].contains(dayKey(day, letter)))
                            continue;
                        free += places(office.agents[i]);
                        freeThatDay.insert(i);
                    }
                    EXPECT_GE(free, count) << "slot " << dayKey(day, letter) << " on weekday " << w
                                           << " at site " << *numbers.begin();
                    dutiesOfDay += count;
                }
            }
            int free = 0;
            for (size_t i : freeThatDay)
                free += places(office.agents[i]);
            EXPECT_GE(free, dutiesOfDay) << "day " << day << " on weekday " << w;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, ExampleOffice, ::testing::ValuesIn(kExamples), byName);

// ----- what each example shows ----------------------------------------------------------------------

namespace {

Office example(const char* name) {
    return readOffice(exampleOffice(QLatin1String(name)));
}

int slotsOn(const Record& site, int w) {
    return int(lettersOn(site, w).size());
}

} // namespace

TEST(OneOffice, ThreeDutiesEveryDayAndEachAgentWithDaysOffOfTheirOwn) {
    const Office o = example("OneOffice");
    ASSERT_EQ(o.sites.size(), 1u);
    for (int w = 1; w <= 7; ++w)
        EXPECT_EQ(slotsOn(o.sites[0], w), 3) << "weekday " << w;
    QSet<QString> patterns;
    for (const Record& a : o.agents) {
        QString pattern;
        for (const QString& f : kAgentDateLists)
            pattern += f + QLatin1Char('=') + text(a, f) + QLatin1Char(';');
        EXPECT_FALSE(offKeys(a).isEmpty()) << text(a, QStringLiteral("fdName"));
        patterns.insert(pattern);
    }
    EXPECT_EQ(int(patterns.size()), int(o.agents.size())) << "no two agents share their days off";
}

TEST(TwoOfficeA, EveryAgentMayWorkAtBothOffices) {
    const Office o = example("TwoOfficeA");
    for (const Record& a : o.agents)
        EXPECT_EQ(sitesOf(a), (QSet<int>{1, 2})) << text(a, QStringLiteral("fdName"));
}

TEST(TwoOfficeB, EachAgentWorksAtOneOfficeAndOneIsLimitedToFiveDuties) {
    const Office o = example("TwoOfficeB");
    std::map<int, int> perSite;
    int limitedToFive = 0;
    for (const Record& a : o.agents) {
        const QSet<int> sites = sitesOf(a);
        ASSERT_EQ(sites.size(), 1) << text(a, QStringLiteral("fdName"));
        perSite[*sites.begin()] += 1;
        if (!valueOf(a, QStringLiteral("fdMaxTimes")).isNull() &&
            number(a, QStringLiteral("fdMaxTimes")) == 5)
            ++limitedToFive;
    }
    EXPECT_EQ(perSite.size(), 2u);
    EXPECT_EQ(limitedToFive, 1);
    EXPECT_TRUE(std::any_of(o.sites.begin(), o.sites.end(), [](const Record& s) {
        return !valueOf(s, QStringLiteral("fdSClose")).isNull();
    })) << "the offices close on holidays";
}

TEST(LinkTeam, TwoTeamsWorkAtTheLinkedSite) {
    const Office o = example("LinkTeam");
    for (const Record& a : o.agents) {
        if (isTeam(a)) {
            EXPECT_EQ(sitesOf(a), (QSet<int>{1, 2})) << text(a, QStringLiteral("fdName"));
        }
    }
    // One team asks for a duty by hand: it then covers both places of that slot.
    EXPECT_TRUE(std::any_of(o.agents.begin(), o.agents.end(), [](const Record& a) {
        return isTeam(a) && !valueOf(a, QStringLiteral("fdManOn1")).isNull();
    }));
}

TEST(LinkSub, TheSubdivisionNeedsOneAgentEveryAfternoon) {
    const Office o = example("LinkSub");
    ASSERT_EQ(o.sites.size(), 3u);
    for (int w = 1; w <= 7; ++w)
        EXPECT_EQ(lettersOn(o.sites[2], w), QStringLiteral("C")) << "weekday " << w;
    EXPECT_TRUE(text(o.sites[2], QStringLiteral("fdLink")).isEmpty());
}

TEST(LinkSub2, TheSubdivisionOpensAtWeekendsAndEveryAgentWorksEverywhere) {
    const Office o = example("LinkSub2");
    ASSERT_EQ(o.sites.size(), 3u);
    for (int w = 1; w <= 7; ++w) {
        const bool weekend = w == 1 || w == 7;
        EXPECT_EQ(slotsOn(o.sites[2], w) > 0, weekend) << "weekday " << w;
    }
    for (const Record& a : o.agents)
        EXPECT_EQ(sitesOf(a), (QSet<int>{1, 2, 3})) << text(a, QStringLiteral("fdName"));
}
