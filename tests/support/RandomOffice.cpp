#include "RandomOffice.h"

#include "OfficeData.h"

#include <QDate>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>

namespace rp::test {

namespace {

QString listOf(const QSet<int>& days) {
    QList<int> sorted = days.values();
    std::sort(sorted.begin(), sorted.end());
    QStringList parts;
    for (int d : sorted)
        parts << QString::number(d);
    return parts.join(QLatin1Char(' '));
}

std::optional<QString> optionalList(const QSet<int>& days) {
    return days.isEmpty() ? std::nullopt : std::optional<QString>(listOf(days));
}

QSet<int> siteSet(Dice& dice, int siteCount) {
    QSet<int> sites;
    for (int s = 1; s <= siteCount; ++s) {
        if (dice.chance(60))
            sites.insert(s);
    }
    if (sites.isEmpty())
        sites.insert(1 + dice(siteCount));
    return sites;
}

QSet<int> someDays(Dice& dice, int percent, int most, int days) {
    QSet<int> out;
    if (!dice.chance(percent))
        return out;
    for (int k = 1 + dice(most); k > 0; --k)
        out.insert(1 + dice(days));
    return out;
}

void store(OfficeRun& run, const RandomOffice& office, const std::vector<QString>& names) {
    for (const RandomSite& s : office.sites) {
        SiteSetup setup;
        setup.number = s.number;
        setup.name = QStringLiteral("Site %1").arg(s.number);
        setup.am = s.am;
        setup.pm = s.pm;
        setup.ev = s.ev;
        setup.close = optionalList(s.closed);
        if (!s.link.isEmpty())
            setup.link = s.link;
        run.addSite(setup);
    }
    for (size_t i = 0; i < office.agents.size(); ++i) {
        const RandomAgent& a = office.agents[i];
        AgentSetup setup;
        setup.name = QStringLiteral("Agent %1").arg(i + 1);
        setup.initials = names[i];
        setup.assigned = listOf(a.sites);
        setup.maxTimes = a.maximum;
        setup.offAll = optionalList(a.offAll);
        setup.offAM = optionalList(a.offAM);
        setup.offPM1 = optionalList(a.offPM1);
        setup.offPM2 = optionalList(a.offPM2);
        // The requests are split over the two lists in order, each list naming one site.
        std::vector<std::pair<QStringList, int>> lists;
        for (const RandomRequest& r : a.requests) {
            if (lists.empty() || lists.back().second != r.site)
                lists.push_back({{}, r.site});
            lists.back().first << QString::number(r.day) + QLatin1Char(r.letter);
        }
        if (!lists.empty()) {
            setup.manOn1 = lists[0].first.join(QLatin1Char(' '));
            setup.manSite1 = lists[0].second;
        }
        if (lists.size() > 1) {
            setup.manOn2 = lists[1].first.join(QLatin1Char(' '));
            setup.manSite2 = lists[1].second;
        }
        run.addAgent(setup);
    }
}

// The office the manual-request property has always drawn: the same draws in the same order.
RandomOffice classic(Dice& dice, std::vector<QString>& names) {
    RandomOffice office;
    const int siteCount = 1 + dice(4);
    const bool linked = siteCount >= 2 && dice.chance(30);
    for (int s = 1; s <= siteCount; ++s) {
        RandomSite site;
        site.number = s;
        for (size_t w = 0; w < 7; ++w) {
            site.am[w] = dice(3);
            site.pm[w] = dice(3);
            site.ev[w] = dice(2);
        }
        if (linked && s <= 2) {
            site.link = QStringLiteral("A");
            site.am[0] = std::max(site.am[0], 1); // a linked site always has slots, so the pair is complete
        } else if (dice.chance(30)) {
            site.closed.insert(1 + dice(31));
        }
        office.sites.push_back(site);
    }
    const int agents = 1 + dice(8);
    for (int i = 0; i < agents; ++i) {
        RandomAgent a;
        QString initials = QChar(u'A' + i);
        a.team = dice.chance(15);
        if (a.team)
            initials += QLatin1Char('+') + QChar(u'K' + dice(4));
        else if (dice.chance(50))
            initials += QChar(u'K' + dice(4));
        names.push_back(initials);
        a.initials = initials.leftJustified(4, QLatin1Char('_'));
        a.sites = siteSet(dice, siteCount);
        if (dice.chance(80))
            a.maximum = dice(7);
        if (dice.chance(30))
            a.offAll.insert(1 + dice(31));
        QSet<int> days;
        for (int list = 0; list < 2; ++list) {
            if (!dice.chance(50))
                continue;
            std::vector<RandomRequest> drawn;
            for (int k = 1 + dice(3); k > 0; --k) {
                const int day = 1 + dice(28);
                if (days.contains(day))
                    continue;
                const char letter = char('A' + dice(8));
                days.insert(day);
                drawn.push_back({day, letter, 0});
            }
            const int site = 1 + dice(siteCount);
            for (RandomRequest& r : drawn) {
                r.site = site;
                a.requests.push_back(r);
            }
        }
        office.agents.push_back(a);
    }
    return office;
}

RandomOffice varied(Dice& dice, std::vector<QString>& names) {
    RandomOffice office;
    office.month = 1 + dice(12);
    office.year = 2020 + dice(12);
    const int days = office.days();
    const int siteCount = 1 + dice(5);
    const bool linked = siteCount >= 2 && dice.chance(50);
    for (int s = 1; s <= siteCount; ++s) {
        RandomSite site;
        site.number = s;
        for (size_t w = 0; w < 7; ++w) {
            // Now and then a count outside its range, which opens nothing.
            site.am[w] = dice.chance(5) ? 3 + dice(3) : dice(3);
            site.pm[w] = dice.chance(5) ? 5 + dice(3) : dice(5);
            site.ev[w] = dice.chance(5) ? -1 : dice(3);
        }
        if (linked && s <= 2) {
            site.link = QStringLiteral("L");
            site.am[0] = std::max(site.am[0], 1);
            site.am[6] = std::max(site.am[6], 1);
        }
        site.closed = someDays(dice, 40, 4, days);
        office.sites.push_back(site);
    }
    const int agents = 1 + dice(10);
    for (int i = 0; i < agents; ++i) {
        RandomAgent a;
        QString initials = QChar(u'A' + i);
        a.team = dice.chance(25);
        if (a.team)
            initials += QLatin1Char('+') + QChar(u'K' + dice(4));
        else if (dice.chance(50))
            initials += QChar(u'K' + dice(4));
        names.push_back(initials);
        a.initials = initials.leftJustified(4, QLatin1Char('_'));
        a.sites = siteSet(dice, siteCount);
        if (dice.chance(80))
            a.maximum = dice(12);
        a.offAll = someDays(dice, 30, 3, days);
        a.offAM = someDays(dice, 30, 3, days);
        a.offPM1 = someDays(dice, 30, 3, days);
        a.offPM2 = someDays(dice, 30, 3, days);
        QSet<int> taken;
        for (int list = 0; list < 2; ++list) {
            if (!dice.chance(50))
                continue;
            const int site = 1 + dice(siteCount);
            for (int k = 1 + dice(3); k > 0; --k) {
                const int day = 1 + dice(31); // days past the month's end are not placed
                if (taken.contains(day))
                    continue;
                taken.insert(day);
                a.requests.push_back({day, char('A' + dice(8)), site});
            }
        }
        office.agents.push_back(a);
    }
    return office;
}

} // namespace

bool RandomAgent::isOff(int day, QChar letter) const {
    if (offAll.contains(day))
        return true;
    if (letter == QLatin1Char('A') || letter == QLatin1Char('B'))
        return offAM.contains(day);
    if (letter >= QLatin1Char('C') && letter <= QLatin1Char('F'))
        return offPM1.contains(day);
    return offPM2.contains(day);
}

QString RandomSite::letters(int weekday) const {
    const size_t w = size_t(weekday - 1);
    return slotLetters(am[w], pm[w], ev[w]);
}

int RandomOffice::days() const {
    return QDate(year, month, 1).daysInMonth();
}

QString RandomOffice::token(int day, char letter) const {
    return tokenOf(year, month, day, letter);
}

bool RandomOffice::placed(const RandomRequest& r) const {
    return r.day >= 1 && r.day <= days() && site(r.site) != nullptr;
}

int RandomOffice::entries() const {
    int n = 0;
    for (const RandomAgent& a : agents)
        n += a.team ? 2 : 1;
    return n;
}

const RandomSite* RandomOffice::site(int number) const {
    for (const RandomSite& s : sites) {
        if (s.number == number)
            return &s;
    }
    return nullptr;
}

bool RandomOffice::hasLinks() const {
    return std::any_of(sites.begin(), sites.end(), [](const RandomSite& s) { return !s.link.isEmpty(); });
}

bool RandomOffice::hasTeams() const {
    return std::any_of(agents.begin(), agents.end(), [](const RandomAgent& a) { return a.team; });
}

std::unique_ptr<OfficeRun> officeRunInMemory(int month, int year) {
    const QByteArray saved = qgetenv("TMPDIR");
    const bool wasSet = qEnvironmentVariableIsSet("TMPDIR");
    if (QFileInfo(QStringLiteral("/dev/shm")).isWritable())
        qputenv("TMPDIR", "/dev/shm");
    auto run = std::make_unique<OfficeRun>(month, year);
    if (wasSet)
        qputenv("TMPDIR", saved);
    else
        qunsetenv("TMPDIR");
    return run;
}

RandomOffice makeRandomOffice(Dice& dice, OfficeRun& run, RandomShape shape) {
    run.execute(QStringLiteral("DELETE FROM Agents; DELETE FROM Sites;"));
    std::vector<QString> names;
    const RandomOffice office = shape == RandomShape::Classic ? classic(dice, names) : varied(dice, names);
    store(run, office, names);
    WriteMonthFile(run.program.paths.MonthFilePath,
                   MonthSetting{int16_t(office.month), int16_t(office.year)});
    run.program.schedule.SchedMonth = QString::number(office.month);
    run.program.schedule.SchedYear = QString::number(office.year);
    return office;
}

TuneSettings randomRules(Dice& dice) {
    TuneSettings t;
    t.daysAfter = int16_t(dice(3));
    t.daysBefore = int16_t(dice(3));
    t.onceDay = int16_t(dice.chance(50) ? 1 : dice(2) - 1);
    t.onceWeek = int16_t(dice.chance(20));
    t.onceWeekday = int16_t(dice.chance(20));
    t.method1 = dice.chance(50) ? -1 : 0;
    t.method2 = t.method1 == -1 ? 0 : -1;
    return t;
}

TuneSettings useRandomMethod(OfficeRun& run, Dice& dice, bool automatic) {
    if (automatic) {
        run.useAutomatic();
        return {};
    }
    const TuneSettings rules = randomRules(dice);
    run.useRules(rules);
    return rules;
}

} // namespace rp::test
