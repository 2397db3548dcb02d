#pragma once

#include <QLockFile>
#include <QString>

namespace rp {

// The lock that lets one program at a time work in a program folder: the desktop program holds it while it
// runs, and rotaplan-cli while it writes there. It is a lock file in the folder naming the process that
// holds it; a lock whose process has ended (or whose process number now belongs to another program) is
// stale and taken over.
class SingleCopyLock {
public:
    explicit SingleCopyLock(const QString& appFolder);

    static QString filePath(const QString& appFolder);

    enum class Outcome {
        Taken, // this object holds the lock until it is destroyed
        Held,  // a live process holds it
        Failed // the lock file cannot be made (a folder that cannot be written)
    };
    Outcome take();

    // The program holding the lock, by the name of its executable ("rotaplan", "rotaplan-cli"), after take()
    // said Held; empty when the lock file cannot be read.
    QString holder() const;

private:
    QLockFile lock_;
};

} // namespace rp
