// The volumes the drive chooser offers, from fake lists of mounted volumes.
#include "backup/Volumes.h"

#include "Printers.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace rp;

namespace {
Volume mount(const char* root, const char* fileSystem, bool ready = true, bool valid = true) {
    return {QLatin1String(root), QString(), QLatin1String(fileSystem), valid, ready, false};
}
} // namespace

TEST(Volumes, SystemMountsAreLeftOutAndRemovableMediaComeFirst) {
    const QList<Volume> mounted{mount("/", "ext4"),
                                mount("/proc", "proc"),
                                mount("/sys/fs/cgroup", "cgroup2"),
                                mount("/sys/firmware/efi/efivars", "efivarfs"),
                                mount("/dev/shm", "tmpfs"),
                                mount("/dev/sdb1", "ext4"),
                                mount("/run/user/1000", "tmpfs"),
                                mount("/run/lock", "ext4"),
                                mount("/run/media/ann/STICK", "vfat"),
                                mount("/snap/core/1", "squashfs"),
                                mount("/snapshots", "ext4"),
                                mount("/boot/efi", "vfat"),
                                mount("/home", "ext4"),
                                mount("/var/lib/docker/overlay2/x/merged", "overlay"),
                                mount("/tmp", "tmpfs"),
                                mount("/media/usb", "vfat"),
                                mount("/media/usb", "vfat"),
                                mount("/media/cd", "iso9660", false),
                                mount("/media/gone", "vfat", true, false),
                                mount("/mnt/data", "ext4")};
    QStringList roots;
    for (const Volume& v : BackupVolumes(mounted))
        roots << v.root;
    EXPECT_EQ(roots, (QStringList{QStringLiteral("/run/media/ann/STICK"), QStringLiteral("/media/usb"),
                                  QStringLiteral("/mnt/data"), QStringLiteral("/"),
                                  QStringLiteral("/snapshots"), QStringLiteral("/home")}));
}
