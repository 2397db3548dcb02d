#pragma once

#include "display_settings/DisplaySettings.h"
#include "model/AppPaths.h"
#include "model/ScheduleState.h"

namespace rp {

class Ui;

// The program-wide values, owned by one object and passed by reference. A test builds its own Program
// on a temporary folder.
struct Program {
    Program(Ui& ui, const QString& appFolder)
        : ui(ui), paths(AppPaths::forFolder(appFolder)), display(paths.file(QStringLiteral("settings"))) {}

    Ui& ui;
    AppPaths paths;
    ScheduleState schedule;
    DisplaySettings display;
};

} // namespace rp
