#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace rp {

struct Program;

// The site times editor ("Show times in place of letters"): the eight texts shown in place of the slot
// letters of one site and weekday, kept in that site's times file for the day. Each time it is shown it
// starts on Sunday and the first site.
class frmSiteTimes : public QDialog {
    Q_OBJECT
public:
    explicit frmSiteTimes(Program& program, QWidget* parent = nullptr);
    ~frmSiteTimes() override;

    QListWidget* lstSiteNames;
    QListWidget* lstDays;
    QCheckBox* chkUseTimes;
    // Object names lblLetter_0 ... lblLetter_7, txtTime_0 ... txtTime_7 (A to H) and cmdDOW_1 ... cmdDOW_7
    // (Sunday to Saturday).
    std::array<QLabel*, 8> lblLetter{};
    std::array<QLineEdit*, 8> txtTime{};
    std::array<QPushButton*, 7> cmdDOW{};
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QPushButton* cmdHelp;

    QString TimesFile;
    bool TimesChanged = false;

    // Loading the screen, and what happens each time it becomes the active window.
    void Form_Load();
    void Form_Activate();

    void InitLabelsAndTimes();
    void GetSiteNames();
    void FillDayList();
    void SetSiteLettersInUseByDay(const QString& siteName, int dayIndex);
    void SaveSiteTimes();

    void lstDays_Click();
    void lstSiteNames_Click();
    void cmdDOW_Click(int weekday);
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();

    // Whether a letter label is marked as in use for the day shown.
    bool letterInUse(int letter) const;

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildScreen();
    void selectionChanged(const QString& title);
    void showFile(const QString& path);
    void showNoFile();
    void setTimesEditable(bool editable);
    void reportBadName();
    // The times file of the selected site for a weekday (Error 52 when its name cannot name a file).
    QString selectedSiteFile(int weekday) const;

    Program& program_;
    bool selecting_ = false;
};

} // namespace rp
