#include "workspace/ui/DesktopSession.h"

#include "display_settings/DisplaySettings.h"
#include "workspace/ui/ExampleSetups.h"
#include "workspace/ui/frmCalendar.h"
#include "workspace/ui/menunew.h"

#include <QDialog>

namespace rp {

DesktopSession::DesktopSession(Ui& ui, const QString& appFolder) : program(ui, appFolder) {}

DesktopSession::~DesktopSession() {
    calendar.reset();
    controller.reset();
}

void DesktopSession::start() {
    controller = std::make_unique<menunew>(program);
    DisplaySettings(program).loadAtStart();
    calendar = std::make_unique<frmCalendar>(program, workspace, *controller);
    examples = attachExampleSetups(*this);
    // The report windows are dialogs of the main window, built on first use; deleting them makes the next
    // opening read the office in use afresh.
    controller->windows.closeReports = [this] {
        for (const char* name : {"frmReport", "rptmenu"})
            delete calendar->findChild<QDialog*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    };
    calendar->show();
    calendar->CustomCalendar();
}

} // namespace rp
