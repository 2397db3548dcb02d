#include "backup/TransferErrors.h"

#include <cerrno>
#include <cstring>
#include <sqlite3.h>

namespace rp {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

int numberOfErrno(int e) {
    switch (e) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return kDiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
        return err::PermissionDenied;
    case ENOENT:
        return err::FileNotFound;
    case ENOTDIR:
        return err::PathNotFound;
    case ENAMETOOLONG:
    case EINVAL:
        return err::BadFileName;
    case EIO:
        return 57;
    case EEXIST:
        return 58;
    case EMFILE:
    case ENFILE:
        return 67;
    case ENXIO:
    case ENODEV:
    case ESTALE:
    case ENOTCONN:
        return 68;
    case ENOMEDIUM:
        return 71;
    case EXDEV:
        return 74;
    default:
        return err::PathFileAccess;
    }
}

} // namespace

Error systemError(int errnoValue) {
    return {numberOfErrno(errnoValue), QString::fromLocal8Bit(std::strerror(errnoValue))};
}

Error sqliteError(const SqliteFailure& f) {
    const int primary = f.code & 0xff;
    const bool fromSystem = primary == SQLITE_IOERR || primary == SQLITE_FULL || primary == SQLITE_CANTOPEN ||
                            primary == SQLITE_READONLY || primary == SQLITE_PERM;
    if (fromSystem && f.systemErrno != 0)
        return systemError(f.systemErrno);
    switch (primary) {
    case SQLITE_FULL:
        return {kDiskFull, f.message};
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return {err::PermissionDenied, f.message};
    case SQLITE_IOERR:
        return {57, f.message};
    case SQLITE_CANTOPEN:
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return {err::PathFileAccess, f.message};
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return {err::UnrecognizedFormat, f.message};
    default:
        return {err::DatabaseEngine, f.message};
    }
}

QString fileErrorText(int number) {
    const QString cr = QStringLiteral("\r");
    switch (number) {
    case 52:
        return QStringLiteral("Bad File Name or Number.") + cr;
    case 53:
        return QStringLiteral("File Not Found.") + cr;
    case 54:
        return QStringLiteral("Bad File Mode.") + cr;
    case 55:
        return QStringLiteral("File Already Open.") + cr;
    case 57:
        return QStringLiteral("Device I/O Error.") + cr;
    case 58:
        return QStringLiteral("File already exits.") + cr;
    case 59:
        return QStringLiteral("Bad Record Length.") + cr;
    case 61:
        return QStringLiteral("Diskette is Full");
    case 62:
        return QStringLiteral("Input past end of File.") + cr;
    case 63:
        return QStringLiteral("Bad Record Number.") + cr;
    case 67:
        return QStringLiteral("Too Many Files.") + cr;
    case 68:
        return QStringLiteral("Device Unavailable - Insert Diskette") + cr + QStringLiteral("and Try Again.");
    case 70:
        return QStringLiteral("Permission Denied - Check That Disk") + cr +
               QStringLiteral("is not write Protected.") + cr +
               QStringLiteral("Check that file on disk is not read only.");
    case 71:
        return QStringLiteral("Disk Not Ready.") + cr;
    case 74:
        return QStringLiteral("Can't Rename with a different drive.") + cr;
    case 75:
        return QStringLiteral("Path/File Access Error.") + cr;
    case 76:
        return QStringLiteral("Path Not Found.") + cr;
    default:
        return QStringLiteral("Unknown Error.") + cr;
    }
}

TransferMessage exportErrorMessage(const Error& e, const QString& backupFile) {
    const QString head =
        QStringLiteral("Error: %1.").arg(e.number) + kCrLf + e.description + QLatin1Char('.') + kCrLf;
    const int n = e.number;
    if (n == err::PermissionDenied || n == err::PathFileAccess) {
        return {head + QStringLiteral("Permission to write to this disk denied. Disk or existing file ") +
                    kCrLf + QStringLiteral("[ ") + backupFile +
                    QStringLiteral(" ] may be Read Only, or you ") + kCrLf +
                    QStringLiteral("may not have write privileges to write to this directory.") + kCrLf +
                    kCrLf + QStringLiteral("If this is a CD drive, files may only be copied to a CD ") +
                    kCrLf + QStringLiteral("using CD Write software."),
                QStringLiteral("Export Error")};
    }
    if (n == 71)
        return {head + QStringLiteral("Check that disk is inserted in drive."), QStringLiteral("Disk Error")};
    if (n == kDiskFull)
        return {QStringLiteral("Disk Full"), QStringLiteral("Disk Error")};
    if ((n >= 52 && n <= 69) || (n >= 72 && n <= 74) || n == 76)
        return {fileErrorText(n), QStringLiteral("Error")};
    return {QStringLiteral("Error: %1 - %2").arg(n).arg(e.description), QStringLiteral("Export Error")};
}

TransferMessage importErrorMessage(const Error& e, const QString& source, const QString& fileName) {
    const int n = e.number;
    if (n == err::FileNotFound)
        return {QStringLiteral("File not found: ") + source,
                QStringLiteral("Import of '") + fileName + QStringLiteral("' Cancelled")};
    if (n == kDiskFull)
        return {QStringLiteral("Unable to write imported data to disk. Disk Full"),
                QStringLiteral("Disk Error")};
    if (n == err::PermissionDenied)
        return {QStringLiteral("Unable to save imported data to disk. Disk or existing file [") + fileName +
                    QStringLiteral("] may be Read Only."),
                QStringLiteral("Disk Error")};
    if (n == err::PathFileAccess)
        return {QStringLiteral("Unable to save imported data to disk. Read Only file [") + fileName +
                    QStringLiteral("] already exists. Unable to overwrite."),
                QStringLiteral("Import Error")};
    if (n >= 52 && n <= 76)
        return {fileErrorText(n), QStringLiteral("Error")};
    return {QStringLiteral("Error: %1 - %2").arg(n).arg(e.description), QStringLiteral("Import Error")};
}

} // namespace rp
