#pragma once

#include "platform/Ui.h"

#include <QStringList>
#include <deque>
#include <vector>

namespace rp {

// A Ui for tests: records every call and answers from queues.
//
// A plain message with only an OK button needs no queued answer. Any other prompt takes the next queued
// answer; when none is queued the prompt is recorded as unexpected (a test checks unexpected() at its end)
// and answered with Cancel or No.
class ScriptedUi : public Ui {
public:
    struct Message {
        QString text;
        QString title;
        Icon icon = Icon::None;
        Buttons buttons = Buttons::Ok;
        std::optional<Answer> defaultButton;
        Answer answer = Answer::Ok;
    };

    Answer message(const QString& text, const QString& title = {}, Icon icon = Icon::None,
                   Buttons buttons = Buttons::Ok, std::optional<Answer> defaultButton = {}) override;
    std::optional<QString> input(const QString& prompt, const QString& title = {}) override;
    void beep() override { ++beeps_; }
    void setBusy(bool busy) override { busy_ = busy; }
    void endProgram() override { ended_ = true; }

    // Queues the answer of the next prompt that is not a plain OK message.
    void answer(Answer a) { answers_.push_back(a); }
    // Queues the text typed into the next input prompt; nullopt means the prompt is cancelled.
    void type(std::optional<QString> text) { inputs_.push_back(std::move(text)); }

    const std::vector<Message>& messages() const { return messages_; }
    const QStringList& prompts() const { return prompts_; }
    const QStringList& unexpected() const { return unexpected_; }
    int beeps() const { return beeps_; }
    bool busy() const { return busy_; }
    bool ended() const { return ended_; }
    int pendingAnswers() const { return int(answers_.size() + inputs_.size()); }
    // Texts and titles of all messages shown so far, in order.
    QStringList texts() const;
    QStringList titles() const;
    // The message shown last; an empty one when none was shown.
    const Message& lastMessage() const;
    void clear();

private:
    std::vector<Message> messages_;
    std::deque<Answer> answers_;
    std::deque<std::optional<QString>> inputs_;
    QStringList prompts_;
    QStringList unexpected_;
    int beeps_ = 0;
    bool busy_ = false;
    bool ended_ = false;
};

} // namespace rp
