#pragma once

#include "generator/GenerationTables.h"

namespace rp {

struct Program;

// Builds each site's manual list from the agents' manual requests (fdManOn1/fdManSite1 and
// fdManOn2/fdManSite2), walking the agents table in stored order. Database failures are thrown.
void BuildManualLists(Program& program, GenerationTables& tables);

// Takes the manual slots out of the sites' open slots and out of the agents' availability, counts each
// agent's manual records per site (matched by initials), lowers each agent's remaining maximum by all of
// them and notes the days of its manual records.
void DoManualBookkeeping(GenerationTables& tables);

// At the start of filling a linked site: when the partner has been filled already, its team records
// cover both positions of their slots; otherwise teams and manual records of both sites take their
// days from the agents concerned.
void AdjustForLinkAndTeams(Program& program, GenerationTables& tables, int site);

} // namespace rp
