#pragma once

#include "generator/GenerationTables.h"

namespace rp {

struct Program;

// Fills one site by automatic fine tuning: passes of one slot per agent, each agent's duties spread
// over the month (other days of the week, the same weekday, two days either side), the spreading relaxed
// step by step for an agent who would otherwise get nothing. At most one slot a day per agent is a fixed
// rule. Returns the site's records: manual ones, generated ones, then "AGT?" for what stays open.
SiteResult FillSiteAutomatic(Program& program, GenerationTables& tables, int site);

} // namespace rp
