#pragma once

#include "model/Program.h"
#include "workspace/Workspace.h"

#include <memory>

namespace rp {

class ExampleSetups;
class frmCalendar;
class menunew;

// The program's windows and state for one run: the hidden controller first, then the main window.
class DesktopSession {
public:
    DesktopSession(Ui& ui, const QString& appFolder);
    ~DesktopSession();

    // Loads the controller and the display settings, shows the main window with the personal calendar and
    // attaches the example set-ups to it.
    void start();

    Program program;
    Workspace workspace;
    std::unique_ptr<menunew> controller;
    std::unique_ptr<frmCalendar> calendar;
    ExampleSetups* examples = nullptr; // belongs to the main window
};

} // namespace rp
