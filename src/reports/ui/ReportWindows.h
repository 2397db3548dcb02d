#pragma once

#include <QObject>
#include <QPointer>

namespace rp {

class DesktopSession;
class frmReport;
class rptmenu;

// The report windows of a session: the assignments-by-agent report and the agent or site report. Each is
// created on first use and then hidden and shown again.
class ReportWindows : public QObject {
    Q_OBJECT
public:
    explicit ReportWindows(DesktopSession& session);

    // Report button, Reports | Schedule Report, and Yes to viewing the report after printing.
    void openAssignments();
    // Reports | Agent Report (report::kAgentReport) and Reports | Site Report (report::kSiteReport). The
    // window opens only when the report was built.
    void openDatabaseReport(int reportType);

    frmReport* assignments();
    rptmenu* databaseReport();
    // Deletes the windows; the next opening builds them afresh on the office then in use.
    void closeWindows();

private:
    DesktopSession& session_;
    QPointer<frmReport> assignments_;
    QPointer<rptmenu> databaseReport_;
};

// Creates the report windows' owner for a started session and attaches it to the main window's commands
// (Report, Reports | Schedule Report, Agent Report, Site Report, and the report offered after Print).
// The returned object belongs to the main window.
ReportWindows* attachReportWindows(DesktopSession& session);

} // namespace rp
