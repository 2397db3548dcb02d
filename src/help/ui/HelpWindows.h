#pragma once

#include <QObject>
#include <QPointer>

namespace rp {

class DesktopSession;
class frmAbout;
class frmBrowser;
class frmhlp;

// The help viewer, the web help and the about box of a session. Each is created on first use and then
// hidden and shown again; a viewer whose text cannot be read is discarded instead of shown.
class HelpWindows : public QObject {
    Q_OBJECT
public:
    explicit HelpWindows(DesktopSession& session);

    // Shows the help text at a full path in the viewer, modally.
    void showHelp(const QString& path);
    // Opens the web help on the help folder's index page.
    void openBrowser();
    void openAbout();

    frmhlp* viewer() const;
    frmBrowser* browser() const;
    frmAbout* about() const;

private:
    DesktopSession& session_;
    QPointer<frmhlp> viewer_;
    QPointer<frmBrowser> browser_;
    QPointer<frmAbout> about_;
};

// Creates the help windows of a started session and attaches them to the main window's Help menu (Getting
// Started, Generated Schedule, Web Site / Latest Help, About) and to the Help command of every other
// window. The returned object belongs to the main window.
HelpWindows* attachHelpWindows(DesktopSession& session);

} // namespace rp
