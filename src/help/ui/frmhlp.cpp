#include "help/ui/frmhlp.h"

#include "help/HelpFiles.h"
#include "platform/Ui.h"

#include <QFontDatabase>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace rp {

frmhlp::frmhlp(Ui& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
    setObjectName(QStringLiteral("frmhlp"));
    setWindowTitle(QStringLiteral("Help View"));
    setModal(true);
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    // The help texts line up their columns with blanks.
    List1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(List1, 1);
    layout->addWidget(cmdClose, 0, Qt::AlignRight);
    resize(680, 480);
    connect(cmdClose, &QPushButton::clicked, this, &frmhlp::cmdClose_Click);
}

bool frmhlp::LoadHelpText(const QString& path) {
    QStringList lines;
    try {
        lines = ReadHelpLines(path);
    } catch (const Error& e) {
        ui_.message(HelpReadErrorText(path, e), QStringLiteral("Error"), Icon::Critical);
        return false;
    }
    List1->clear();
    List1->addItems(lines);
    List1->scrollToTop();
    return true;
}

void frmhlp::cmdClose_Click() {
    List1->clear();
    accept();
}

} // namespace rp
