#include "UiChecks.h"

#include <gtest/gtest.h>

namespace rp::test {

void expectMessage(const ScriptedUi::Message& shown, const ExpectedMessage& expected,
                   std::source_location where) {
    const ::testing::ScopedTrace trace(where.file_name(), int(where.line()),
                                       "the message checked here is " + ::testing::PrintToString(shown));
    const auto check = [](const char* field, const auto& actual, const auto& wanted) {
        if (wanted) {
            EXPECT_EQ(actual, *wanted) << "the message's " << field << " is not the one expected";
        }
    };
    check("text", shown.text, expected.text);
    check("title", shown.title, expected.title);
    check("icon", shown.icon, expected.icon);
    check("buttons", shown.buttons, expected.buttons);
    check("default button", shown.defaultButton, expected.defaultButton);
}

void expectMessage(const ScriptedUi::Message& shown, const QString& text, const QString& title,
                   std::optional<Icon> icon, std::optional<Buttons> buttons,
                   std::optional<Answer> defaultButton, std::source_location where) {
    expectMessage(shown, {text, title, icon, buttons, defaultButton}, where);
}

void expectNoUnexpectedPrompts(const ScriptedUi& ui) {
    EXPECT_TRUE(ui.unexpected().isEmpty()) << ui.unexpected().join(QStringLiteral("\n"));
}

} // namespace rp::test
