#pragma once

#include "editors/EntryRules.h"

#include <QLineEdit>
#include <functional>

namespace rp {

class Ui;

// A one-line entry box of the editors. Every change the user makes (typing, pasting, dropping, input
// methods) passes through the box's key rule and its typed limit, so pasted text obeys the same rules
// as typed text. Text set by the program is taken as it is.
class EntryBox : public QLineEdit {
    Q_OBJECT
public:
    EntryBox(Ui& ui, const QString& name, KeyRule rule, int typedLimit, QWidget* parent = nullptr);

    int typedLimit() const { return limit_; }
    // Shown when a key is typed into a full box (the key is then dropped); without it the box beeps.
    std::function<void()> onFull;
    // Shown when a character was replaced by a blank.
    std::function<void()> onReplaced;

signals:
    // When the focus moves into the box, or the box has it when its window is shown.
    void gotFocus();
    void mousePressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void filterEdit(const QString& edited);
    void insertFiltered(const QString& text);

    Ui& ui_;
    KeyRule rule_;
    int limit_;
    QString lastText_;
    bool filtering_ = false;
    bool holdsFocus_ = false; // keeps it while another window is active
};

} // namespace rp
