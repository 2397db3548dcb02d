#pragma once

#include "platform/Ui.h"

namespace rp {

// The program's Ui on the desktop: Qt message boxes, an input dialog, the system beep and the
// application-wide busy pointer.
class QtUi : public Ui {
public:
    QtUi() = default;
    QtUi(const QtUi&) = delete;
    QtUi& operator=(const QtUi&) = delete;
    ~QtUi() override;

    Answer message(const QString& text, const QString& title = {}, Icon icon = Icon::None,
                   Buttons buttons = Buttons::Ok, std::optional<Answer> defaultButton = {}) override;
    std::optional<QString> input(const QString& prompt, const QString& title = {}) override;
    void beep() override;
    // Busy is on or off, not counted: any number of setBusy(true) is undone by one setBusy(false).
    void setBusy(bool busy) override;
    void endProgram() override;

    bool busy() const { return busy_; }
    bool ended() const { return ended_; }

private:
    bool busy_ = false;
    bool ended_ = false;
};

// Message texts keep their CR LF line breaks; a dialog shows them as plain line feeds.
QString displayText(const QString& text);

} // namespace rp
