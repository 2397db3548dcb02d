#pragma once

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QObject>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

namespace rp {

// The checks a dialog runs when the focus leaves one of its boxes, kept so that no command uses a value
// whose check was skipped. A button's mnemonic, the default button and the title bar start a command
// without moving the focus, so before such a command the dialog calls pass(), which runs the checks
// still owed.
//
// A box owes its check once the user entered it or changed its text. A check runs once for a text:
// when it fails, its message is shown, the box keeps the focus and commands are refused until the text
// changes; leaving the box again does not repeat the message. Focus given to a discarding command's
// button (Cancel) is no leave: backing out never needs a valid entry.
class LeaveChecks : public QObject {
public:
    explicit LeaveChecks(QObject* parent) : QObject(parent) {}

    // check returns false (after its message) when the box's text is not acceptable.
    void watch(QWidget* box, std::function<bool()> check) {
        boxes_.push_back(Box{box, std::move(check), false, false, std::nullopt});
        box->installEventFilter(this);
        const auto edited = [this, box] { markEdited(box); };
        if (auto* combo = qobject_cast<QComboBox*>(box)) {
            // A choice from the list; also sent when the box, left, takes the item its text names.
            connect(combo, &QComboBox::activated, this, edited);
            if (combo->lineEdit())
                connect(combo->lineEdit(), &QLineEdit::textEdited, this, edited);
        } else if (auto* line = qobject_cast<QLineEdit*>(box)) {
            connect(line, &QLineEdit::textEdited, this, edited);
        }
    }

    // A widget that may take the focus without the leave check (the Cancel button).
    void exempt(QWidget* widget) { exempt_.push_back(widget); }

    // For a dialog that shows its values anew: they count as checked.
    void reset() {
        for (Box& b : boxes_) {
            b.owed = b.failed = false;
            b.checked = textOf(b.widget);
        }
    }

    // Runs the checks still owed, before a command that uses the boxes' values. False when a box's text
    // is not acceptable; that box then has the focus.
    bool pass() {
        for (Box& b : boxes_) {
            if (b.owed)
                run(b);
            if (b.failed) {
                refocus(b);
                return false;
            }
        }
        return true;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        Box* b = find(watched);
        if (b && event->type() == QEvent::FocusIn && isLeaveOrEntry(event) && !refocusing_) {
            b->owed = true;
        } else if (b && event->type() == QEvent::FocusOut && isLeaveOrEntry(event) && !isExempt()) {
            if (b->owed)
                run(*b);
            if (b->failed)
                refocus(*b);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    struct Box {
        QWidget* widget;
        std::function<bool()> check;
        bool owed = false;
        bool failed = false;
        std::optional<QString> checked; // the text the check last ran on
    };

    static QString textOf(const QWidget* box) {
        if (const auto* combo = qobject_cast<const QComboBox*>(box))
            return combo->currentText();
        if (const auto* line = qobject_cast<const QLineEdit*>(box))
            return line->text();
        return {};
    }

    // The focus passing to another window or a popup is no leave: it comes back to the box.
    static bool isLeaveOrEntry(QEvent* event) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
    }
    // While the focus leaves, the application's focus widget is already the one that takes it.
    bool isExempt() const {
        const QWidget* next = QApplication::focusWidget();
        for (const QWidget* w : exempt_)
            if (w == next)
                return true;
        return false;
    }
    Box* find(QObject* widget) {
        for (Box& b : boxes_)
            if (b.widget == widget)
                return &b;
        return nullptr;
    }
    void markEdited(QWidget* box) {
        Box* b = find(box);
        if (b && b->checked != textOf(box)) {
            b->owed = true;
            b->failed = false;
        }
    }
    void run(Box& b) {
        b.owed = false;
        b.failed = !b.check();
        b.checked = textOf(b.widget);
    }
    void refocus(Box& b) {
        refocusing_ = true;
        b.widget->setFocus(Qt::OtherFocusReason);
        refocusing_ = false;
    }

    std::vector<Box> boxes_;
    std::vector<QWidget*> exempt_;
    bool refocusing_ = false;
};

} // namespace rp
