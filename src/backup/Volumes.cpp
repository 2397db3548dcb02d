#include "backup/Volumes.h"

#include <QDir>
#include <QStorageInfo>
#include <QStringList>
#include <algorithm>

namespace rp {

namespace {

const QStringList kPseudoFileSystems{
    QStringLiteral("proc"),        QStringLiteral("sysfs"),          QStringLiteral("tmpfs"),
    QStringLiteral("devtmpfs"),    QStringLiteral("devpts"),         QStringLiteral("overlay"),
    QStringLiteral("squashfs"),    QStringLiteral("cgroup"),         QStringLiteral("cgroup2"),
    QStringLiteral("efivarfs"),    QStringLiteral("securityfs"),     QStringLiteral("pstore"),
    QStringLiteral("bpf"),         QStringLiteral("debugfs"),        QStringLiteral("tracefs"),
    QStringLiteral("configfs"),    QStringLiteral("fusectl"),        QStringLiteral("mqueue"),
    QStringLiteral("hugetlbfs"),   QStringLiteral("autofs"),         QStringLiteral("binfmt_misc"),
    QStringLiteral("nsfs"),        QStringLiteral("ramfs"),          QStringLiteral("rpc_pipefs"),
    QStringLiteral("fuse.portal"), QStringLiteral("fuse.gvfsd-fuse")};

bool under(const QString& root, const QString& folder) {
    return root == folder || root.startsWith(folder + QLatin1Char('/'));
}

bool systemMount(const QString& root) {
    if (under(root, QStringLiteral("/run/media")))
        return false;
    for (const char* folder : {"/proc", "/sys", "/dev", "/run", "/snap", "/boot"}) {
        if (under(root, QLatin1String(folder)))
            return true;
    }
    return false;
}

} // namespace

bool OnRemovableMedia(const QString& root) {
    return under(root, QStringLiteral("/media")) || under(root, QStringLiteral("/run/media")) ||
           under(root, QStringLiteral("/mnt"));
}

QList<Volume> MountedVolumes() {
    QList<Volume> out;
    for (const QStorageInfo& s : QStorageInfo::mountedVolumes()) {
        out << Volume{s.rootPath(), s.name(),    QString::fromLatin1(s.fileSystemType()),
                      s.isValid(),  s.isReady(), s.isReadOnly()};
    }
    return out;
}

QList<Volume> BackupVolumes(const QList<Volume>& mounted) {
    QList<Volume> out;
    QStringList roots;
    for (const Volume& v : mounted) {
        if (!v.valid || !v.ready || v.root.isEmpty() || roots.contains(v.root) ||
            kPseudoFileSystems.contains(v.fileSystem) || systemMount(v.root))
            continue;
        roots << v.root;
        out << v;
    }
    std::stable_partition(out.begin(), out.end(), [](const Volume& v) { return OnRemovableMedia(v.root); });
    return out;
}

QList<Volume> ChooserDrives(const QList<Volume>& mounted, const QString& homeFolder) {
    QList<Volume> out = BackupVolumes(mounted);
    const QString home = QDir::cleanPath(homeFolder);
    if (std::none_of(out.begin(), out.end(),
                     [&](const Volume& v) { return QDir::cleanPath(v.root) == home; }))
        out << Volume{home, QString(), QString()};
    return out;
}

int PreselectedDrive(const QList<Volume>& drives, const QString& homeFolder, bool exporting) {
    for (int i = 0; i < drives.size(); ++i) {
        if (OnRemovableMedia(drives[i].root) && !(exporting && drives[i].readOnly))
            return i;
    }
    const QString home = QDir::cleanPath(homeFolder);
    for (int i = 0; i < drives.size(); ++i) {
        if (QDir::cleanPath(drives[i].root) == home)
            return i;
    }
    return -1;
}

} // namespace rp
