#pragma once

#include "Printers.h"
#include "ScriptedUi.h"

#include <optional>
#include <source_location>

namespace rp::test {

// The fields a test expects of a message; the fields left unset are not compared.
struct ExpectedMessage {
    std::optional<QString> text = std::nullopt;
    std::optional<QString> title = std::nullopt;
    std::optional<Icon> icon = std::nullopt;
    std::optional<Buttons> buttons = std::nullopt;
    std::optional<Answer> defaultButton = std::nullopt;
};

// Fail the running test once for each expected field the message shows otherwise, naming the field and
// the line of the check. The fields come in the order Ui::message takes them; those left out are not
// compared:
//     expectMessage(ui.lastMessage(), kDuplicate, "ADD");
//     expectMessage(ui.lastMessage(), {.title = "LAST RECORD", .icon = Icon::Critical});
void expectMessage(const ScriptedUi::Message& shown, const ExpectedMessage& expected,
                   std::source_location where = std::source_location::current());
void expectMessage(const ScriptedUi::Message& shown, const QString& text, const QString& title,
                   std::optional<Icon> icon = std::nullopt, std::optional<Buttons> buttons = std::nullopt,
                   std::optional<Answer> defaultButton = std::nullopt,
                   std::source_location where = std::source_location::current());

// Fails the running test when the scripted Ui met a prompt it had no answer for.
void expectNoUnexpectedPrompts(const ScriptedUi& ui);

} // namespace rp::test
