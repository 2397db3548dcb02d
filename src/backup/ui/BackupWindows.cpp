#include "backup/ui/BackupWindows.h"

#include "backup/ui/frmDrive.h"
#include "model/CalendarFiles.h"
#include "platform/Ui.h"
#include "workspace/ui/DesktopSession.h"
#include "workspace/ui/frmCalendar.h"
#include "workspace/ui/menunew.h"

namespace rp {

BackupWindows::BackupWindows(DesktopSession& session) : QObject(session.calendar.get()), session_(session) {
    setObjectName(QStringLiteral("BackupWindows"));
}

frmDrive* BackupWindows::chooser() {
    if (!drive_)
        drive_ = new frmDrive(session_.program.ui, session_.calendar.get());
    return drive_;
}

std::optional<QString> BackupWindows::ChooseDrive(TransferMode mode) {
    frmDrive& d = *chooser();
    d.mode = mode;
    d.Form_Load();
    session_.calendar->execDialog(d);
    if (d.cancelled)
        return std::nullopt;
    return d.chosenDrive;
}

void BackupWindows::exportData() {
    Ui& ui = session_.program.ui;
    ui.setBusy(true);
    session_.calendar->repaint();
    const QString office = session_.program.paths.officeDatabase();
    QString drive;
    while (!ExportToDrive(ui, office, drive, copies)) {
        const std::optional<QString> chosen = ChooseDrive(TransferMode::Export);
        if (!chosen)
            break;
        drive = *chosen;
    }
    ui.setBusy(false);
}

void BackupWindows::importData() {
    Program& program = session_.program;
    frmCalendar& main = *session_.calendar;
    program.ui.setBusy(true);
    main.repaint();
    ImportTarget target;
    target.office = program.paths.officeDatabase();
    target.backupFolder = program.paths.file(QStringLiteral("Backup"));
    target.beforeReplace = [this] { session_.controller->windows.closeOfficeWindows(); };
    QString drive;
    for (;;) {
        target.when = now();
        if (ImportFromDrive(program.ui, target, drive, copies)) {
            // An example shown is left only now that the office was replaced: a cancelled or failed
            // import keeps it.
            if (session_.workspace.state.IsExampleSchedule && main.commands.exitExample)
                main.commands.exitExample();
            // The calendars of the last generation came from the replaced office.
            DeleteCalendarFiles(program.paths.AppFolder, false);
            main.ButtonOnOff(false);
            break;
        }
        const std::optional<QString> chosen = ChooseDrive(TransferMode::Import);
        if (!chosen)
            break;
        drive = *chosen;
    }
    program.ui.setBusy(false);
}

BackupWindows* attachBackupWindows(DesktopSession& session) {
    auto* backup = new BackupWindows(session);
    frmCalendar::Commands& c = session.calendar->commands;
    c.exportData = [backup] { backup->exportData(); };
    c.importData = [backup] { backup->importData(); };
    return backup;
}

} // namespace rp
