#pragma once

#include "generator/GenerationTables.h"

#include <functional>
#include <optional>

namespace rp {

struct Program;

enum class AgentLoad { Loaded, TooMany };

// Loads the agents with their initials, allowed sites, names, maxima and availability (every slot of the
// combined list not among their days off); teams (initials with "+") get a second entry at the end,
// which shares the first entry's remaining maximum.
// More than 99 records stop with the "TOO MANY AGENTS" message; more than 99 entries with the team copies
// throw error 9. Database failures other than 3051 are thrown for the caller to report.
AgentLoad LoadAgents(Program& program, GenerationTables& tables);

// The number of agent entries a generation would make (records plus team copies); nothing when the
// database or its agents table cannot be read.
std::optional<int> CountAgentEntries(const QString& databasePath);

// Rebuilds the agent lists in the order g, g+1, ..., n, 1, ..., g-1 (g from 1 to n).
void RotateAgents(GenerationTables& tables, int g);

// The start position of the rotation for n agents: 1 to n, drawn uniformly.
using RotationSource = std::function<int(int agentCount)>;
RotationSource randomRotation();

} // namespace rp
