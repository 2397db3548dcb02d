#pragma once

#include "platform/Error.h"

#include <QString>
#include <functional>

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

// Puts the focus back on a box whose check failed, once the focus change under way has finished; while
// it travels back, lost-focus checks of the other boxes are skipped (returningFocus is true).
void ReturnFocus(QWidget* box, bool& returningFocus);

// Shows the tip about ranges with a dash once per opening of an editor, when the date list asks for it.
void ShowDashTip(Ui& ui, bool& shown, const QString& text);

// Places a popup widget (the date picker) beside a box inside their common window.
void PlaceBeside(QWidget* popup, const QWidget* box);

} // namespace rp
