#pragma once

#include "platform/Error.h"

#include <QString>
#include <functional>

class QLineEdit;
class QPushButton;
class QWidget;

namespace rp {

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

// A command button of the editors; Enter in a box never presses it.
QPushButton* CommandButton(QWidget* parent, const QString& name, const QString& caption);

// Selects part of a box's text once the event that gave it the focus is over: a mouse press would
// otherwise put the caret where it was pressed and undo the selection. length < 0 selects all.
void SelectAfterFocus(QLineEdit* box, int length);

// Shows the tip about ranges with a dash once per opening of an editor, when the date list asks for it.
void ShowDashTip(Ui& ui, bool& shown, const QString& text);

} // namespace rp
