#include "generator/GenerationTables.h"

#include <algorithm>

namespace rp {

int SiteResult::owner(const QString& initials) {
    const auto it = byInitials_.constFind(initials);
    if (it != byInitials_.cend())
        return *it;
    owners_.emplace_back().own.reserve(8); // a few records an owner: no regrowing one by one
    return byInitials_[initials] = int(owners_.size() - 1);
}

void SiteResult::append(const QString& record) {
    appendFor(owner(record.mid(4, 4)), record);
}

void SiteResult::appendFor(int owner, const QString& record) {
    records_ << record;
    Own o{0, record.size() > 3 ? record[3] : QChar()};
    const auto ascii = [&](int i) { return record.size() > i && record[i] >= u'0' && record[i] <= u'9'; };
    if (ascii(0) && ascii(1))
        o.day = (record[0].unicode() - '0') * 10 + (record[1].unicode() - '0');
    Records& mine = owners_[size_t(owner)];
    mine.own.push_back(o);
    if (month_)
        mine.taken |= month_->dayMask(o.day);
}

void SiteResult::appendRecords(const QString& concatenated) {
    for (qsizetype i = 0; i + 8 <= concatenated.size(); i += 8)
        append(concatenated.mid(i, 8));
}

Database& GenerationTables::office(const QString& path) {
    if (!database)
        database = Database::open(path);
    return *database;
}

Recordset& GenerationTables::agentsTable(const QString& path) {
    if (!agents)
        agents = office(path).openTable(QStringLiteral("agents"));
    else if (agents->recordCount() > 0)
        agents->moveFirst();
    return *agents;
}

void GenerationTables::resizeAgents(int n) {
    initials.resize(n);
    assignedSites.resize(n);
    names.resize(n);
    maxCount.resize(size_t(n));
    // A new entry has a maximum of its own until the loader ties a team's second entry to the first.
    for (size_t k = maxShare.size(); k < size_t(n); ++k)
        maxShare.push_back(int(k));
    maxShare.resize(size_t(n));
    avail.resize(size_t(n));
    availWork.resize(size_t(n));
    manualCount.resize(size_t(n));
    manualDays.resize(size_t(n));
}

void removeIndex(std::vector<int>& list, int index) {
    const auto it = std::find(list.begin(), list.end(), index);
    if (it != list.end())
        list.erase(it);
}

void GenerationTables::removeOpen(int site, const QString& token) {
    const int i = month.indexOf(token);
    if (i >= 0)
        removeIndex(sites[size_t(site)].open, i);
}

void GenerationTables::removeAvail(int agent, const QString& token) {
    const int i = month.indexOf(token);
    if (i >= 0)
        avail[size_t(agent)].reset(size_t(i));
}

} // namespace rp
