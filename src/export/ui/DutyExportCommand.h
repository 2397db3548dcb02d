#pragma once

#include "export/DutyCalendar.h"

#include <QObject>
#include <QPointer>
#include <functional>

class QAction;
class QProgressDialog;

namespace rp {

class DesktopSession;

// File | Export Duties...: writes the duties of the month last generated into a folder the user chooses,
// one iCalendar file per agent and one CSV file, with a progress dialog while it runs.
class DutyExportCommand : public QObject {
    Q_OBJECT
public:
    explicit DutyExportCommand(DesktopSession& session);

    QAction* mnuExportDuties;
    void mnuExportDuties_Click();

    // Asks for the folder; empty when the user cancelled. The default shows the folder chooser.
    std::function<QString()> chooseFolder;
    // The zone and time stamp of the calendars; tests fix them.
    DutyCalendarOptions calendarOptions;
    // The progress dialog of the last export, kept until the next one.
    QPointer<QProgressDialog> progress;

private:
    DesktopSession& session_;
};

// Adds File | Export Duties... to the main window of a started session. The returned object belongs to
// the main window.
DutyExportCommand* attachDutyExport(DesktopSession& session);

} // namespace rp
