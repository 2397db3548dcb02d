#pragma once

#include "generator/MonthTokens.h"
#include "platform/Database.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <memory>
#include <vector>

namespace rp {

// One site as loaded for a generation (positions 1..9 by site number).
struct SiteSlots {
    QString name;
    QString numberText;
    QString link;          // trimmed link letter, or empty
    std::vector<int> open; // slot tokens still to fill, as month token indices, in fill order
    QString manual;        // assignment records from the agents' manual requests
};

// The records produced for one site: manual records first, then generated ones, then "AGT?" ones.
// Keeps, per initials, the days of their records so that the routines look them up quickly.
class SiteResult {
public:
    struct Own {
        int day; // 0 when the record's day is not two digits
        QChar weekday;
    };

    void append(const QString& record);
    void appendRecords(const QString& concatenated); // records of 8 characters each
    const QStringList& records() const { return records_; }

    // The records of one set of initials are kept under a number, so that the routines look them up
    // without searching by text: owner() gives the number of a set of initials (a new one for new initials).
    int owner(const QString& initials);
    // Appends a record whose initials are those of the owner.
    void appendFor(int owner, const QString& record);
    // Days on which the owner has a record, as a set of the month's tokens of those days.
    const TokenSet& takenDays(int owner) const { return owners_[size_t(owner)].taken; }
    const std::vector<Own>& own(int owner) const { return owners_[size_t(owner)].own; }

    void setMonth(const MonthTokens* month) { month_ = month; }

private:
    struct Records {
        TokenSet taken;
        std::vector<Own> own;
    };
    const MonthTokens* month_ = nullptr;
    QStringList records_;
    QHash<QString, int> byInitials_;
    std::vector<Records> owners_;
};

// The working tables of one generation. Agent lists are indexed 0..AgentCount-1 in working order
// (agent position p is index p - 1).
struct GenerationTables {
    explicit GenerationTables(int month, int year) : month(month, year) {}

    MonthTokens month;
    // The office database, opened by the first loader that reads it and shared by the others.
    std::unique_ptr<Database> database;
    Database& office(const QString& path);
    // The agents table, read once a generation and shared by the loaders, at its first record.
    Recordset& agentsTable(const QString& path);
    std::unique_ptr<Recordset> agents;

    std::array<SiteSlots, 10> sites; // index 1..9
    std::vector<int> combined;       // every slot of any site, once, in fill order of the first site

    QStringList initials;
    QStringList assignedSites; // site tokens, e.g. "01S03S"
    QStringList names;
    // Remaining duties; a maximum that is not a number counts by its leading number. The two entries of a
    // team are one agent and share one remaining maximum: maxShare gives, per entry, the entry whose
    // maxCount it uses (itself, or for a team's second entry the first one).
    std::vector<double> maxCount;
    std::vector<int> maxShare;
    std::vector<TokenSet> avail;
    std::vector<TokenSet> availWork;
    std::vector<std::array<int, 10>> manualCount; // [agent][site 1..9]
    // Every token of each day on which the agent has a manual record at any site: days it already works.
    std::vector<TokenSet> manualDays;

    int agentCount() const { return int(initials.size()); }
    void resizeAgents(int n);
    double remaining(int a) const { return maxCount[size_t(maxShare[size_t(a)])]; }
    void setRemaining(int a, double value) { maxCount[size_t(maxShare[size_t(a)])] = value; }
    // Whether the entry holds its own remaining maximum (every entry but a team's second one).
    bool ownsMaximum(int a) const { return maxShare[size_t(a)] == a; }

    // Removes a token, given as text, from a site's open slots / an agent's availability.
    void removeOpen(int site, const QString& token);
    void removeAvail(int agent, const QString& token);
};

// Removes the first occurrence of a month token index from a list.
void removeIndex(std::vector<int>& list, int index);

} // namespace rp
