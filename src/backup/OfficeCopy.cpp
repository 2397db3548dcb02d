#include "backup/OfficeCopy.h"

#include "backup/TransferErrors.h"
#include "platform/Database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace rp {

namespace {

QByteArray native(const QString& path) {
    return QFile::encodeName(path);
}

// Closes a file descriptor however the copy ends.
struct Descriptor {
    int fd = -1;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

void syncFolder(const QString& folder) {
    Descriptor dir{::open(native(folder).constData(), O_RDONLY | O_DIRECTORY)};
    if (dir.fd >= 0)
        ::fsync(dir.fd);
}

} // namespace

PendingCopy::PendingCopy(const QString& target) : target_(target) {
    const QFileInfo info(target);
    QByteArray name =
        native(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".XXXXXX"));
    Descriptor file{::mkstemp(name.data())};
    if (file.fd < 0)
        throw systemError(errno);
    path_ = QFile::decodeName(name);
}

PendingCopy::PendingCopy(PendingCopy&& other) noexcept
    : path_(std::exchange(other.path_, QString())), target_(other.target_) {}

PendingCopy::~PendingCopy() {
    if (!path_.isEmpty()) {
        QFile::remove(path_);
        QFile::remove(path_ + QStringLiteral("-journal"));
    }
}

void PendingCopy::flush() {
    Descriptor file{::open(native(path_).constData(), O_RDWR)};
    if (file.fd < 0)
        throw systemError(errno);
    // A stick's FAT or a network share may keep modes of its own and refuse the change; a copy its owner
    // can write is all that matters there.
    struct stat status {};
    if (::fchmod(file.fd, 0644) != 0 && (::fstat(file.fd, &status) != 0 || (status.st_mode & S_IWUSR) == 0))
        throw systemError(errno);
    if (::fsync(file.fd) != 0)
        throw systemError(errno);
}

void PendingCopy::commit() {
    flush();
    if (::rename(native(path_).constData(), native(target_).constData()) != 0)
        throw systemError(errno);
    path_.clear();
    syncFolder(QFileInfo(target_).absolutePath());
}

void PendingCopy::commitAsNew() {
    flush();
    if (QFileInfo::exists(target_))
        throw Error{58, QStringLiteral("File already exists")};
    if (!QFile::rename(path_, target_))
        throw Error::runtime(err::PathFileAccess);
    path_.clear();
    syncFolder(QFileInfo(target_).absolutePath());
}

PendingCopy CopyDatabaseBeside(const QString& source, const QString& target) {
    if (!QFileInfo(source).isFile())
        throw systemError(ENOENT);
    PendingCopy copy(target);
    if (const auto failure = backupDatabase(source, copy.path()))
        throw sqliteError(*failure);
    return copy;
}

PendingCopy CopyFileBeside(const QString& source, const QString& target) {
    Descriptor in{::open(native(source).constData(), O_RDONLY)};
    if (in.fd < 0)
        throw systemError(errno);
    PendingCopy copy(target);
    Descriptor out{::open(native(copy.path()).constData(), O_WRONLY | O_TRUNC)};
    if (out.fd < 0)
        throw systemError(errno);
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t got = ::read(in.fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw systemError(errno);
        if (got == 0)
            break;
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(out.fd, buffer + done, size_t(got - done));
            if (put < 0 && errno == EINTR)
                continue;
            if (put < 0)
                throw systemError(errno);
            done += put;
        }
    }
    return copy;
}

namespace {

// A consistent copy of an office database; an office that is damaged, and so no database to copy, is kept
// as its bytes, so that it can still be replaced without being lost.
PendingCopy copyOffice(const QString& office, const QString& target, const CopyRoutines& copies) {
    try {
        return copies.database(office, target);
    } catch (const Error& e) {
        if (e.number != err::UnrecognizedFormat)
            throw;
    }
    return copies.file(office, target);
}

} // namespace

QString DatedBackupName(const QDateTime& when) {
    return QStringLiteral("Floor_") + when.toString(QStringLiteral("ddMMyyhhmmss")) + QStringLiteral(".mdb");
}

QString WriteDatedBackup(const QString& office, const QString& folder, const QDateTime& when,
                         const CopyRoutines& copies) {
    if (!QDir().mkpath(folder))
        throw Error::runtime(err::PathNotFound);
    const QString stem = DatedBackupName(when).chopped(4);
    for (int n = 1;; ++n) {
        const QString name = n == 1 ? stem : stem + QStringLiteral("_%1").arg(n);
        const QString path = QDir(folder).filePath(name + QStringLiteral(".mdb"));
        if (QFileInfo::exists(path))
            continue;
        copyOffice(office, path, copies).commitAsNew();
        return path;
    }
}

} // namespace rp
