#pragma once

#include "platform/Error.h"

#include <QList>
#include <QObject>
#include <QString>
#include <functional>
#include <utility>

class QLineEdit;
class QWidget;

namespace rp {

class EntryBox;
class Ui;

// Database failures the editors tell apart.
namespace editorErr {
inline constexpr int WriteConflict = 3197;   // another user changed the record meanwhile
inline constexpr int UpdateCancelled = 3426; // the store cancelled the write
} // namespace editorErr

// Reports a failure of an editor command. A database that cannot be accessed shows the shared message
// and ends the program (throws ProgramEnded); a duplicate key (or a cancelled write when
// cancelledIsDuplicate) shows duplicateText; any other failure shows otherPrefix and the description.
void ReportEditorFailure(Ui& ui, const QString& databasePath, const Error& e, const QString& duplicateText,
                         const QString& otherPrefix, const QString& title, bool cancelledIsDuplicate = true);

// Runs a window's handler; when the program was asked to end on the way, the handler stops quietly.
void RunHandler(const std::function<void()>& handler);

// The checks an editor runs when the focus leaves one of its entry boxes. Each also runs before any
// command of the editor, however the command was started: a mnemonic or closing the window starts a
// command without moving the focus, and the box that has the focus must not escape its check. A check
// that fails shows its message once and keeps the focus on its box; until the box's text changes, the
// box keeps the focus and commands do nothing, without the message again.
class EntryBoxChecks : public QObject {
public:
    // The window's boxes; the checks live as long as the window.
    explicit EntryBoxChecks(QWidget* window);

    // check returns false when it refused the box's text (after its message, and calling refuse()).
    void add(EntryBox* box, std::function<bool()> check);
    // Before a command: runs the check of the box that has the focus, unless it passed already since the
    // box got the focus and the user has not typed since. False when the command must not run.
    bool beforeCommand();
    // Puts the focus back on a box whose check failed, once the focus change under way has finished;
    // while it travels back, the checks of the other boxes are skipped.
    void refuse(QWidget* box);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const std::function<bool()>* checkOf(const QWidget* box) const;
    bool run(EntryBox* box);

    QWidget* window_;
    QList<std::pair<EntryBox*, std::function<bool()>>> checks_;
    EntryBox* passed_ = nullptr; // the focused box whose check passed before a command
    EntryBox* failed_ = nullptr; // the box whose check failed on its present text
    bool returning_ = false;
};

// Selects part of a box's text once the event that gave it the focus is over: a mouse press would
// otherwise put the caret where it was pressed and undo the selection. length < 0 selects all.
void SelectAfterFocus(QLineEdit* box, int length);

// Shows the tip about ranges with a dash once per opening of an editor, when the date list asks for it.
void ShowDashTip(Ui& ui, bool& shown, const QString& text);

// Places a popup widget (the date picker) beside a box inside their common window.
void PlaceBeside(QWidget* popup, const QWidget* box);

} // namespace rp
