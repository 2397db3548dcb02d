#pragma once

#include <QDialog>

class QCheckBox;
class QListWidget;
class QPushButton;

namespace rp {

class Ui;

// The first-run instructions: the welcome text for new users, or the new-features text for users of
// the earlier version. A tick box stops it from appearing again.
class frmdlg_Instruct : public QDialog {
    Q_OBJECT
public:
    // dialogueString "RPWin99" shows the new-features text, anything else the welcome text.
    frmdlg_Instruct(Ui& ui, QString appFolder, QString dialogueString, QWidget* parent = nullptr);

    QListWidget* List1;
    QCheckBox* chkShowNoMore;
    QPushButton* OKButton;

    // Fills the list; false (after the message) when the text cannot be read.
    bool Form_Load();
    void OKButton_Click();

    static QString skipFilePath(const QString& appFolder);

private:
    Ui& ui_;
    QString appFolder_;
    QString dialogueString_;
};

} // namespace rp
