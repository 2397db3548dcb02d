#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace rp {

// File helpers of the program. Every write goes through a temporary file and a rename, so a crash or a
// full disk never leaves half a file; failures are thrown as Error (70 permission, 76 path not found,
// 61 disk full).

// A file without any write permission bit, or one this user may not write, counts as read-only (the
// permission bits are looked at as well, since the administrator may write any file).
bool isMarkedReadOnly(const QString& path);

// Joins lines, each ended by CR LF.
QString crlfLines(const QStringList& lines);

void writeTextFileAtomic(const QString& path, const QString& content);
// The same for files that live only until the next generation (calendar and link files): the write is
// still atomic, but not flushed to the disk before it is renamed into place.
void writeTransientTextFileAtomic(const QString& path, const QString& content);
void writeBinaryFileAtomic(const QString& path, const QByteArray& bytes);

// Whole content of a file; nothing when it does not exist or cannot be read.
std::optional<QByteArray> readBinaryFile(const QString& path);
std::optional<QString> readTextFile(const QString& path);

// Whole content of a file; nothing when it does not exist. A file that exists but cannot be read (no
// permission, a folder in its place) throws Error 70 or 75, so that a caller never takes it for empty.
std::optional<QByteArray> readExistingBinaryFile(const QString& path);
std::optional<QString> readExistingTextFile(const QString& path);

// Deletes the regular files of a folder whose names match a pattern in which "?" stands for exactly one
// character, letter case ignored (the patterns "????.?", "????.?D", "@link?"). Returns how many were
// deleted; files that cannot be deleted are passed over.
int deleteMatchingFiles(const QString& folder, const QString& pattern);
// The same for several patterns, in one look through the folder.
int deleteMatchingFiles(const QString& folder, const QStringList& patterns);
bool matchesWildcard(const QString& name, const QString& pattern);

// Latin-1 bytes of a text cut or padded with blanks to width (fixed record fields).
QByteArray fixedLatin1(const QString& text, int width);

} // namespace rp
