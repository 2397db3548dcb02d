#pragma once

#include "backup/OfficeCopy.h"

#include <QDateTime>
#include <QString>
#include <functional>

namespace rp {

class Ui;

// Which way the drive chooser is asked for.
enum class TransferMode { Export = -1, Import = 0 };

// The backup folder RPBackup at the root of a drive, and a file in it.
QString BackupFolder(const QString& root);
QString BackupFile(const QString& root, const QString& fileName);

// Export to a drive: writes a consistent copy of the office database into RPBackup at the drive's root
// (created when missing) beside the previous backup, which it replaces only once the copy is complete.
// Shows the success or the failure; returns whether the backup was written. An empty root returns false
// without a message.
bool ExportToDrive(Ui& ui, const QString& office, const QString& root, const CopyRoutines& copies);

// What an import needs besides the drive.
struct ImportTarget {
    QString office;                      // the program's floor.mdb
    QString backupFolder;                // where the replaced office database is kept under a dated name
    QDateTime when;                      // the time of that name
    std::function<void()> beforeReplace; // closes every window that holds the office database
};

// Import from a drive: copies RPBackup/floor.mdb beside the office database, checks that the copy is an
// office database, keeps the replaced one as a dated copy and renames the new one into place. Refuses a
// missing file, the program's own file and a copy that is no office database, leaving the office
// database as it was. Shows the outcome; returns whether the office database was replaced. An empty root
// returns false without a message.
bool ImportFromDrive(Ui& ui, const ImportTarget& target, const QString& root, const CopyRoutines& copies);

} // namespace rp
