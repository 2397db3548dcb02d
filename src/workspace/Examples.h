#pragma once

#include "backup/OfficeCopy.h"

#include <QString>
#include <array>
#include <optional>

namespace rp {

// One example office that comes with the program: its list entry, its file in the Examples folder and
// what it shows.
struct ExampleSetup {
    const char* entry;
    const char* file;
    const char* description;
};

extern const std::array<ExampleSetup, 6> kExampleSetups;

// The shipped example file.
QString ExampleFilePath(const QString& appFolder, const ExampleSetup& example);
// The folder of the working copies: an example runs on a copy, so that nothing is written into the
// shipped file.
QString ExampleCopiesFolder(const QString& appFolder);

// Makes a fresh, writable working copy of an example and returns its path; nothing when the example file
// is missing or is no office database. A copy made before stays until the new one is complete.
// Throws Error when the copy cannot be written.
std::optional<QString> MakeExampleCopy(const QString& appFolder, const ExampleSetup& example,
                                       const CopyRoutines& copies);
// Makes an example's working copy the office database, keeping the replaced office under its dated name
// in the backup folder first. Nothing when done; otherwise the message that names the file that failed,
// with the office database and the backup folder left as they were. An office marked read-only is not
// replaced.
std::optional<QString> MakeExampleTheOffice(const QString& example, const QString& office,
                                            const QString& backupFolder, const QDateTime& when,
                                            const CopyRoutines& copies);
// Deletes the working copies.
void RemoveExampleCopies(const QString& appFolder);

} // namespace rp
