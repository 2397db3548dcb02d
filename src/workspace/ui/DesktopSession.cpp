#include "workspace/ui/DesktopSession.h"

#include "display_settings/DisplaySettings.h"
#include "workspace/ui/ExampleSetups.h"
#include "workspace/ui/frmCalendar.h"
#include "workspace/ui/menunew.h"

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
    calendar->show();
    calendar->CustomCalendar();
}

} // namespace rp
