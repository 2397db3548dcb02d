#pragma once

#include <QString>
#include <QStringList>

namespace rp {

class Ui;

// The request fields that hold day numbers of one month and are cleared when another month is chosen.
QStringList AgentRequestFields(); // fdOffAll, fdOffAM, fdOffPM1, fdOffPM2, fdManOn1, fdManOn2
QString SiteRequestField();       // fdSClose

// Clears the requests of the month past in the office database: every agent's days off and manual slots
// and every site's closed days become a single blank, which reads as empty. Sites to work, the manual
// sites and the duty limit stay. Returns whether every record was cleared.
//
// A database that cannot be accessed shows the shared message and ends the program (throws
// ProgramEnded); any other failure shows its description and number titled "RPRtnsMsbrErase" and stops
// where it is (records already written stay written).
bool RPRtnsMsbrErase(Ui& ui, const QString& databasePath);

} // namespace rp
