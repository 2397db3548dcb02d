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

} // namespace rp
