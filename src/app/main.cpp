// The desktop program: finds the program folder, refuses a second running copy, prepares the folder and
// shows the start-up window and, after it, the main window with the personal calendar.

#include "backup/ui/BackupWindows.h"
#include "editors/ui/EditorWindows.h"
#include "export/ui/DutyExportCommand.h"
#include "generator/ui/SettingsDialogs.h"
#include "help/ui/HelpWindows.h"
#include "platform/Ui.h"
#include "platform/qt/QtUi.h"
#include "reports/ui/ReportWindows.h"
#include "workspace/ProgramFolder.h"
#include "workspace/ui/DesktopSession.h"
#include "workspace/ui/licnorpt.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>

namespace {

// The program's icon in the sizes bundled with it (PNGs drawn from its SVG by the build).
QIcon programIcon() {
    QIcon icon;
    QDirIterator it(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        icon.addFile(it.next());
    return icon;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rotaplan"));
    // The desktop matches the windows to the menu entry of this name, and shows the same icon.
    QApplication::setDesktopFileName(QStringLiteral(ROTAPLAN_APP_ID));
    QApplication::setWindowIcon(programIcon());
    QApplication::setQuitOnLastWindowClosed(false);

    const QString exeDir = QApplication::applicationDirPath();
    const QString appFolder = rp::LocateAppFolder(exeDir);
    // Only the folder itself is made before the single-copy check, since its lock lives there; it is
    // filled afterwards, so that a second copy never touches it.
    const bool folderIsNew = !QFileInfo::exists(appFolder);
    if (!QDir().mkpath(appFolder)) {
        QMessageBox::critical(nullptr, QStringLiteral("Rotaplan"),
                              QStringLiteral("The program folder %1 cannot be created.").arg(appFolder));
        return 1;
    }

    rp::QtUi ui;
    std::unique_ptr<rp::DesktopSession> session;
    rp::licnorpt splash(ui, appFolder, [&] {
        try {
            rp::PrepareAppFolderAtStart(ui, appFolder, rp::LocateResources(exeDir), folderIsNew);
        } catch (const rp::ProgramEnded&) {
            return;
        }
        session = std::make_unique<rp::DesktopSession>(ui, appFolder);
        session->start();
        rp::attachEditorWindows(*session);
        rp::attachSettingsDialogs(*session);
        rp::attachHelpWindows(*session);
        rp::attachReportWindows(*session);
        rp::attachBackupWindows(*session);
        rp::attachDutyExport(*session);
    });
    splash.show();
    if (!splash.Form_Load())
        return 0;
    const int status = app.exec();
    session.reset();
    return status;
}
