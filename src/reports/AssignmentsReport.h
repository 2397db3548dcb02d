#pragma once

#include <QString>
#include <QStringList>

namespace rp {

// The assignments-by-agent report of the shown site: one line per agent with the duties the agent holds
// there, each followed by an empty line.

// Builds the report from the agent lists of the schedule (same index in each list). An agent whose
// summary is shorter than two characters is left out; a team (initials holding "+"), whose entry occurs
// more than once in the lists, is listed once, at its first position.
QString BuildAssignmentsReport(const QStringList& initials, const QStringList& names,
                               const QStringList& summaries);

} // namespace rp
