#pragma once

#include "editors/EntryRules.h"
#include "editors/ui/BoundCursor.h"

#include <QDialog>
#include <QList>
#include <array>
#include <functional>

class QBoxLayout;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QListWidget;
class QPushButton;

namespace rp {

class DatePicker;
class EntryBox;
class LeaveChecks;
class frmCalendar;
struct Program;

// What the agent and site editors share. Each shows one record of a table at a time through a bound
// cursor (written back whenever the cursor leaves it), with a click list of the table's records, a
// calendar that adds days to a date box, and eight commands: ADD, CANCEL ADD, DELETE, FIND, PREVIOUS,
// NEXT, HELP and OK/EXIT. Every command first runs the check of the box being left. Closing the window
// is leaving it with OK/EXIT; Escape does nothing, unless the first draw failed and there is nothing to
// write. After a failed first draw only HELP and OK/EXIT are offered.
class RecordEditor : public QDialog {
    Q_OBJECT
public:
    ~RecordEditor() override;

    bool Adding = false;
    bool DashTipShown = false;

    // Draws the screen: opens the cursor, fills the click list and shows the first record. A draw that
    // fails is reported and tried again at the next opening.
    void Form_Paint();

    void SetBrowseButtons();
    void SetAddingButtons();
    void ShowDashTip(const QString& text);

    // What an editor shows, and the object names of its own controls of the shared kinds.
    struct Names {
        const char* window;
        const char* title;
        const char* table;
        const char* listField;  // the field FIND searches; the click list holds the records that have it
        const char* paintTitle; // the title of the report of a failed draw
        const char* list;
        const char* calendar;
        // ADD, DELETE, FIND, HELP, PREVIOUS, NEXT and OK/EXIT; CANCEL ADD is cmdCancel in every editor.
        std::array<const char*, 7> commands;
    };

protected:
    RecordEditor(Program& program, frmCalendar* mainWindow, QWidget* parent, const Names& names);

    BoundCursor& cursor() { return cursor_; }
    const BoundCursor& cursor() const { return cursor_; }

    // The click list's entry for the current record, and whether the shown record's boxes that the entry
    // is made of were changed.
    virtual QString listEntry(const Recordset& rs) const = 0;
    virtual bool listedChanged() const = 0;
    // The boxes hidden while the screen is drawn, and the boxes usable only with a record to show.
    virtual QList<EntryBox*> drawnBoxes() const = 0;
    virtual QList<EntryBox*> recordBoxes() const = 0;
    // Steps of the draw: once the click list is filled, and once the first record is shown.
    virtual void afterListFilled() {}
    virtual void afterFirstShow() {}
    // The OK/EXIT command, which closing the window runs too.
    virtual void okExit() = 0;

    // Building the screen: the editor's boxes first, then the shared controls, so that the boxes come
    // first in the tab order and one of them has the focus when the window opens. The commands come in
    // the order of Names::commands, then CANCEL ADD.
    void createControls(QListWidget*& list, DatePicker*& calendar, QLabel*& calendarNote,
                        const std::array<QPushButton**, 8>& commands);
    EntryBox* entryBox(const char* name, KeyRule rule, int limit, const QString& tip = {});
    // A frame of labelled boxes in a column of the screen.
    QGridLayout* addFrame(QBoxLayout* column, const QString& title);
    // A label and its box side by side. The label names its buddy (the box, or the one given); a label
    // with a mnemonic gives the buddy the focus.
    static void addRow(QGridLayout* grid, int row, int column, const QString& label, QWidget* box,
                       QWidget* buddy = nullptr);
    QGroupBox* clickListFrame(const QString& title);
    // The record boxes on the left, the room of the calendar beside them, the click list on the right and
    // the commands below; size is the window's size without the calendar's room.
    void layOut(QLayout* boxes, QWidget* listFrame, QSize size);
    // Keeps the window within the screen's available area.
    void fitScreen();

    // Handlers. A command runs after the check of the box being left; a box's check runs when the focus
    // leaves it and before every command.
    void onCommand(QPushButton* button, std::function<void()> handler);
    void onListClick(std::function<void(const QString&)> handler);
    void onDateClicks(std::function<void()> click, std::function<void()> doubleClick);
    void watch(EntryBox* box, std::function<bool()> check);
    // A box whose leave steps refuse nothing.
    void watchLeave(EntryBox* box, std::function<void()> leave);
    // A date box getting the focus, or clicked while it has it (which brings back the calendar a double
    // click hid).
    void onDateBoxFocus(EntryBox* box, std::function<void()> handler);

    // Opening: the schedule month on the calendar, and a draw when none succeeded yet. True when the
    // screen was drawn already.
    bool beginShow();
    void showScheduleMonth();

    // The calendar, shown in a room of its own beside the boxes, level with the date box it adds days to.
    void showCalendar(bool shown);
    void showCalendarBeside(const EntryBox* box);
    // Adds the clicked day to a box holding at most room characters; a fuller box beeps (false).
    bool appendClickedDay(EntryBox* box, int room);
    // Takes the day last added off the box and hides the calendar.
    void removeLastDay(EntryBox* box);

    // ADD: only on a drawn screen, and the shown record needs a name first.
    bool readyToAdd(EntryBox* nameBox);
    // CANCEL ADD: only a new record not yet written can be discarded; the last record is shown then.
    // False when there was none. Failures are thrown as Error.
    bool cancelAdding();

    // Record steps; failures are thrown as Error.
    // Writes the shown record and refills the click list; the written record stays on screen.
    void rebuildList();
    // Shows the first record whose list field holds the value, with NEXT and PREVIOUS offered again.
    void showListed(const QString& value);
    // Asks for a text and shows the last record whose list field contains it (the first record when
    // none does).
    void findLast(const QString& prompt);
    // DELETE on the only record: the message, and no moving.
    bool refuseDeletingLast();

    // Closing by OK/EXIT: without a drawn record there is nothing to write and the window just closes.
    bool closeUndrawn();
    void closeByCommand(bool accepted);

    void reportFailure(const Error& e, const QString& duplicateText, const QString& otherPrefix,
                       const QString& title, bool cancelledIsDuplicate = true);
    static void focusBox(QWidget* box);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    Program& program_;
    frmCalendar* main_;

private:
    // The shared controls, which the editors also keep under their own names.
    struct Controls {
        QPushButton* add;
        QPushButton* cancel;
        QPushButton* remove;
        QPushButton* find;
        QPushButton* help;
        QPushButton* previous;
        QPushButton* next;
        QPushButton* ok;
        QListWidget* list;
        DatePicker* calendar;
        QLabel* calendarNote;
        QWidget* calendarRoom;
    };

    void runCommand(const std::function<void()>& handler);
    void setRecordsUsable(bool usable);
    void setBoxesVisible(bool visible);

    Names names_;
    Controls c_{};
    BoundCursor cursor_;
    LeaveChecks* checks_;
    bool closingByCommand_ = false;
};

} // namespace rp
