#include "workspace/ui/frmdlg_Instruct.h"

#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/Text.h"
#include "platform/Ui.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace rp {

QString frmdlg_Instruct::skipFilePath(const QString& appFolder) {
    return appFolder + QStringLiteral("/settings/SkipInstruct.txt");
}

frmdlg_Instruct::frmdlg_Instruct(Ui& ui, QString appFolder, QString dialogueString, QWidget* parent)
    : QDialog(parent), ui_(ui), appFolder_(std::move(appFolder)), dialogueString_(std::move(dialogueString)) {
    setObjectName(QStringLiteral("frmdlg_Instruct"));
    setWindowTitle(QStringLiteral("  New features."));
    setModal(true);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    chkShowNoMore = new QCheckBox(QStringLiteral("&In the future, do not show this message."), this);
    chkShowNoMore->setObjectName(QStringLiteral("chkShowNoMore"));
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(List1);
    layout->addWidget(chkShowNoMore);
    layout->addWidget(OKButton, 0, Qt::AlignRight);
    resize(620, 420);
    connect(OKButton, &QPushButton::clicked, this, &frmdlg_Instruct::OKButton_Click);
}

bool frmdlg_Instruct::Form_Load() {
    QString file = QStringLiteral("NEWSTUFF.txt");
    if (dialogueString_ != QLatin1String("RPWin99")) {
        setWindowTitle(QStringLiteral("  Welcome! "));
        file = QStringLiteral("NEWUSER.txt");
    }
    const auto text = readTextFile(appFolder_ + QStringLiteral("/help/") + file);
    if (!text) {
        const Error e = Error::runtime(err::FileNotFound);
        ui_.message(QStringLiteral("%1(#)%2)").arg(e.description).arg(e.number), QStringLiteral("Error"));
        return false;
    }
    List1->clear();
    for (const QString& line : splitLines(*text))
        List1->addItem(line);
    return true;
}

void frmdlg_Instruct::OKButton_Click() {
    if (chkShowNoMore->isChecked()) {
        try {
            writeTextFileAtomic(skipFilePath(appFolder_), crlfLines({QStringLiteral("1")}));
        } catch (const Error& e) {
            ui_.message(QStringLiteral("%1 = %2").arg(e.description).arg(e.number),
                        QStringLiteral("frmdlgRPWin99.CheckNoMore"));
        }
    }
    accept();
}

} // namespace rp
