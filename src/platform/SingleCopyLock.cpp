#include "platform/SingleCopyLock.h"

namespace rp {

SingleCopyLock::SingleCopyLock(const QString& appFolder) : lock_(filePath(appFolder)) {
    // The desktop program holds the lock for as long as it runs: only a process that has ended leaves a
    // stale lock, never the lock's age.
    lock_.setStaleLockTime(0);
}

QString SingleCopyLock::filePath(const QString& appFolder) {
    return appFolder + QStringLiteral("/rotaplan.lock");
}

SingleCopyLock::Outcome SingleCopyLock::take() {
    if (lock_.tryLock(0))
        return Outcome::Taken;
    return lock_.error() == QLockFile::LockFailedError ? Outcome::Held : Outcome::Failed;
}

QString SingleCopyLock::holder() const {
    QString name;
    if (!lock_.getLockInfo(nullptr, nullptr, &name))
        return {};
    return name;
}

} // namespace rp
