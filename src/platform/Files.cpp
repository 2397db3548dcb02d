#include "platform/Files.h"

#include "platform/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace rp {

QString crlfLines(const QStringList& lines) {
    qsizetype size = 0;
    for (const QString& l : lines)
        size += l.size() + 2;
    QString out;
    out.reserve(size);
    for (const QString& l : lines) {
        out += l;
        out += QLatin1String("\r\n");
    }
    return out;
}

bool isMarkedReadOnly(const QString& path) {
    // The write permission bits, and what access() says of this user (the administrator may write any
    // file, except on a read-only file system). A file that cannot be looked at counts as read-only.
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (::stat(native.constData(), &st) != 0)
        return true;
    return !(st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) || ::access(native.constData(), W_OK) != 0;
}

namespace {
// A file may be written when its folder exists and it is not marked read-only.
QFileInfo checkWritable(const QString& path) {
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        throw Error::runtime(err::PathNotFound);
    if (info.exists() && isMarkedReadOnly(path))
        throw Error::runtime(err::PermissionDenied);
    return info;
}
} // namespace

void writeBinaryFileAtomic(const QString& path, const QByteArray& bytes) {
    checkWritable(path);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw Error::runtime(err::PermissionDenied);
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        throw Error{61, QStringLiteral("Disk full")};
    }
    if (!file.commit())
        throw Error{61, QStringLiteral("Disk full")};
}

void writeTransientTextFileAtomic(const QString& path, const QString& content) {
    // As checkWritable, with fewer calls: the target is looked at once, and the folder only when the
    // temporary file cannot be made in it.
    const QFileInfo info(path);
    if (info.exists() && isMarkedReadOnly(path))
        throw Error::runtime(err::PermissionDenied);
    // A hidden name of its own beside the target (process id and a counter), created exclusively, written
    // with plain system calls and renamed over the target: a generation writes many of these files, and
    // this costs a handful of calls each.
    static std::atomic<unsigned> counter{0};
    static const pid_t pid = ::getpid();
    QByteArray temp;
    int fd = -1;
    // A name left behind by a killed process of the same id is passed over.
    for (int tries = 0; fd < 0 && (tries == 0 || (errno == EEXIST && tries < 100)); ++tries) {
        temp = QFile::encodeName(info.absoluteDir().filePath(
            QStringLiteral(".%1.%2.%3").arg(info.fileName()).arg(pid).arg(counter++)));
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    }
    if (fd < 0)
        throw Error::runtime(info.absoluteDir().exists() ? err::PermissionDenied : err::PathNotFound);
    const QByteArray bytes = content.toUtf8();
    bool written = true;
    for (qsizetype done = 0; written && done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        written = n > 0;
        done += written ? n : 0;
    }
    written = ::close(fd) == 0 && written;
    if (!written) {
        ::unlink(temp.constData());
        throw Error{61, QStringLiteral("Disk full")};
    }
    if (::rename(temp.constData(), QFile::encodeName(path).constData()) != 0) {
        ::unlink(temp.constData());
        throw Error::runtime(err::PermissionDenied);
    }
}

void writeTextFileAtomic(const QString& path, const QString& content) {
    writeBinaryFileAtomic(path, content.toUtf8());
}

std::optional<QByteArray> readBinaryFile(const QString& path) {
    // Plain system calls: settings files are small and read at every generation.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    QByteArray bytes;
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) { // a folder, or a read error
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        bytes.append(buffer, n);
    }
    ::close(fd);
    return bytes;
}

std::optional<QByteArray> readExistingBinaryFile(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return std::nullopt;
    if (!info.isFile())
        throw Error::runtime(err::PathFileAccess);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error::runtime(err::PermissionDenied);
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw Error::runtime(err::PathFileAccess);
    return bytes;
}

std::optional<QString> readExistingTextFile(const QString& path) {
    auto bytes = readExistingBinaryFile(path);
    if (!bytes)
        return std::nullopt;
    return QString::fromUtf8(*bytes);
}

std::optional<QString> readTextFile(const QString& path) {
    auto bytes = readBinaryFile(path);
    if (!bytes)
        return std::nullopt;
    return QString::fromUtf8(*bytes);
}

bool matchesWildcard(const QString& name, const QString& pattern) {
    if (name.size() != pattern.size())
        return false;
    for (qsizetype i = 0; i < name.size(); ++i) {
        if (pattern[i] == QLatin1Char('?'))
            continue;
        if (name[i].toCaseFolded() != pattern[i].toCaseFolded())
            return false;
    }
    return true;
}

int deleteMatchingFiles(const QString& folder, const QString& pattern) {
    return deleteMatchingFiles(folder, QStringList{pattern});
}

int deleteMatchingFiles(const QString& folder, const QStringList& patterns) {
    // The folder is read with plain system calls and names are matched first, so that only the matching
    // entries are looked at more closely (most file systems give the entry's type with its name).
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return 0;
    const QByteArray prefix = QFile::encodeName(folder) + '/';
    int deleted = 0;
    while (const dirent* entry = ::readdir(dir)) {
        const QString name = QFile::decodeName(entry->d_name);
        if (std::none_of(patterns.cbegin(), patterns.cend(),
                         [&](const QString& p) { return matchesWildcard(name, p); }))
            continue;
        const QByteArray path = prefix + entry->d_name;
        bool regular = entry->d_type == DT_REG;
        if (entry->d_type == DT_UNKNOWN) {
            struct stat st {};
            regular = ::lstat(path.constData(), &st) == 0 && S_ISREG(st.st_mode);
        }
        if (regular && ::unlink(path.constData()) == 0)
            ++deleted;
    }
    ::closedir(dir);
    return deleted;
}

QByteArray fixedLatin1(const QString& text, int width) {
    QByteArray bytes = text.left(width).toLatin1();
    if (bytes.size() < width)
        bytes.append(QByteArray(width - bytes.size(), ' '));
    return bytes;
}

} // namespace rp
