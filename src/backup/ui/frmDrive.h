#pragma once

#include "backup/Transfers.h"
#include "backup/Volumes.h"

#include <QDialog>
#include <functional>

class QLabel;
class QListWidget;
class QPushButton;

namespace rp {

class Ui;

// The drive chooser of export and import: the mounted volumes a backup may go to (removable media
// first), the home folder and "Other folder...". A drive's backup folder is RPBackup at its root.
// The first removable medium is chosen at first, else the home folder, so that Enter never backs up
// to the system disk.
class frmDrive : public QDialog {
    Q_OBJECT
public:
    explicit frmDrive(Ui& ui, QWidget* parent = nullptr);

    QListWidget* Drive1;
    QPushButton* OKButton;
    QPushButton* CancelButton;
    QLabel* Label1;

    // The transfer the chooser is shown for: it sets the caption and the note.
    TransferMode mode = TransferMode::Export;
    // Fills the list afresh and selects the first removable medium (a writable one for an export), else
    // the home folder; sets the caption and the note.
    void Form_Load();
    void OKButton_Click();
    void CancelButton_Click();

    // What the last showing chose: the root of a drive (or a folder), unless it was cancelled.
    QString chosenDrive;
    bool cancelled = true;

    // The mounted volumes, the home folder and the folder dialog of "Other folder..."; tests replace them.
    std::function<QList<Volume>()> volumes = MountedVolumes;
    QString homeFolder;
    std::function<QString()> chooseFolder;

protected:
    // Escape and the frame's close button cancel, as Cancel does.
    void reject() override;
    void showEvent(QShowEvent* event) override;

private:
    void addEntry(const QString& text, const QString& root, int row = -1);
    void updateOk();
    Ui& ui_;
};

} // namespace rp
