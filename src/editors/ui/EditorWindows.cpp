#include "editors/ui/EditorWindows.h"

#include "editors/ui/EditorSupport.h"
#include "editors/ui/frmAgt.h"
#include "editors/ui/frmSite.h"
#include "editors/ui/frmSiteTimes.h"
#include "workspace/ui/DesktopSession.h"
#include "workspace/ui/frmCalendar.h"
#include "workspace/ui/menunew.h"

namespace rp {

EditorWindows::EditorWindows(DesktopSession& session) : QObject(session.calendar.get()), session_(session) {
    setObjectName(QStringLiteral("EditorWindows"));
}

frmAgt* EditorWindows::agents() const {
    return agents_;
}

frmSite* EditorWindows::sites() const {
    return sites_;
}

void EditorWindows::openAgents() {
    frmCalendar& main = *session_.calendar;
    if (!agents_)
        agents_ = new frmAgt(session_.program, &main, &main);
    bool ended = true;
    RunHandler([&] {
        agents_->Form_Show();
        ended = false;
    });
    if (!ended)
        main.execDialog(*agents_);
}

void EditorWindows::openSites() {
    frmCalendar& main = *session_.calendar;
    if (!sites_)
        sites_ = new frmSite(session_.program, &main, &main);
    bool ended = true;
    RunHandler([&] {
        sites_->Form_Show();
        ended = false;
    });
    if (!ended)
        main.execDialog(*sites_);
}

void EditorWindows::openTimes() {
    frmCalendar& main = *session_.calendar;
    // A fresh screen for each opening; the one of the last opening goes now.
    delete times_.data();
    times_ = new frmSiteTimes(session_.program, &main);
    frmSiteTimes* times = times_;
    bool ended = true;
    // Showing the screen selects Sunday and the first site.
    RunHandler([&] {
        times->Form_Load();
        ended = false;
    });
    if (!ended)
        main.execDialog(*times);
}

void EditorWindows::closeEditors() {
    delete agents_.data();
    delete sites_.data();
}

EditorWindows* attachEditorWindows(DesktopSession& session) {
    auto* editors = new EditorWindows(session);
    menunew::Windows& w = session.controller->windows;
    w.agents = [editors] { editors->openAgents(); };
    w.sites = [editors] { editors->openSites(); };
    w.times = [editors] { editors->openTimes(); };
    w.closeEditors = [editors] { editors->closeEditors(); };
    return editors;
}

} // namespace rp
