#include "workspace/ui/menunew.h"

#include "model/CalendarFiles.h"
#include "model/Program.h"
#include "platform/Ui.h"

namespace rp {

menunew::menunew(Program& program, QWidget* parent) : QWidget(parent), program_(program) {
    setObjectName(QStringLiteral("menunew"));
    setWindowTitle(QStringLiteral("MAIN MENU"));
}

GenerationSummary menunew::cmdGenerate_Click() {
    GenerationOptions options;
    options.rotation = rotation;
    options.showFirstCalendar = showCalendar;
    return Generate(program_, options);
}

void menunew::Windows::closeOfficeWindows() const {
    if (closeEditors)
        closeEditors();
    if (closeReports)
        closeReports();
}

void menunew::notAvailable() {
    program_.ui.message(QStringLiteral("Not available yet."));
}

namespace {
void runOrNotAvailable(const std::function<void()>& open, menunew& controller) {
    if (open)
        open();
    else
        controller.notAvailable();
}
} // namespace

void menunew::cmdMonth_Click() {
    runOrNotAvailable(windows.month, *this);
}

void menunew::cmdAgents_Click() {
    runOrNotAvailable(windows.agents, *this);
}

void menunew::cmdSites_Click() {
    runOrNotAvailable(windows.sites, *this);
}

void menunew::mnuFineTune_Click() {
    runOrNotAvailable(windows.fineTune, *this);
}

void menunew::mnuTimes_Click() {
    runOrNotAvailable(windows.times, *this);
}

void menunew::mnuCalSettings_Click() {
    runOrNotAvailable(windows.calSettings, *this);
}

void menunew::cmdExit_Click() {
    DeleteCalendarFiles(program_.paths.AppFolder, false);
    program_.ui.endProgram();
}

} // namespace rp
