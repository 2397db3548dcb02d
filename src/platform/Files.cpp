#include "platform/Files.h"

#include "platform/Error.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace rp {

QString crlfLines(const QStringList& lines) {
    QString out;
    for (const QString& l : lines) {
        out += l;
        out += QStringLiteral("\r\n");
    }
    return out;
}

bool isMarkedReadOnly(const QString& path) {
    const QFileInfo info(path);
    // WriteUser is left out: it reports what this user may do, which for the administrator is everything.
    const auto writeBits = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    return !(info.permissions() & writeBits) || !info.isWritable();
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
    QByteArray temp;
    int fd = -1;
    // A name left behind by a killed process of the same id is passed over.
    for (int tries = 0; fd < 0 && (tries == 0 || (errno == EEXIST && tries < 100)); ++tries) {
        temp = QFile::encodeName(info.absoluteDir().filePath(
            QStringLiteral(".%1.%2.%3").arg(info.fileName()).arg(::getpid()).arg(counter++)));
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
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
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
    // Names are matched first, so that only the matching entries are looked at more closely.
    int deleted = 0;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = it.fileName();
        if (std::none_of(patterns.cbegin(), patterns.cend(),
                         [&](const QString& p) { return matchesWildcard(name, p); }))
            continue;
        const QFileInfo e(path);
        if (e.isFile() && !e.isSymLink() && QFile::remove(path))
            ++deleted;
    }
    return deleted;
}

QByteArray fixedLatin1(const QString& text, int width) {
    QByteArray bytes = text.left(width).toLatin1();
    if (bytes.size() < width)
        bytes.append(QByteArray(width - bytes.size(), ' '));
    return bytes;
}

} // namespace rp
