#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

namespace rp {

// A copy written to a temporary file in its target's folder, put into place by commit(). A copy that is
// never committed is removed, so a failed or refused copy leaves the folder as it was.
class PendingCopy {
public:
    // Makes a new, empty temporary file beside target. Throws Error.
    explicit PendingCopy(const QString& target);
    PendingCopy(PendingCopy&& other) noexcept;
    PendingCopy(const PendingCopy&) = delete;
    PendingCopy& operator=(const PendingCopy&) = delete;
    PendingCopy& operator=(PendingCopy&&) = delete;
    ~PendingCopy();

    const QString& path() const { return path_; }
    const QString& target() const { return target_; }
    // Flushes the copy to the disk, makes it writable by its owner and readable by all (whatever the
    // source's mode was) and renames it over the target. Throws Error.
    void commit();
    // The same, but an existing target is never replaced: throws 58 when there is one.
    void commitAsNew();

private:
    void flush();
    QString path_;
    QString target_;
};

// Writes a consistent copy of an office database, which may be open and written elsewhere, beside target.
PendingCopy CopyDatabaseBeside(const QString& source, const QString& target);
// Writes the bytes of a file, as they are, beside target.
PendingCopy CopyFileBeside(const QString& source, const QString& target);

// The copies the commands make; tests replace them to fail as a full disk or a removed stick does.
struct CopyRoutines {
    std::function<PendingCopy(const QString& source, const QString& target)> database = CopyDatabaseBeside;
    std::function<PendingCopy(const QString& source, const QString& target)> file = CopyFileBeside;
};

// "Floor_" + day, month, two-digit year, hour, minute and second, two digits each + ".mdb".
QString DatedBackupName(const QDateTime& when);
// Writes a consistent copy of the office database into the folder (created when missing) under its dated
// name; when that name is taken, "_2", "_3" ... is added, so that no backup is ever replaced. A damaged
// office is kept as it is. Returns the path written. Throws Error.
QString WriteDatedBackup(const QString& office, const QString& folder, const QDateTime& when,
                         const CopyRoutines& copies);

} // namespace rp
