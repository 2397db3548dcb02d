#pragma once

#include "Printers.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
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

// Selects a box's text and types over it, starting with a Backspace that empties the box.
inline void retype(QLineEdit* box, const QString& text) {
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

// Clicks into an editable combo box, selects its text with Ctrl+A and types over it.
inline void typeInto(QComboBox* box, const QString& text) {
    QTest::mouseClick(box->lineEdit(), Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, text);
}

// Clicks the one entry of a list that shows the text.
inline void clickEntry(QListWidget* list, const QString& text) {
    const auto items = list->findItems(text, Qt::MatchExactly);
    ASSERT_EQ(items.size(), 1) << text;
    list->scrollToItem(items[0]);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items[0]).center());
}

} // namespace rp::test
