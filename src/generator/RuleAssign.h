#pragma once

#include "generator/GenerationTables.h"
#include "model/EngineSettings.h"

namespace rp {

struct Program;

// Fills one site under the user's rules (as read from tune.dat: days before and after, once a day, once a
// week, once on any same weekday) with their sweep method "1" or "2". Rules are hard: what nobody may take
// becomes "AGT?". Returns the site's records: manual ones, generated ones, then "AGT?" ones.
SiteResult FillSiteByRules(Program& program, GenerationTables& tables, int site, const TuneSettings& rules);

} // namespace rp
