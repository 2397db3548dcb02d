#pragma once

#include <array>
#include <vector>

namespace rp {

struct DutyRules;
struct GeneratedMonth;

// A duty of the month that may change hands: a generated one or an unfilled "AGT?".
struct MatchPlace {
    int day = 0;                 // 1..31
    std::vector<int> candidates; // the agents that may hold it under the hard rules, ascending
    int holder = -1;             // the agent holding it, -1 for nobody ("AGT?")
    int calendar = 0;            // where it is written: index into GeneratedMonth::calendars
    int record = 0;              // and index of its record there
};

struct MatchAgent {
    int capacity = 0;               // places it may hold at most
    std::array<bool, 32> dayOpen{}; // days 1..31 on which it may hold one place
};

struct DutyPlaces {
    std::vector<MatchPlace> places;
    std::vector<MatchAgent> agents; // parallel to DutyRules::agents
    int held() const;
};

// Which records may change hands. For the schedule check every generated record may, and an agent may take
// an "AGT?" of a linked pair when it is allowed at either site. The gap-filling pass leaves linked pairs
// and teams as they are.
enum class MatchScope { Check, GapFilling };

// The places of a generated month under the hard rules: an agent holds a place only at a site it is
// allowed at, on a slot that is not among its days off, within its maximum (its manual records counted)
// and on a day it holds nothing else. Manual records never move, and neither does a day on which an agent
// already holds more than one record (the rules may have allowed that).
DutyPlaces BuildDutyPlaces(const DutyRules& rules, const GeneratedMonth& month, MatchScope scope);

// Gives as many places a holder as the agents' capacities allow, by shortest augmenting paths from the
// current holders: a place that has a holder keeps one, perhaps another; an agent holds at most its
// capacity and one place a day. Returns the holder of each place.
std::vector<int> MaximiseHolders(const DutyPlaces& model);

} // namespace rp
