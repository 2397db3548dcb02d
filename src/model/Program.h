#pragma once

#include "model/AppPaths.h"
#include "model/DisplayValues.h"
#include "model/ScheduleState.h"

#include <functional>

namespace rp {

class Ui;

// The program-wide values, owned by one object and passed by reference. A test builds its own Program
// on a temporary folder.
struct Program {
    Program(Ui& ui, const QString& appFolder) : ui(ui), paths(AppPaths::forFolder(appFolder)) {}

    Ui& ui;
    AppPaths paths;
    ScheduleState schedule;
    DisplayState display;
    // Shows a help text file in the help viewer; set once the help windows are there.
    std::function<void(const QString& path)> showHelp;

    // The Help command of every window: the named text of the help folder, or "Not available yet." while
    // there is no help viewer.
    void openHelp(const QString& fileName) const;
};

} // namespace rp
