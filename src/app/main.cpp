// The desktop program: finds or prepares the program folder, shows the start-up window and, after it,
// the main window with the personal calendar.

#include "editors/ui/EditorWindows.h"
#include "generator/ui/SettingsDialogs.h"
#include "platform/qt/QtUi.h"
#include "workspace/ProgramFolder.h"
#include "workspace/ui/DesktopSession.h"
#include "workspace/ui/licnorpt.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Rotaplan"));
    QApplication::setQuitOnLastWindowClosed(false);

    const QString exeDir = QApplication::applicationDirPath();
    const QString appFolder = rp::LocateAppFolder(exeDir);
    if (!rp::PrepareAppFolder(appFolder, rp::LocateResources(exeDir))) {
        QMessageBox::critical(nullptr, QStringLiteral("Rotaplan"),
                              QStringLiteral("The program folder %1 cannot be created.").arg(appFolder));
        return 1;
    }

    rp::QtUi ui;
    std::unique_ptr<rp::DesktopSession> session;
    rp::licnorpt splash(ui, appFolder, [&] {
        session = std::make_unique<rp::DesktopSession>(ui, appFolder);
        session->start();
        rp::attachEditorWindows(*session);
        rp::attachSettingsDialogs(*session);
    });
    splash.show();
    if (!splash.Form_Load())
        return 0;
    const int status = app.exec();
    session.reset();
    return status;
}
