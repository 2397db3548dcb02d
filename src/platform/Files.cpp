#include "platform/Files.h"

#include "platform/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>
#include <cstdio>

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
    const QFileInfo info = checkWritable(path);
    QTemporaryFile temp(
        info.absoluteDir().filePath(QStringLiteral(".") + info.fileName() + QStringLiteral(".XXXXXX")));
    temp.setAutoRemove(true);
    if (!temp.open())
        throw Error::runtime(err::PermissionDenied);
    const QByteArray bytes = content.toUtf8();
    if (temp.write(bytes) != bytes.size() || !temp.flush())
        throw Error{61, QStringLiteral("Disk full")};
    temp.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    temp.close();
    if (std::rename(QFile::encodeName(temp.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        throw Error::runtime(err::PermissionDenied);
    temp.setAutoRemove(false);
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
    QDir dir(folder);
    int deleted = 0;
    const auto entries = dir.entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    for (const QFileInfo& e : entries) {
        if (e.isFile() && !e.isSymLink() && matchesWildcard(e.fileName(), pattern) &&
            QFile::remove(e.absoluteFilePath()))
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
