#include "help/ui/frmAbout.h"

#include "platform/Ui.h"

#include <QGridLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyle>

namespace rp {

const QStringList frmAbout::SystemInfoPrograms{QStringLiteral("hardinfo"), QStringLiteral("kinfocenter")};

frmAbout::frmAbout(Ui& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral(" About ") + kProgramTitle);
    setModal(true);

    // The program has no icon of its own yet: the box shows the window icon, or the style's one.
    picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    QIcon icon = windowIcon();
    if (icon.isNull())
        icon = style()->standardIcon(QStyle::SP_TitleBarMenuButton);
    picIcon->setPixmap(icon.pixmap(48, 48));
    lblTitle = new QLabel(kProgramTitle, this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    QFont big = lblTitle->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    lblTitle->setFont(big);
    lblVersion = new QLabel(QStringLiteral("Version " ROTAPLAN_VERSION), this);
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), this);
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));

    auto* grid = new QGridLayout(this);
    grid->addWidget(picIcon, 0, 0, 2, 1, Qt::AlignTop);
    grid->addWidget(lblTitle, 0, 1, 1, 2);
    grid->addWidget(lblVersion, 1, 1, 1, 2);
    grid->addWidget(cmdOK, 2, 1, Qt::AlignRight);
    grid->addWidget(cmdSysInfo, 2, 2);
    grid->setColumnStretch(1, 1);

    findExecutable = [](const QString& name) { return QStandardPaths::findExecutable(name); };
    startProgram = [](const QString& path, const QStringList& arguments) {
        return QProcess::startDetached(path, arguments);
    };
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
}

void frmAbout::cmdSysInfo_Click() {
    for (const QString& name : SystemInfoPrograms) {
        const QString path = findExecutable(name);
        if (!path.isEmpty()) {
            if (startProgram(path, {}))
                return;
            break;
        }
    }
    ui_.message(QStringLiteral("System Information Is Unavailable At This Time"), {}, Icon::None,
                Buttons::Ok);
}

} // namespace rp
