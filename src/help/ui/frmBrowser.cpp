#include "help/ui/frmBrowser.h"

#include "help/HelpFiles.h"
#include "platform/Ui.h"

#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <utility>

namespace rp {

HelpPageView::HelpPageView(QString helpFolder, QWidget* parent)
    : QTextBrowser(parent), helpFolder_(std::move(helpFolder)) {}

// Every page and picture comes from the help folder; a plain help text is shown as it is written.
QVariant HelpPageView::loadResource(int type, const QUrl& name) {
    const HelpLink link = ResolveHelpLink(name, helpFolder_);
    if (link.kind != HelpLink::Page)
        return {};
    const QString path = link.url.toLocalFile();
    if (path.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive)) {
        try {
            return HelpTextPage(ReadHelpLines(path));
        } catch (const Error&) {
            return {};
        }
    }
    return QTextBrowser::loadResource(type, link.url);
}

frmBrowser::frmBrowser(Ui& ui, const QString& helpFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), ui_(ui), helpFolder_(helpFolder) {
    setObjectName(QStringLiteral("frmBrowser"));
    tbToolBar = new QToolBar(this);
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    const auto button = [this](const QString& name) {
        QAction* a = tbToolBar->addAction(name);
        a->setObjectName(name);
        return a;
    };
    Back = button(QStringLiteral("Back"));
    Forward = button(QStringLiteral("Forward"));
    Refresh = button(QStringLiteral("Refresh"));
    Home = button(QStringLiteral("Home"));
    Search = button(QStringLiteral("Search"));
    Stop = button(QStringLiteral("Stop"));
    // There is no search engine without a network.
    Search->setEnabled(false);
    Back->setEnabled(false);
    Forward->setEnabled(false);

    lblAddress = new QLabel(QStringLiteral("&Address:"), this);
    lblAddress->setObjectName(QStringLiteral("lblAddress"));
    cboAddress = new QComboBox(this);
    cboAddress->setObjectName(QStringLiteral("cboAddress"));
    cboAddress->setEditable(true);
    cboAddress->setInsertPolicy(QComboBox::NoInsert);
    lblAddress->setBuddy(cboAddress);
    brwWebBrowser = new HelpPageView(helpFolder_, this);
    brwWebBrowser->setObjectName(QStringLiteral("brwWebBrowser"));
    brwWebBrowser->setOpenLinks(false);
    timTimer = new QTimer(this);
    timTimer->setObjectName(QStringLiteral("timTimer"));
    timTimer->setInterval(0);

    auto* address = new QHBoxLayout;
    address->addWidget(lblAddress);
    address->addWidget(cboAddress, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tbToolBar);
    layout->addLayout(address);
    layout->addWidget(brwWebBrowser, 1);
    resize(760, 560);

    openExternal = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    connect(Back, &QAction::triggered, brwWebBrowser, &QTextBrowser::backward);
    connect(Forward, &QAction::triggered, brwWebBrowser, &QTextBrowser::forward);
    connect(Refresh, &QAction::triggered, brwWebBrowser, &QTextBrowser::reload);
    connect(Home, &QAction::triggered, this, [this] { Navigate(QStringLiteral("index.html")); });
    connect(Stop, &QAction::triggered, this, &frmBrowser::Stop_Click);
    connect(brwWebBrowser, &QTextBrowser::backwardAvailable, Back, &QAction::setEnabled);
    connect(brwWebBrowser, &QTextBrowser::forwardAvailable, Forward, &QAction::setEnabled);
    connect(brwWebBrowser, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
        follow(ResolveHelpLink(brwWebBrowser->source().resolved(link), helpFolder_), link.toString());
    });
    connect(brwWebBrowser, &QTextBrowser::sourceChanged, this, &frmBrowser::brwWebBrowser_SourceChanged);
    connect(cboAddress, &QComboBox::activated, this, [this](int i) { Navigate(cboAddress->itemText(i)); });
    connect(cboAddress->lineEdit(), &QLineEdit::returnPressed, this,
            [this] { Navigate(cboAddress->currentText()); });
    connect(timTimer, &QTimer::timeout, this, &frmBrowser::timTimer_Timer);
}

void frmBrowser::Form_Load() {
    show();
    if (StartingAddress.isEmpty())
        return;
    cboAddress->setEditText(StartingAddress);
    if (cboAddress->findText(StartingAddress) < 0)
        cboAddress->addItem(StartingAddress);
    Navigate(StartingAddress);
}

void frmBrowser::Navigate(const QString& address) {
    follow(ResolveHelpAddress(address, helpFolder_), address);
}

void frmBrowser::follow(const HelpLink& link, const QString& shown) {
    if (link.kind == HelpLink::External) {
        if (!openExternal(link.url))
            ui_.message(QStringLiteral("No web browser could be started for %1.").arg(link.url.toString()));
    } else if (link.kind == HelpLink::Refused) {
        ui_.message(QStringLiteral("The help page %1 was not found.").arg(shown));
    } else {
        pending_ = link.url;
        setWindowTitle(QStringLiteral("Working..."));
        timTimer->start();
    }
}

void frmBrowser::timTimer_Timer() {
    timTimer->stop();
    if (pending_.isValid())
        brwWebBrowser->setSource(std::exchange(pending_, {}));
    setWindowTitle(pageName());
}

void frmBrowser::Stop_Click() {
    timTimer->stop();
    pending_.clear();
    setWindowTitle(pageName());
}

void frmBrowser::brwWebBrowser_SourceChanged(const QUrl& url) {
    const QString address = url.toDisplayString(QUrl::PreferLocalFile);
    if (cboAddress->findText(address) < 0)
        cboAddress->addItem(address);
    cboAddress->setEditText(address);
    if (!pending_.isValid())
        setWindowTitle(pageName());
}

QString frmBrowser::pageName() const {
    const QString title = brwWebBrowser->documentTitle();
    return title.isEmpty() ? QFileInfo(brwWebBrowser->source().toLocalFile()).fileName() : title;
}

} // namespace rp
