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
struct Program;

// "GENERATE SCHEDULE USING ...": chooses the month and year of the next schedule, stores them in
// month.dat and offers to clear the agents' and sites' requests of the month past.
class frmMoYr : public QDialog {
    Q_OBJECT
public:
    explicit frmMoYr(Program& program, QWidget* parent = nullptr);

    QGroupBox* Frame1;
    QLabel* lblMonth;
    QLabel* lblYear;
    QComboBox* cboMonth;
    QComboBox* cboYear;
    QPushButton* cmdMoOK;
    QPushButton* cmdMoCancel;

    // Fills the lists from month.dat each time the dialog is shown.
    void Form_Activate();
    void cboYear_LostFocus();
    void cmdMoOK_Click();
    void cmdMoCancel_Click();

    // Closes the agent and site editors, so that they show the cleared requests when opened again.
    std::function<void()> closeEditors;
    // Today's date; the years on offer lie around its year.
    QDate today = QDate::currentDate();

    // The years on offer for a given current year.
    static QStringList yearsAround(int year);

public slots:
    // Escape and the title bar's close button cancel.
    void reject() override;

private:
    void fillMonths();
    // The month and year of month.dat; fields it lacks, or holds out of range, are today's.
    void showMonthFile();
    bool entryIsProper(int& month, int& year) const;
    void askToEraseRequests();

    Program& program_;
    QString startMonth_;
    QString startYear_;
    LeaveChecks* checks_;
};

} // namespace rp
