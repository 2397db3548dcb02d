#pragma once

#include "backup/OfficeCopy.h"
#include "backup/Transfers.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>

namespace rp {

class DesktopSession;
class frmDrive;

// Export and import of the office database through the drive chooser.
class BackupWindows : public QObject {
    Q_OBJECT
public:
    explicit BackupWindows(DesktopSession& session);

    // File | Export (Backup), and Yes to the backup question at Exit: asks for a drive until an export
    // succeeds or the chooser is cancelled.
    void exportData();
    // File | Import: asks for a drive until an import succeeds or the chooser is cancelled. A successful
    // import leaves an example in use, closes the windows that read the office database and deletes the
    // calendar files of the last generation.
    void importData();

    frmDrive* chooser();

    // The copies of the transfers and the clock of the dated copies; tests replace them.
    CopyRoutines copies;
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };

private:
    // Shows the chooser; the chosen drive, or nothing when it was cancelled.
    std::optional<QString> ChooseDrive(TransferMode mode);

    DesktopSession& session_;
    QPointer<frmDrive> drive_;
};

// Creates the export and import commands of a started session and attaches them to the main window
// (File | Export (Backup), File | Import, the backup offered at Exit). The returned object belongs to the
// main window.
BackupWindows* attachBackupWindows(DesktopSession& session);

} // namespace rp
