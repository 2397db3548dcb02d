#pragma once

#include <QString>

namespace rp {

// The program folder: the executable's folder when it holds floor.mdb (a portable install), otherwise
// the per-user data folder.
QString LocateAppFolder(const QString& executableDir);

// Where the installed resources (settings, help, Examples, Times) are found for an executable.
QString LocateResources(const QString& executableDir);

// Creates the program folder and its sub-folders when missing and copies every resource file it does
// not hold yet; an office database is seeded from the one-site example so that Generate works at once.
// Files already there are never overwritten. Returns false when the folder cannot be created.
bool PrepareAppFolder(const QString& appFolder, const QString& resourcesDir);

} // namespace rp
