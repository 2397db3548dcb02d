#pragma once

#include "platform/Ui.h"

#include <cstdio>

namespace rp {

// A Ui for the command line: every message is printed as "title: text" on standard error; questions
// take their default answer and prompts are cancelled, since nobody is there to answer.
class StreamUi : public Ui {
public:
    explicit StreamUi(FILE* out = stderr) : out_(out) {}
    Answer message(const QString& text, const QString& title = {}, Icon icon = Icon::None,
                   Buttons buttons = Buttons::Ok, std::optional<Answer> defaultButton = {}) override;
    std::optional<QString> input(const QString& prompt, const QString& title = {}) override;
    void beep() override {}
    void setBusy(bool) override {}
    void endProgram() override { ended_ = true; }
    bool ended() const { return ended_; }
    int messageCount() const { return messages_; }

private:
    FILE* out_;
    bool ended_ = false;
    int messages_ = 0;
};

} // namespace rp
