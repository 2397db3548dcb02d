#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

namespace rp {

class Ui;

// The about box: the program's title, version and icon, and a command that starts the desktop's system
// information program.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(Ui& ui, QWidget* parent = nullptr);

    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;

    // Starts the first system information program found, or says that there is none.
    void cmdSysInfo_Click();

    // The system information programs looked for, in this order.
    static const QStringList SystemInfoPrograms;
    // The full path of an installed program by its name, or nothing; the default searches the PATH.
    std::function<QString(const QString& name)> findExecutable;
    // Starts a program without a shell; false when it does not start. The box gives no arguments.
    std::function<bool(const QString& path, const QStringList& arguments)> startProgram;

private:
    Ui& ui_;
};

} // namespace rp
