#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QWidget;

namespace rp {

// The checks a window runs when the focus leaves one of its entry boxes (line edits and editable combo
// boxes), kept so that no command uses a value whose check was skipped. A button's mnemonic, the default
// button and the title bar's close button start a command without moving the focus, so before every
// command the window calls pass(), which runs the check still owed by the box the user is in.
//
// A box owes its check once the user entered it or changed its text. A check runs once for a text: when
// it fails, its message is shown, the box keeps the focus and commands are refused until the text
// changes; leaving the box again does not repeat the message. The focus passing to another window (a
// message, a prompt, a list's popup) and back is no leave; neither is the focus given to an exempt widget
// (a Cancel button): backing out never needs a valid entry.
class LeaveChecks : public QObject {
public:
    // The checks of a window's boxes; they live as long as the window.
    explicit LeaveChecks(QWidget* window);

    // check returns false (after its message) when the box's text is not acceptable; the box then gets
    // the focus back.
    void watch(QWidget* box, std::function<bool()> check);
    // A widget that may take the focus without the leave check.
    void exempt(QWidget* widget);
    // Whether the focus coming back from another window counts as entering the box again, so that its
    // check runs at the next leave even when it passed before the command that opened that window. The
    // editors ask for it: their checks also tidy the box and hide its helper lists on every leave.
    void recheckAfterOtherWindows(bool recheck) { recheckAfterOtherWindows_ = recheck; }
    // For a window that shows its values anew: they count as checked.
    void reset();
    // Before a command: runs the check still owed by the box the user is in (the one with the focus, or
    // one left for an exempt widget). False when its text is not acceptable; that box then has the focus.
    bool pass();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Box {
        QWidget* widget = nullptr;
        std::function<bool()> check;
        bool entered = false; // the user is in the box, as far as its check goes
        bool owed = false;
        bool failed = false;
        std::optional<QString> checked; // the text the check last ran on
    };

    Box* find(const QObject* widget);
    // The user typed or chose a text; any change, the program's too, ends a failure.
    void edited(QWidget* box);
    void changed(QWidget* box);
    void left(Box& b);
    void run(Box& b);
    void refocus(Box& b);
    bool isExempt(const QWidget* widget) const;

    std::vector<Box> boxes_;
    std::vector<QWidget*> exempt_;
    bool recheckAfterOtherWindows_ = false;
    bool refocusing_ = false;
    const QObject* delivering_ = nullptr;
};

} // namespace rp
