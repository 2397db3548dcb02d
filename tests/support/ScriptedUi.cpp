#include "ScriptedUi.h"

namespace rp {

Answer ScriptedUi::message(const QString& text, const QString& title, Icon icon, Buttons buttons,
                           std::optional<Answer> defaultButton) {
    Message m{text, effectiveTitle(title), icon, buttons, defaultButton, Answer::Ok};
    if (buttons != Buttons::Ok) {
        if (answers_.empty()) {
            unexpected_ << QStringLiteral("message: %1 [%2]").arg(text, m.title);
            m.answer = buttons == Buttons::OkCancel ? Answer::Cancel : Answer::No;
        } else {
            m.answer = answers_.front();
            answers_.pop_front();
        }
    }
    messages_.push_back(m);
    return m.answer;
}

std::optional<QString> ScriptedUi::input(const QString& prompt, const QString& title) {
    prompts_ << prompt;
    if (inputs_.empty()) {
        unexpected_ << QStringLiteral("input: %1 [%2]").arg(prompt, effectiveTitle(title));
        return std::nullopt;
    }
    const bool typed = inputs_.front().has_value();
    const QString text = typed ? *inputs_.front() : QString();
    inputs_.pop_front();
    if (!typed)
        return std::nullopt;
    return text;
}

QStringList ScriptedUi::texts() const {
    QStringList out;
    for (const auto& m : messages_)
        out << m.text;
    return out;
}

QStringList ScriptedUi::titles() const {
    QStringList out;
    for (const auto& m : messages_)
        out << m.title;
    return out;
}

const ScriptedUi::Message& ScriptedUi::lastMessage() const {
    static const Message none;
    return messages_.empty() ? none : messages_.back();
}

void ScriptedUi::clear() {
    messages_.clear();
    answers_.clear();
    inputs_.clear();
    prompts_.clear();
    unexpected_.clear();
    beeps_ = 0;
    ended_ = false;
}

} // namespace rp
