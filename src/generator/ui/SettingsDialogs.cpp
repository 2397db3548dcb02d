#include "generator/ui/SettingsDialogs.h"

#include "display_settings/ui/frmCalSettings.h"
#include "generator/ui/frmMoYr.h"
#include "generator/ui/frmTune.h"
#include "workspace/ui/DesktopSession.h"
#include "workspace/ui/frmCalendar.h"
#include "workspace/ui/menunew.h"

namespace rp {

SettingsDialogs::SettingsDialogs(DesktopSession& session)
    : QObject(session.calendar.get()), session_(session) {
    setObjectName(QStringLiteral("SettingsDialogs"));
}

frmMoYr* SettingsDialogs::month() {
    if (!month_) {
        month_ = new frmMoYr(session_.program, session_.calendar.get());
        DesktopSession* session = &session_;
        month_->closeEditors = [session] {
            if (session->controller && session->controller->windows.closeEditors)
                session->controller->windows.closeEditors();
        };
    }
    return month_;
}

frmTune* SettingsDialogs::fineTune() {
    if (!tune_) {
        tune_ = new frmTune(session_.program, session_.calendar.get());
    }
    return tune_;
}

frmCalSettings* SettingsDialogs::calSettings() {
    if (!cal_) {
        frmCalendar* main = session_.calendar.get();
        cal_ = new frmCalSettings(session_.program, main);
        cal_->repaintMain = [main] { main->update(); };
        // While the dialog exists, loading the settings in force also refreshes it.
        DisplayState& display = session_.program.display;
        QPointer<frmCalSettings> dialog = cal_;
        display.onLoaded = [dialog, earlier = display.onLoaded](int kind) {
            if (earlier)
                earlier(kind);
            if (dialog)
                dialog->settingsLoaded(kind);
        };
    }
    return cal_;
}

void SettingsDialogs::openMonth() {
    frmMoYr* dialog = month();
    dialog->today = session_.calendar->today;
    dialog->Form_Activate();
    session_.calendar->execDialog(*dialog);
}

void SettingsDialogs::openFineTune() {
    frmTune* dialog = fineTune();
    session_.calendar->execDialog(*dialog);
}

void SettingsDialogs::openCalSettings() {
    frmCalSettings* dialog = calSettings();
    dialog->Form_Activate();
    session_.calendar->execDialog(*dialog);
}

SettingsDialogs* attachSettingsDialogs(DesktopSession& session) {
    QPointer<SettingsDialogs> dialogs = new SettingsDialogs(session);
    menunew::Windows& w = session.controller->windows;
    w.month = [dialogs] {
        if (dialogs)
            dialogs->openMonth();
    };
    w.fineTune = [dialogs] {
        if (dialogs)
            dialogs->openFineTune();
    };
    w.calSettings = [dialogs] {
        if (dialogs)
            dialogs->openCalSettings();
    };
    return dialogs;
}

} // namespace rp
