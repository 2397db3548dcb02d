// The error numbers of failed system and SQLite calls, and the exact messages of export and import.
#include "backup/TransferErrors.h"

#include "Printers.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace rp;
using namespace rp::test;

TEST(TransferErrors, SystemAndSqliteFailuresGetTheProgramsNumbers) {
    const std::pair<int, int> system[] = {
        {ENOSPC, kDiskFull}, {EDQUOT, kDiskFull}, {EROFS, 70},  {EACCES, 70}, {ENOENT, 53},
        {ENOTDIR, 76},       {EIO, 57},           {ENODEV, 68}, {ENXIO, 68},  {ENOMEDIUM, 71},
        {EEXIST, 58},        {EMFILE, 67},        {EXDEV, 74},  {EBUSY, 75}};
    for (const auto& [errnoValue, number] : system)
        EXPECT_EQ(systemError(errnoValue).number, number) << errnoValue;
    EXPECT_EQ(systemError(EROFS).description, QStringLiteral("Read-only file system"));

    const std::pair<SqliteFailure, int> sqlite[] = {
        {{SQLITE_FULL, 0, {}}, kDiskFull},   {{SQLITE_IOERR_WRITE, ENOSPC, {}}, kDiskFull},
        {{SQLITE_IOERR_READ, EIO, {}}, 57},  {{SQLITE_IOERR_READ, 0, {}}, 57},
        {{SQLITE_CANTOPEN, ENOENT, {}}, 53}, {{SQLITE_READONLY, 0, {}}, 70},
        {{SQLITE_NOTADB, ENOENT, {}}, 3343}, {{SQLITE_CORRUPT, 0, {}}, 3343},
        {{SQLITE_ERROR, 0, {}}, 3146}};
    for (const auto& [failure, number] : sqlite)
        EXPECT_EQ(sqliteError(failure).number, number) << failure.code;
}

TEST(TransferErrors, FileErrorTexts) {
    const std::pair<int, const char*> rows[] = {{52, "Bad File Name or Number.\r"},
                                                {53, "File Not Found.\r"},
                                                {54, "Bad File Mode.\r"},
                                                {55, "File Already Open.\r"},
                                                {57, "Device I/O Error.\r"},
                                                {58, "File already exits.\r"},
                                                {59, "Bad Record Length.\r"},
                                                {61, "Diskette is Full"},
                                                {62, "Input past end of File.\r"},
                                                {63, "Bad Record Number.\r"},
                                                {67, "Too Many Files.\r"},
                                                {68, "Device Unavailable - Insert Diskette\rand Try Again."},
                                                {70, "Permission Denied - Check That Disk\ris not write "
                                                     "Protected.\rCheck that file on disk is not read only."},
                                                {71, "Disk Not Ready.\r"},
                                                {74, "Can't Rename with a different drive.\r"},
                                                {75, "Path/File Access Error.\r"},
                                                {76, "Path Not Found.\r"},
                                                {60, "Unknown Error.\r"}};
    for (const auto& [number, text] : rows)
        EXPECT_EQ(fileErrorText(number), QLatin1String(text)) << number;
}

struct MessageCase {
    int number;
    const char* text;
    const char* title;
};

TEST(TransferErrors, ExportMessages) {
    const QString file = QStringLiteral("/media/usb/RPBackup/floor.mdb");
    const MessageCase rows[] = {
        {70,
         "Error: 70.\r\nRead-only file system.\r\nPermission to write to this disk denied. Disk or existing "
         "file \r\n"
         "[ /media/usb/RPBackup/floor.mdb ] may be Read Only, or you \r\nmay not have write privileges to "
         "write to "
         "this directory.\r\n\r\nIf this is a CD drive, files may only be copied to a CD \r\nusing CD Write "
         "software.",
         "Export Error"},
        {71, "Error: 71.\r\nRead-only file system.\r\nCheck that disk is inserted in drive.", "Disk Error"},
        {kDiskFull, "Disk Full", "Disk Error"},
        {61, "Diskette is Full", "Error"},
        {68, "Device Unavailable - Insert Diskette\rand Try Again.", "Error"},
        {76, "Path Not Found.\r", "Error"},
        {3146, "Error: 3146 - Read-only file system", "Export Error"}};
    for (const MessageCase& c : rows) {
        const TransferMessage m =
            exportErrorMessage({c.number, QStringLiteral("Read-only file system")}, file);
        EXPECT_EQ(m.text, QLatin1String(c.text)) << c.number;
        EXPECT_EQ(m.title, QLatin1String(c.title)) << c.number;
        EXPECT_EQ(m.icon, Icon::Warning);
    }
}

TEST(TransferErrors, ImportMessages) {
    const QString source = QStringLiteral("/media/usb/RPBackup/floor.mdb");
    const MessageCase rows[] = {
        {53, "File not found: /media/usb/RPBackup/floor.mdb", "Import of 'floor.mdb' Cancelled"},
        {kDiskFull, "Unable to write imported data to disk. Disk Full", "Disk Error"},
        {70, "Unable to save imported data to disk. Disk or existing file [floor.mdb] may be Read Only.",
         "Disk Error"},
        {75,
         "Unable to save imported data to disk. Read Only file [floor.mdb] already exists. Unable to "
         "overwrite.",
         "Import Error"},
        {57, "Device I/O Error.\r", "Error"},
        {3146, "Error: 3146 - Input/output error", "Import Error"}};
    for (const MessageCase& c : rows) {
        const TransferMessage m = importErrorMessage({c.number, QStringLiteral("Input/output error")}, source,
                                                     QStringLiteral("floor.mdb"));
        EXPECT_EQ(m.text, QLatin1String(c.text)) << c.number;
        EXPECT_EQ(m.title, QLatin1String(c.title)) << c.number;
    }
}
