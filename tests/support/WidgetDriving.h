#pragma once

#include <QAbstractButton>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <algorithm>
#include <gtest/gtest.h>

namespace rp::test {

// Shows a window and gives it the keyboard, so that its mnemonics and default button work.
inline void showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
}

// Presses a command with its mnemonic (Alt and the underlined letter) and waits for the button's click,
// which follows a short animation.
inline void pressMnemonic(QWidget& window, Qt::Key key) {
    QTest::keyClick(&window, key, Qt::AltModifier);
    const auto buttons = window.findChildren<QAbstractButton*>();
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return std::none_of(buttons.begin(), buttons.end(), [](QAbstractButton* b) { return b->isDown(); });
    }));
    QCoreApplication::processEvents();
}

// Clicks into a box, as a user does to give it the focus, and lets the click finish.
inline void clickInto(QLineEdit* box) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(box->width() - 4, box->height() / 2));
    QCoreApplication::processEvents();
}

} // namespace rp::test
