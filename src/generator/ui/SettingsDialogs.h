#pragma once

#include <QObject>
#include <QPointer>

namespace rp {

class DesktopSession;
class frmCalSettings;
class frmMoYr;
class frmTune;

// The month, fine-tuning and calendar display settings dialogs of a session. Each is created on first use
// and then hidden and shown again, so its state lives as long as the main window.
class SettingsDialogs : public QObject {
    Q_OBJECT
public:
    explicit SettingsDialogs(DesktopSession& session);

    void openMonth();
    void openFineTune();
    void openCalSettings();

    frmMoYr* month();
    frmTune* fineTune();
    frmCalSettings* calSettings();

private:
    DesktopSession& session_;
    QPointer<frmMoYr> month_;
    QPointer<frmTune> tune_;
    QPointer<frmCalSettings> cal_;
};

// Creates the dialogs' owner for a started session and attaches it to the main window's commands (Month,
// Settings | Schedule Fine Tune, Settings | Calendar Settings). The returned object belongs to the main
// window.
SettingsDialogs* attachSettingsDialogs(DesktopSession& session);

} // namespace rp
