#pragma once

#include <QString>
#include <optional>

namespace rp {

// What a message box shows beside its text.
enum class Icon { None, Critical, Question, Warning, Information };

// The button sets a message box can offer.
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel };

// The button the user pressed.
enum class Answer { Ok, Cancel, Yes, No };

// The title of a message box that has none of its own.
inline const QString kProgramTitle = QStringLiteral("Rotaplan");

// Thrown after Ui::endProgram() so that every routine on the way up stops at once.
struct ProgramEnded {};

// Every message box, input prompt, beep and busy pointer of the program goes through this interface.
// The windows use the Qt implementation; tests use ScriptedUi; the command-line tool prints.
class Ui {
public:
    virtual ~Ui() = default;

    virtual Answer message(const QString& text, const QString& title = {}, Icon icon = Icon::None,
                           Buttons buttons = Buttons::Ok, std::optional<Answer> defaultButton = {}) = 0;
    // Returns nothing when the user cancelled the prompt.
    virtual std::optional<QString> input(const QString& prompt, const QString& title = {}) = 0;
    virtual void beep() = 0;
    virtual void setBusy(bool busy) = 0;
    // Asks the program to end; the caller then throws ProgramEnded.
    virtual void endProgram() = 0;
};

inline QString effectiveTitle(const QString& title) {
    return title.isEmpty() ? kProgramTitle : title;
}

} // namespace rp
