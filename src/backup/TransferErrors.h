#pragma once

#include "platform/Database.h"
#include "platform/Error.h"
#include "platform/Ui.h"

#include <QString>

namespace rp {

// A full disk has a number of its own, apart from the file-error numbers, so that its message says
// "Disk Full" whatever kind of drive it is.
inline constexpr int kDiskFull = -2147024784;

// A failed system call as the program's error: the number the transfer messages are chosen by, with the
// system's own description.
Error systemError(int errnoValue);
// A failed SQLite call as the program's error: the system error behind it when there is one, else the
// number of its kind (full disk, permission, I/O, not a database).
Error sqliteError(const SqliteFailure& failure);

// A message of the export and import commands.
struct TransferMessage {
    QString text;
    QString title;
    Icon icon = Icon::Warning;
};

// The file-error text of an error number (title "Error").
QString fileErrorText(int number);
// The message of a failed export; backupFile is the file being written.
TransferMessage exportErrorMessage(const Error& e, const QString& backupFile);
// The message of a failed import from source, whose name is fileName.
TransferMessage importErrorMessage(const Error& e, const QString& source, const QString& fileName);

} // namespace rp
