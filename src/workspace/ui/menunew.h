#pragma once

#include "generator/GenerationDriver.h"

#include <QWidget>
#include <functional>

namespace rp {

struct Program;

// The hidden controller window ("MAIN MENU"): it is loaded first and never shown, holds the commands
// the main window runs, and ends the program when it closes.
class menunew : public QWidget {
    Q_OBJECT
public:
    explicit menunew(Program& program, QWidget* parent = nullptr);

    // Runs the generation driver; showCalendar shows calendar 1 in the calendar window at its end.
    GenerationSummary cmdGenerate_Click();
    void cmdMonth_Click();
    void cmdAgents_Click();
    void cmdSites_Click();
    void mnuFineTune_Click();
    void mnuTimes_Click();
    void mnuCalSettings_Click();
    // Deletes the calendar files of the last generation and ends the program.
    void cmdExit_Click();

    std::function<void()> showCalendar;

    // The windows the commands open, attached by the parts of the program that own them. A command
    // whose window is not attached shows "Not available yet.".
    struct Windows {
        std::function<void()> month;       // month and year of the schedule
        std::function<void()> agents;      // agent editor
        std::function<void()> sites;       // site editor
        std::function<void()> times;       // slot times editor
        std::function<void()> fineTune;    // fine-tuning settings
        std::function<void()> calSettings; // calendar display settings
        // Close the agent and site editors, so that they show the office's data afresh when next opened.
        std::function<void()> closeEditors;
        // Close the report windows, so that they read the office afresh when next opened.
        std::function<void()> closeReports;

        // Closes every window that reads the office database in use (editors and reports), before it is
        // replaced or another office is put in its place.
        void closeOfficeWindows() const;
    } windows;
    RotationSource rotation = randomRotation();

    // The message of the commands whose windows are not part of the program yet.
    void notAvailable();

private:
    Program& program_;
};

} // namespace rp
