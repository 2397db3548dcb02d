#pragma once

#include <QString>
#include <optional>

namespace rp {

struct Program;

// The gap-filling pass: after a month is generated, gives "AGT?" slots to agents along augmenting paths
// over the hard rules, moving only duties the assignment routines made (never a manual request), so that
// no slot ends up unfilled that could be filled without breaking a rule. Linked pairs of sites and teams
// are left as they are. It is off unless settings/FillGaps.dat says "1".

QString FillGapsFilePath(const QString& appFolder);
// Whether the pass is switched on; a missing file means off.
bool ReadFillGaps(const QString& appFolder);
void WriteFillGaps(const QString& appFolder, bool on);

// Runs the pass over the calendar files of the generation just made (month and year of its files),
// rewrites the calendars it changed and adds the number filled to the rules text. Returns that number.
// File failures are thrown as Error.
int FillGaps(Program& program, int month, int year);

// What the rules text says about the pass: " Gaps filled: 3.", and the number read back from a rules
// text (nothing when the pass did not run).
QString GapsFilledNote(int filled);
std::optional<int> GapsFilledIn(const QString& rulesText);

} // namespace rp
