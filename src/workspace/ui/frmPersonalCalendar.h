#pragma once

#include <QDate>
#include <QDialog>
#include <functional>

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace rp {

class LeaveChecks;
class Ui;
struct Workspace;

// "Personal Calendar": chooses the month of the personal calendar to show, or erases a month's texts.
class frmPersonalCalendar : public QDialog {
    Q_OBJECT
public:
    // What the dialog asks of the main window.
    struct Actions {
        std::function<void()> exitExample;    // leave an example set-up first
        std::function<void()> customCalendar; // show the personal calendar of LastCalendar.txt
        std::function<void(bool)> buttonOnOff;
    };

    frmPersonalCalendar(Ui& ui, Workspace& workspace, QString appFolder, Actions actions,
                        QWidget* parent = nullptr);

    QGroupBox* frmCustom;
    QLabel* lblMonth;
    QLabel* lblYear;
    QComboBox* cboCustomMonth;
    QComboBox* cboCustomYear;
    QPushButton* cmdLoad;
    QPushButton* cmdExit;
    QPushButton* cmdErase;

    void cmdLoad_Click();
    void cmdExit_Click();
    void cmdErase_Click();
    // Leaving a box: false (and a message) when its text is not acceptable.
    bool cboCustomMonth_LostFocus();
    bool cboCustomYear_LostFocus();

    // Today, for tests.
    void setToday(const QDate& today) { today_ = today; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void load();
    // The checks of both boxes, before OK and Erase.
    bool entriesPass();
    Ui& ui_;
    Workspace& workspace_;
    QString appFolder_;
    Actions actions_;
    QDate today_;
    LeaveChecks* checks_;
};

} // namespace rp
