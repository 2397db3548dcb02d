#include "generator/GenerationTables.h"

#include <algorithm>

namespace rp {

void SiteResult::append(const QString& record) {
    records_ << record;
    const QString initials = record.mid(4, 4);
    const QString dayText = record.left(2);
    Own o{0, record.size() > 3 ? record[3] : QChar()};
    if (dayText.size() == 2 && dayText[0].isDigit() && dayText[1].isDigit())
        o.day = dayText.toInt();
    own_[initials].push_back(o);
    if (month_)
        taken_[initials] |= month_->dayMask(o.day);
}

void SiteResult::appendRecords(const QString& concatenated) {
    for (qsizetype i = 0; i + 8 <= concatenated.size(); i += 8)
        append(concatenated.mid(i, 8));
}

const std::vector<SiteResult::Own>& SiteResult::own(const QString& initials) const {
    const auto it = own_.constFind(initials);
    return it == own_.cend() ? none_ : *it;
}

Database& GenerationTables::office(const QString& path) {
    if (!database)
        database = Database::open(path);
    return *database;
}

void GenerationTables::resizeAgents(int n) {
    initials.resize(n);
    assignedSites.resize(n);
    names.resize(n);
    maxCount.resize(size_t(n));
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
