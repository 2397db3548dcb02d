#pragma once

#include "generator/GenerationTables.h"

namespace rp {

struct Program;

// Loads every site's open slots of the month from the Sites table, in fill order, with the site names,
// numbers and links, and the combined slot list of all sites. Returns false when the database or its
// Sites table could not be read at all (the message has been shown); a damaged record ends the loading
// with a message and keeps the sites loaded before it.
bool LoadSites(Program& program, GenerationTables& tables);

// The weekly pattern of a site ("A1G1H1A2..."): letter and weekday pairs of its slots.
QString WeeklyPattern(const std::array<std::array<qint64, 8>, 3>& counts);
// Reorders a site's tokens into fill order: Sunday A..H, Saturday A..H, then G and H, D, E, F, A, B, C
// on Monday to Friday; date order inside each group.
void SortIntoFillOrder(std::vector<int>& open, const MonthTokens& month);

} // namespace rp
