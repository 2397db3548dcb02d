#include "backup/ui/frmDrive.h"

#include "platform/Ui.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace rp {

namespace {

// The entry's root; "Other folder..." has none.
constexpr int kRootRole = Qt::UserRole;

QString volumeText(const Volume& v, const QString& homeFolder) {
    QString text = v.root;
    if (!v.label.isEmpty())
        text += QStringLiteral("  [") + v.label + QLatin1Char(']');
    if (v.readOnly)
        text += QStringLiteral("  (read-only)");
    if (QDir::cleanPath(v.root) == QDir::cleanPath(homeFolder))
        text += QStringLiteral("  (home folder)");
    return text;
}

} // namespace

frmDrive::frmDrive(Ui& ui, QWidget* parent) : QDialog(parent), homeFolder(QDir::homePath()), ui_(ui) {
    setObjectName(QStringLiteral("frmDrive"));
    setWindowTitle(QStringLiteral(" Back Up to Drive"));
    setModal(true);
    Drive1 = new QListWidget(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    // The list has no caption beside it: a screen reader reads this name.
    Drive1->setAccessibleName(QStringLiteral("Drives"));
    Label1 = new QLabel(this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setDefault(true);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setObjectName(QStringLiteral("CancelButton"));

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    buttons->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(Drive1, 1);
    top->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(Label1);
    resize(520, 300);

    chooseFolder = [this] {
        return QFileDialog::getExistingDirectory(this, QStringLiteral("Choose a folder"), homeFolder);
    };
    connect(OKButton, &QPushButton::clicked, this, &frmDrive::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &frmDrive::CancelButton_Click);
    connect(Drive1, &QListWidget::itemSelectionChanged, this, &frmDrive::updateOk);
    // Enter already presses OK, the default button; a double-click chooses too.
    connect(Drive1, &QListWidget::itemDoubleClicked, this, &frmDrive::OKButton_Click);
}

void frmDrive::addEntry(const QString& text, const QString& root, int row) {
    auto* item = new QListWidgetItem(text);
    item->setData(kRootRole, root);
    Drive1->insertItem(row < 0 ? Drive1->count() : row, item);
}

void frmDrive::Form_Load() {
    cancelled = true;
    Drive1->clear();
    const bool exporting = mode == TransferMode::Export;
    const QList<Volume> drives = ChooserDrives(volumes ? volumes() : QList<Volume>(), homeFolder);
    for (const Volume& v : drives)
        addEntry(volumeText(v, homeFolder), v.root);
    addEntry(QStringLiteral("Other folder..."), QString());
    Drive1->setCurrentRow(PreselectedDrive(drives, homeFolder, exporting));
    updateOk();
    setWindowTitle(exporting ? QStringLiteral("Export To Drive") : QStringLiteral("Import From Drive"));
    Label1->setText(QStringLiteral(" For safekeeping, back up\n  to an external drive, e.g. '/media/usb'"));
    Label1->setVisible(exporting);
}

void frmDrive::showEvent(QShowEvent* event) {
    ui_.setBusy(false);
    QDialog::showEvent(event);
}

void frmDrive::updateOk() {
    OKButton->setEnabled(!Drive1->selectedItems().isEmpty());
}

void frmDrive::OKButton_Click() {
    const QList<QListWidgetItem*> selected = Drive1->selectedItems();
    if (selected.isEmpty())
        return;
    QString root = selected.first()->data(kRootRole).toString();
    if (root.isEmpty()) {
        root = chooseFolder ? chooseFolder() : QString();
        if (root.isEmpty()) {
            Drive1->clearSelection();
            return;
        }
        const int other = Drive1->row(selected.first());
        addEntry(QDir::cleanPath(root), QDir::cleanPath(root), other);
        Drive1->setCurrentRow(other);
        root = QDir::cleanPath(root);
    }
    ui_.setBusy(true);
    chosenDrive = root;
    cancelled = false;
    accept();
}

void frmDrive::CancelButton_Click() {
    cancelled = true;
    QDialog::reject();
}

void frmDrive::reject() {
    CancelButton_Click();
}

} // namespace rp
