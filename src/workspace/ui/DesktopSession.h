#pragma once

#include "model/Program.h"
#include "workspace/Workspace.h"

#include <memory>

namespace rp {

class frmCalendar;
class menunew;

// The program's windows and state for one run: the hidden controller first, then the main window.
class DesktopSession {
public:
    DesktopSession(Ui& ui, const QString& appFolder);
    ~DesktopSession();

    // Loads the controller and the display settings, shows the main window with the personal calendar.
    void start();

    Program program;
    Workspace workspace;
    std::unique_ptr<menunew> controller;
    std::unique_ptr<frmCalendar> calendar;
};

} // namespace rp
