#include "FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace rp::fuzz {

const QString& scratchFolder() {
    static const QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                       ? QStringLiteral("/dev/shm/rotaplan-fuzz-XXXXXX")
                                       : QDir::tempPath() + QStringLiteral("/rotaplan-fuzz-XXXXXX"));
    static const QString path = [] {
        if (!dir.isValid())
            std::abort();
        for (const char* sub : {"settings", "Times", "Personal", "Saved"})
            QDir(dir.path()).mkpath(QLatin1String(sub));
        return dir.path();
    }();
    return path;
}

QString putFile(const QString& relative, const QByteArray& bytes) {
    const QString path = scratchFolder() + QLatin1Char('/') + relative;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
    return path;
}

} // namespace rp::fuzz
