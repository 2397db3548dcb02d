#pragma once

#include <QString>

namespace rp {

class Ui;

// The program folder: the executable's folder when it holds floor.mdb (a portable install), otherwise
// the per-user data folder.
QString LocateAppFolder(const QString& executableDir);

// Where the installed resources (settings, help, Examples, Times) are found for an executable.
QString LocateResources(const QString& executableDir);

// Creates the program folder and its sub-folders when missing and copies every resource file it does
// not hold yet. When seedOffice is set (the folder is being created) the office database is seeded from
// the one-site example, so that Generate works at once. Files already there are never overwritten.
// Returns false when the folder cannot be created.
bool PrepareAppFolder(const QString& appFolder, const QString& resourcesDir, bool seedOffice);

// Prepares the program folder at start, after the single-copy check. folderIsNew says the folder did not
// exist before this start. An existing folder whose office database is gone is not given example data
// behind the user's back: the database-access message names the missing file and the program ends
// (throws ProgramEnded).
void PrepareAppFolderAtStart(Ui& ui, const QString& appFolder, const QString& resourcesDir, bool folderIsNew);

} // namespace rp
