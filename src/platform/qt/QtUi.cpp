#include "platform/qt/QtUi.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <utility>
#include <vector>

namespace rp {

namespace {

QMessageBox::Icon boxIcon(Icon icon) {
    switch (icon) {
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::Warning:
        return QMessageBox::Warning;
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The answers of a button set, in the order the buttons are offered.
std::vector<Answer> answersOf(Buttons buttons) {
    switch (buttons) {
    case Buttons::Ok:
        return {Answer::Ok};
    case Buttons::OkCancel:
        return {Answer::Ok, Answer::Cancel};
    case Buttons::YesNo:
        return {Answer::Yes, Answer::No};
    case Buttons::YesNoCancel:
        return {Answer::Yes, Answer::No, Answer::Cancel};
    }
    return {Answer::Ok};
}

QMessageBox::StandardButton standardButton(Answer answer) {
    switch (answer) {
    case Answer::Ok:
        return QMessageBox::Ok;
    case Answer::Cancel:
        return QMessageBox::Cancel;
    case Answer::Yes:
        return QMessageBox::Yes;
    case Answer::No:
        return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

// What closing the box without a button means: Cancel where offered, else No, else OK.
Answer escapeAnswer(const std::vector<Answer>& answers) {
    for (Answer wanted : {Answer::Cancel, Answer::No, Answer::Ok}) {
        for (Answer a : answers) {
            if (a == wanted)
                return a;
        }
    }
    return Answer::Ok;
}

QWidget* dialogParent() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

} // namespace

QString displayText(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return shown;
}

QtUi::~QtUi() {
    if (QCoreApplication::instance() != nullptr)
        setBusy(false);
}

Answer QtUi::message(const QString& text, const QString& title, Icon icon, Buttons buttons,
                     std::optional<Answer> defaultButton) {
    QMessageBox box(dialogParent());
    box.setWindowTitle(effectiveTitle(title));
    box.setText(displayText(text));
    box.setTextFormat(Qt::PlainText);
    box.setIcon(boxIcon(icon));

    const std::vector<Answer> answers = answersOf(buttons);
    std::vector<std::pair<QAbstractButton*, Answer>> offered;
    for (Answer a : answers)
        offered.emplace_back(box.addButton(standardButton(a)), a);

    Answer preferred = answers.front();
    if (defaultButton) {
        for (Answer a : answers) {
            if (a == *defaultButton)
                preferred = a;
        }
    }
    const Answer onEscape = escapeAnswer(answers);
    for (const auto& [button, answer] : offered) {
        if (answer == preferred)
            box.setDefaultButton(static_cast<QPushButton*>(button));
        if (answer == onEscape)
            box.setEscapeButton(button);
    }

    // A busy pointer must not hide the arrow the user needs to answer.
    const bool wasBusy = busy_;
    setBusy(false);
    box.exec();
    if (wasBusy)
        setBusy(true);

    QAbstractButton* clicked = box.clickedButton();
    for (const auto& [button, answer] : offered) {
        if (button == clicked)
            return answer;
    }
    return onEscape;
}

std::optional<QString> QtUi::input(const QString& prompt, const QString& title) {
    const bool wasBusy = busy_;
    setBusy(false);
    bool ok = false;
    const QString text = QInputDialog::getText(dialogParent(), effectiveTitle(title), displayText(prompt),
                                               QLineEdit::Normal, QString(), &ok);
    if (wasBusy)
        setBusy(true);
    if (!ok)
        return std::nullopt;
    return text;
}

void QtUi::beep() {
    QApplication::beep();
}

void QtUi::setBusy(bool busy) {
    if (busy == busy_)
        return;
    busy_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void QtUi::endProgram() {
    setBusy(false);
    ended_ = true;
    QCoreApplication::exit(0);
}

} // namespace rp
