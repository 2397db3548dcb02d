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
Volume readOnly(Volume v) {
    v.readOnly = true;
    return v;
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

struct ChooserCase {
    const char* name;
    QList<Volume> mounted;
    QString home;
    QStringList drives;
    int exportRow; // the drive preselected for an export
    int importRow; // and for an import
};

class ChooserDrivesTest : public ::testing::TestWithParam<ChooserCase> {};

TEST_P(ChooserDrivesTest, ListTheHomeFolderOnceAndPreselectAMediumElseTheHomeFolder) {
    const ChooserCase& c = GetParam();
    const QList<Volume> drives = ChooserDrives(c.mounted, c.home);
    QStringList roots;
    for (const Volume& v : drives)
        roots << v.root;
    EXPECT_EQ(roots, c.drives);
    EXPECT_EQ(PreselectedDrive(drives, c.home, true), c.exportRow);
    EXPECT_EQ(PreselectedDrive(drives, c.home, false), c.importRow);
}

INSTANTIATE_TEST_SUITE_P(
    Volumes, ChooserDrivesTest,
    ::testing::Values(ChooserCase{"NoMediumGivesTheHomeFolder",
                                  {mount("/", "ext4"), mount("/home", "ext4")},
                                  QStringLiteral("/home/ann"),
                                  {QStringLiteral("/"), QStringLiteral("/home"), QStringLiteral("/home/ann")},
                                  2,
                                  2},
                      ChooserCase{"TheFirstMediumAndAReadOnlyOneOnlyForImport",
                                  {mount("/", "ext4"), readOnly(mount("/media/ann/CD", "iso9660")),
                                   mount("/mnt/stick", "vfat")},
                                  QStringLiteral("/root"),
                                  {QStringLiteral("/media/ann/CD"), QStringLiteral("/mnt/stick"),
                                   QStringLiteral("/"), QStringLiteral("/root")},
                                  1,
                                  0},
                      ChooserCase{"OnlyAReadOnlyMediumExportsToTheHomeFolder",
                                  {readOnly(mount("/run/media/ann/DVD", "udf")), mount("/", "ext4")},
                                  QStringLiteral("/home/ann"),
                                  {QStringLiteral("/run/media/ann/DVD"), QStringLiteral("/"),
                                   QStringLiteral("/home/ann")},
                                  2,
                                  0},
                      ChooserCase{"AHomeFolderThatIsAMountRootIsListedOnce",
                                  {mount("/", "ext4"), mount("/home/ann", "ext4")},
                                  QStringLiteral("/home/ann/"),
                                  {QStringLiteral("/"), QStringLiteral("/home/ann")},
                                  1,
                                  1}),
    test::byName);
