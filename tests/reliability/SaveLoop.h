#pragma once

#include <QString>
#include <QStringList>

namespace rp::test {

// What the save loop of the crash-safety test writes: two versions of a personal month file, the custom
// display settings record, tune.dat, a saved schedule (calendar and report) and an exported backup of the
// office database, each through the program's own writer. The versions differ in content and length.

// The files, relative to the loop's folder.
QStringList SaveLoopFiles();
// Makes the two office databases whose backups the loop exports (office0/floor.mdb, office1/floor.mdb).
void PrepareSaveLoop(const QString& folder);
// Writes every file of the loop in the given version (0 or 1), one after the other.
void SaveVersion(const QString& folder, int version);

} // namespace rp::test
