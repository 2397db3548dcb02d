#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

namespace rp {

class Ui;

// The help viewer ("Help View"): lists a plain help text line by line.
class frmhlp : public QDialog {
    Q_OBJECT
public:
    explicit frmhlp(Ui& ui, QWidget* parent = nullptr);

    QListWidget* List1;
    QPushButton* cmdClose;

    // Fills the list with the lines of the help text at path, once for each showing: the list is
    // refilled here and nowhere else, so the window becoming active again adds nothing. A text that
    // cannot be read is reported with the title "Error" and false is returned; the caller then discards
    // the window rather than show it empty.
    bool LoadHelpText(const QString& path);
    // Empties the list and hides the window.
    void cmdClose_Click();

private:
    Ui& ui_;
};

} // namespace rp
