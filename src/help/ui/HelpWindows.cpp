#include "help/ui/HelpWindows.h"

#include "help/ui/frmAbout.h"
#include "help/ui/frmBrowser.h"
#include "help/ui/frmhlp.h"
#include "workspace/ui/DesktopSession.h"
#include "workspace/ui/frmCalendar.h"

#include <QUrl>

namespace rp {

HelpWindows::HelpWindows(DesktopSession& session) : QObject(session.calendar.get()), session_(session) {
    setObjectName(QStringLiteral("HelpWindows"));
}

frmhlp* HelpWindows::viewer() const {
    return viewer_;
}

frmBrowser* HelpWindows::browser() const {
    return browser_;
}

frmAbout* HelpWindows::about() const {
    return about_;
}

void HelpWindows::showHelp(const QString& path) {
    frmCalendar& main = *session_.calendar;
    if (!viewer_)
        viewer_ = new frmhlp(session_.program.ui, &main);
    if (!viewer_->LoadHelpText(path)) {
        delete viewer_.data();
        return;
    }
    main.execDialog(*viewer_);
}

void HelpWindows::openBrowser() {
    if (!browser_) {
        const QString folder = session_.program.paths.file(QStringLiteral("help"));
        browser_ = new frmBrowser(session_.program.ui, folder, session_.calendar.get());
        browser_->StartingAddress = folder + QStringLiteral("/index.html");
        browser_->Form_Load();
    }
    browser_->show();
    browser_->raise();
    browser_->activateWindow();
}

void HelpWindows::openAbout() {
    frmCalendar& main = *session_.calendar;
    if (!about_)
        about_ = new frmAbout(session_.program.ui, &main);
    main.execDialog(*about_);
}

HelpWindows* attachHelpWindows(DesktopSession& session) {
    QPointer<HelpWindows> help = new HelpWindows(session);
    const auto file = [&session](const char* name) {
        return session.program.paths.file(QStringLiteral("help/") + QLatin1String(name));
    };
    frmCalendar::Commands& c = session.calendar->commands;
    c.helpStart = [help, path = file("Mainhlp.txt")] { help->showHelp(path); };
    c.helpGenerated = [help, path = file("Kalhlp.txt")] { help->showHelp(path); };
    c.browser = [help] { help->openBrowser(); };
    c.about = [help] { help->openAbout(); };
    session.program.showHelp = [help](const QString& path) {
        if (help)
            help->showHelp(path);
    };
    return help;
}

} // namespace rp
