#include "cli/StreamUi.h"

namespace rp {

Answer StreamUi::message(const QString& text, const QString& title, Icon, Buttons buttons,
                         std::optional<Answer> defaultButton) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    std::fprintf(out_, "%s: %s\n", qUtf8Printable(effectiveTitle(title)), qUtf8Printable(shown));
    std::fflush(out_);
    ++messages_;
    if (defaultButton)
        return *defaultButton;
    switch (buttons) {
    case Buttons::Ok:
    case Buttons::OkCancel:
        return Answer::Ok;
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
        return Answer::Yes;
    }
    return Answer::Ok;
}

std::optional<QString> StreamUi::input(const QString& prompt, const QString& title) {
    std::fprintf(out_, "%s: %s\n", qUtf8Printable(effectiveTitle(title)), qUtf8Printable(prompt));
    return std::nullopt;
}

} // namespace rp
