#include "reports/ui/ReportWindows.h"

#include "platform/Ui.h"
#include "reports/DatabaseReports.h"
#include "reports/ui/frmReport.h"
#include "reports/ui/rptmenu.h"
#include "workspace/ui/DesktopSession.h"
#include "workspace/ui/frmCalendar.h"
#include "workspace/ui/menunew.h"

namespace rp {

ReportWindows::ReportWindows(DesktopSession& session) : QObject(session.calendar.get()), session_(session) {
    setObjectName(QStringLiteral("ReportWindows"));
}

frmReport* ReportWindows::assignments() {
    if (!assignments_)
        assignments_ = new frmReport(session_.program, session_.workspace, session_.calendar.get());
    return assignments_;
}

rptmenu* ReportWindows::databaseReport() {
    if (!databaseReport_)
        databaseReport_ = new rptmenu(session_.program, session_.calendar.get());
    return databaseReport_;
}

void ReportWindows::closeWindows() {
    delete assignments_;
    delete databaseReport_;
}

void ReportWindows::openAssignments() {
    frmReport& window = *assignments();
    window.Form_Activate();
    session_.calendar->execDialog(window);
}

void ReportWindows::openDatabaseReport(int reportType) {
    rptmenu& window = *databaseReport();
    window.ReportType = reportType;
    try {
        if (!window.BuildReport())
            return;
    } catch (const ProgramEnded&) {
        return; // the database cannot be accessed and the program is ending
    }
    session_.calendar->execDialog(window);
}

ReportWindows* attachReportWindows(DesktopSession& session) {
    auto* reports = new ReportWindows(session);
    frmCalendar::Commands& c = session.calendar->commands;
    c.report = [reports] { reports->openAssignments(); };
    c.printAgents = [reports] { reports->openDatabaseReport(report::kAgentReport); };
    c.printSites = [reports] { reports->openDatabaseReport(report::kSiteReport); };
    session.controller->windows.closeReports = [reports] { reports->closeWindows(); };
    return reports;
}

} // namespace rp
