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
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <utility>

namespace rp {

namespace {

// Fits a window that is about to be shown into the available area of its parent's screen and centres it
// over the parent, as dialogs are placed; its frame is taken to be as wide as its parent's, which a
// window not yet shown does not know of its own.
void placeOverParent(QWidget& w) {
    const QWidget* parent = w.parentWidget() ? w.parentWidget()->window() : nullptr;
    QScreen* screen = parent ? parent->screen() : w.screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QMargins frame =
        parent && parent->windowHandle() ? parent->windowHandle()->frameMargins() : QMargins();
    const QSize room = area.marginsRemoved(frame).size();
    w.resize(w.size().boundedTo(room));
    QRect outer = QRect(QPoint(), w.size()).marginsAdded(frame);
    outer.moveCenter(parent && parent->isVisible() ? parent->frameGeometry().center() : area.center());
    outer.moveLeft(std::max(area.left(), std::min(outer.left(), area.right() - outer.width() + 1)));
    outer.moveTop(std::max(area.top(), std::min(outer.top(), area.bottom() - outer.height() + 1)));
    w.move(outer.topLeft());
}

} // namespace

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
    cmdClose = new QPushButton(QStringLiteral("&Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
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
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    layout->addLayout(buttons);
    resize(760, 560);

    openExternal = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    connect(Back, &QAction::triggered, brwWebBrowser, &QTextBrowser::backward);
    connect(Forward, &QAction::triggered, brwWebBrowser, &QTextBrowser::forward);
    connect(Refresh, &QAction::triggered, brwWebBrowser, &QTextBrowser::reload);
    connect(Home, &QAction::triggered, this, [this] { Navigate(QStringLiteral("index.html")); });
    connect(Stop, &QAction::triggered, this, &frmBrowser::Stop_Click);
    connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
    // Escape closes the window as it closes a dialog, from any control but an open address list.
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
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

void frmBrowser::setVisible(bool visible) {
    if (visible && !isVisible())
        placeOverParent(*this);
    QWidget::setVisible(visible);
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
