#pragma once

#include "platform/qt/Twips.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace rp {

struct Program;
struct TuneSettings;

// "FINE TUNING": the generation switches of tune.dat (the manual rules) and AutoTune.dat (automatic fine
// tuning on or off). With automatic fine tuning on, the rule frames are hidden and the dialog is short.
class frmTune : public QDialog {
    Q_OBJECT
public:
    explicit frmTune(Program& program, QWidget* parent = nullptr);

    QCheckBox* chkAutomatic;
    QGroupBox* Frame1;
    QLabel* lblBefore;
    QLabel* lblAfter;
    QComboBox* cbobfr;
    QComboBox* cboAftr;
    QGroupBox* Frame2;
    QCheckBox* chkDay;
    QCheckBox* chkWeek;
    QCheckBox* chkSame;
    QGroupBox* Frame3;
    QRadioButton* Option1;
    QRadioButton* Option2;
    QPushButton* cmdTuneOK;
    QPushButton* cmdTuneCancel;
    QPushButton* cmdTuneHelp;
    // Gap filling after each generation (settings/FillGaps.dat), below the buttons in either height.
    QCheckBox* chkFillGaps;

    // Heights of the dialog and tops of its buttons, in pixels, with the rule frames shown and hidden.
    static constexpr int kTallHeight = twips(4740);
    static constexpr int kShortHeight = twips(1800);
    static constexpr int kTallButtonTop = twips(3600);
    static constexpr int kShortButtonTop = twips(600);

    // Reads tune.dat and AutoTune.dat into the controls; runs once, when the dialog is created.
    void Form_Load();
    void chkAutomatic_Click();
    void cmdTuneOK_Click();
    void cmdTuneCancel_Click();
    void cmdTuneHelp_Click();
    // A key typed into one of the two lists; returns whether it is accepted.
    bool cboList_KeyPress(const QString& typed);

public slots:
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showTuneFile();
    void showFrames(bool shown);
    void refuseEntry();
    void listEdited(QComboBox* list, const QString& text);

    Program& program_;
    QString lastBefore_;
    QString lastAfter_;
};

// The rule summary of a fine-tuning question: the pieces, each but the last ended by CR LF.
QString ManualTuningQuestion();

} // namespace rp
