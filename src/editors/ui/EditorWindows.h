#pragma once

#include <QObject>
#include <QPointer>

namespace rp {

class DesktopSession;
class frmAgt;
class frmSite;
class frmSiteTimes;

// The agent, site and site-times editors of a session. The agent and site editors are created on first
// use and then hidden and shown again; closeEditors() closes them, so that they read the office afresh
// when next opened. The site-times editor is created afresh for each opening.
class EditorWindows : public QObject {
    Q_OBJECT
public:
    explicit EditorWindows(DesktopSession& session);

    void openAgents();
    void openSites();
    void openTimes();
    void closeEditors();

    frmAgt* agents() const;
    frmSite* sites() const;

private:
    DesktopSession& session_;
    QPointer<frmAgt> agents_;
    QPointer<frmSite> sites_;
    QPointer<frmSiteTimes> times_;
};

// Creates the editors for a started session and attaches them to the main window's commands
// (Agents, Sites, Settings | Schedule Times). The returned object belongs to the main window.
EditorWindows* attachEditorWindows(DesktopSession& session);

} // namespace rp
