#pragma once

#include <QList>
#include <QString>

namespace rp {

// A mounted volume as the drive chooser lists it.
struct Volume {
    QString root;
    QString label;
    QString fileSystem;
    bool valid = true;
    bool ready = true;
    bool readOnly = false;
};

// The volumes mounted now.
QList<Volume> MountedVolumes();

// The volumes a backup may go to, each root once: valid and ready ones without the pseudo and system
// file systems (proc, sysfs, tmpfs, overlay, squashfs, ...) and without the mounts under /proc, /sys,
// /dev, /run (but /run/media), /snap and /boot; removable media (/media, /run/media, /mnt) first.
QList<Volume> BackupVolumes(const QList<Volume>& mounted);

// Whether a mount root is where removable media are mounted (/media, /run/media, /mnt).
bool OnRemovableMedia(const QString& root);

// The drives the chooser lists: the backup volumes of the mounted ones, then the home folder unless it is
// the root of one of them.
QList<Volume> ChooserDrives(const QList<Volume>& mounted, const QString& homeFolder);

// The row of those drives the chooser selects first: the first removable medium (a writable one for an
// export), else the home folder; -1 when neither is listed.
int PreselectedDrive(const QList<Volume>& drives, const QString& homeFolder, bool exporting);

} // namespace rp
