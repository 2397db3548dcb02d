#pragma once

#include <QDialog>
#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace rp {

// The example set-ups window: the list of example offices with a description of the one chosen. OK shows
// the chosen example, Cancel closes the window, Help shows its help text.
class frmExamples : public QDialog {
    Q_OBJECT
public:
    explicit frmExamples(QWidget* parent = nullptr);

    QGroupBox* Frame1;
    QComboBox* cboExample;
    QLabel* Label1;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QPushButton* cmdHelp;

    void cboExample_Click();
    void cmdOK_Click();
    void cmdCancel_Click();

    // What OK and Help do: show the example of a list entry (0 = the first), show the help text.
    std::function<void(int entry)> showExample;
    std::function<void()> help;
};

} // namespace rp
