#pragma once

#include "display_settings/DisplaySettings.h"

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace rp {

struct Program;

// A font as the font dialog offers and returns it. Colours are 0xBBGGRR.
struct FontChoice {
    QString face;
    int size = 0;
    bool bold = false;
    bool italic = false;
    int32_t color = 0;
};

enum class FontTarget { Screen, Printer };

// The platform's font dialog: faces, sizes 4 to 18, bold, italic, effects and a text colour. Returns
// nothing when the user cancels; throws rp::Error when the dialog fails.
std::optional<FontChoice> ChooseFont(QWidget* parent, const FontChoice& start, FontTarget target);

// "Calendar Display Settings": edits the default set (shown read-only) or the custom set of the calendar
// display settings. The controls edit a working copy; OK writes it to the settings files and puts it in
// force, Cancel drops it (the next opening reads the files again).
class frmCalSettings : public QDialog {
    Q_OBJECT
public:
    explicit frmCalSettings(Program& program, QWidget* parent = nullptr);
    ~frmCalSettings() override;

    QCheckBox* chkDefaultFonts;
    QGroupBox* fraFont;
    QPushButton* cmdScreen;
    QPushButton* cmdPrinted;
    QGroupBox* fraLetters;
    std::array<QRadioButton*, 3> Option1; // always, never, only when an agent is assigned
    QGroupBox* fraDayHeight;
    QLabel* lblScreenDayHeight;
    QLabel* lblPrintedDayHeight;
    QLineEdit* txtScreenDayHeight;
    QLineEdit* txtPrintedDayHeight;
    QGroupBox* Frame1;
    QCheckBox* chkFullName;
    QLabel* lblCharacters;
    QLineEdit* txtFullNameSize;
    QCheckBox* chkAllowDefaultSettings;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QPushButton* cmdHelp;

    // The font dialog; tests answer it themselves.
    std::function<std::optional<FontChoice>(const FontChoice& start, FontTarget target)> CommonDialog1;
    // Asks the main window to repaint.
    std::function<void()> repaintMain;

    // Runs each time the dialog is shown: chooses the set to show from the settings in force.
    void Form_Activate();
    void LoadCustomForEdit();
    void LoadDefaultForView();
    void chkDefaultFonts_Click();
    void chkAllowDefaultSettings_Click();
    void Option1_Click(int index);
    void chkFullName_Click();
    void cmdScreen_Click();
    void cmdPrinted_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();

    // The settings in force were loaded again (SetFontsToCustom / SetFontsToDefault): while the dialog is
    // open its controls follow them.
    void settingsLoaded(int kind);

    const DisplayValues& working() const { return work_; }
    int workingKind() const { return workKind_; }

public slots:
    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    struct NumberBox {
        QLineEdit* box;
        int low;
        int high;
        int reset;
        int32_t DisplayValues::*field;
    };
    void checkNumber(const NumberBox& n);
    // Writes the working copy and puts it in force; false (after the message) when a write failed.
    bool save();
    void fillControls(const DisplayValues& v);
    void enableEditing(bool settings, bool fullName);
    void chooseFont(FontTarget target);
    void repaint();

    Program& program_;
    DisplayValues work_;
    int workKind_ = 1;
    bool open_ = false;
    std::array<NumberBox, 3> numbers_;
};

} // namespace rp
