#include "platform/qt/LeaveChecks.h"

#include "platform/Ui.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPointer>
#include <QWidget>

namespace rp {

namespace {

QString textOf(const QWidget* box) {
    if (const auto* combo = qobject_cast<const QComboBox*>(box))
        return combo->currentText();
    if (const auto* line = qobject_cast<const QLineEdit*>(box))
        return line->text();
    return {};
}

// The focus passing to another window or a popup and back: it comes back to the same box.
bool isOtherWindow(const QEvent* event) {
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

} // namespace

LeaveChecks::LeaveChecks(QWidget* window) : QObject(window) {}

void LeaveChecks::watch(QWidget* box, std::function<bool()> check) {
    Box b;
    b.widget = box;
    b.check = std::move(check);
    boxes_.push_back(std::move(b));
    box->installEventFilter(this);
    const auto edited = [this, box] { this->edited(box); };
    const auto changed = [this, box] { this->changed(box); };
    if (auto* combo = qobject_cast<QComboBox*>(box)) {
        // A choice from the list; also sent when the box, left, takes the item its text names.
        connect(combo, &QComboBox::activated, this, edited);
        if (combo->lineEdit())
            connect(combo->lineEdit(), &QLineEdit::textEdited, this, edited);
        connect(combo, &QComboBox::editTextChanged, this, changed);
    } else if (auto* line = qobject_cast<QLineEdit*>(box)) {
        connect(line, &QLineEdit::textEdited, this, edited);
        connect(line, &QLineEdit::textChanged, this, changed);
    }
}

void LeaveChecks::exempt(QWidget* widget) {
    exempt_.push_back(widget);
}

void LeaveChecks::reset() {
    for (Box& b : boxes_) {
        b.owed = b.failed = false;
        b.checked = textOf(b.widget);
    }
}

bool LeaveChecks::pass() {
    for (Box& b : boxes_) {
        if (!b.entered)
            continue;
        if (!b.failed && b.owed)
            run(b);
        if (b.failed) {
            refocus(b);
            return false;
        }
    }
    return true;
}

bool LeaveChecks::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    Box* b = type == QEvent::FocusIn || type == QEvent::FocusOut ? find(watched) : nullptr;
    if (!b || watched == delivering_)
        return QObject::eventFilter(watched, event);
    if (type == QEvent::FocusIn) {
        b->entered = true;
        if (!refocusing_ && !b->failed && (!isOtherWindow(event) || recheckAfterOtherWindows_))
            b->owed = true;
        return QObject::eventFilter(watched, event);
    }
    // While the focus leaves, the application's focus widget is already the one that takes it.
    if (isOtherWindow(event) || refocusing_ || isExempt(QApplication::focusWidget()))
        return QObject::eventFilter(watched, event);
    // The box first finishes losing the focus (its cursor, its selection, its own signals); only then
    // does its check run, so that a box given the focus back is not left half out of it. (Filters
    // installed on the box after this one see the event twice.)
    QPointer<QObject> alive(watched);
    delivering_ = watched;
    QCoreApplication::sendEvent(watched, event);
    delivering_ = nullptr;
    if (alive) {
        b->entered = false;
        left(*b);
    }
    return true;
}

LeaveChecks::Box* LeaveChecks::find(const QObject* widget) {
    for (Box& b : boxes_) {
        if (b.widget == widget)
            return &b;
    }
    return nullptr;
}

void LeaveChecks::edited(QWidget* box) {
    Box* b = find(box);
    if (b && b->checked != textOf(box)) {
        b->owed = true;
        b->failed = false;
    }
}

void LeaveChecks::changed(QWidget* box) {
    Box* b = find(box);
    if (b && b->failed && b->checked != textOf(box)) {
        b->failed = false;
        b->owed = true;
    }
}

void LeaveChecks::left(Box& b) {
    try {
        if (!b.failed && b.owed)
            run(b);
    } catch (const ProgramEnded&) {
        // The program is ending; nothing more to check.
        return;
    }
    if (b.failed)
        refocus(b);
}

void LeaveChecks::run(Box& b) {
    b.owed = false;
    b.failed = !b.check();
    b.checked = textOf(b.widget);
}

void LeaveChecks::refocus(Box& b) {
    refocusing_ = true;
    b.widget->setFocus(Qt::OtherFocusReason);
    refocusing_ = false;
}

bool LeaveChecks::isExempt(const QWidget* widget) const {
    for (const QWidget* w : exempt_) {
        if (w == widget)
            return true;
    }
    return false;
}

} // namespace rp
