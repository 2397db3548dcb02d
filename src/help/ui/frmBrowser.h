#pragma once

#include <QTextBrowser>
#include <QWidget>
#include <functional>

class QAction;
class QComboBox;
class QLabel;
class QPushButton;
class QTimer;
class QToolBar;

namespace rp {

class Ui;
struct HelpLink;

// The page view of the web help: shows the pages and help texts of the help folder and nothing else.
class HelpPageView : public QTextBrowser {
    Q_OBJECT
public:
    HelpPageView(QString helpFolder, QWidget* parent);
    QVariant loadResource(int type, const QUrl& name) override;

private:
    QString helpFolder_;
};

// The web help: the bundled help pages, read without a network, with an address box and Back, Forward,
// Refresh, Home and Stop. Web addresses are handed to the desktop's browser, never opened here. Close and
// Escape hide it; each opening centres it over its parent, inside the screen's available area.
class frmBrowser : public QWidget {
    Q_OBJECT
public:
    frmBrowser(Ui& ui, const QString& helpFolder, QWidget* parent = nullptr);

    QLabel* lblAddress;
    QComboBox* cboAddress;
    QToolBar* tbToolBar;
    QAction* Back;
    QAction* Forward;
    QAction* Refresh;
    QAction* Home;
    QAction* Search;
    QAction* Stop;
    HelpPageView* brwWebBrowser;
    QPushButton* cmdClose;
    QTimer* timTimer;

    // The address opened first.
    QString StartingAddress;
    // Opens a web address in the desktop's browser; the default asks the desktop. Tests record the call.
    std::function<bool(const QUrl&)> openExternal;

    // Shows the window and opens StartingAddress.
    void Form_Load();
    // Opens an address as typed into the address box.
    void Navigate(const QString& address);
    void Stop_Click();
    // Loads the page asked for while the caption says "Working...", then names the page.
    void timTimer_Timer();

    void setVisible(bool visible) override;

private:
    void follow(const HelpLink& link, const QString& shown);
    void brwWebBrowser_SourceChanged(const QUrl& url);
    QString pageName() const;

    Ui& ui_;
    QString helpFolder_;
    QUrl pending_;
};

} // namespace rp
