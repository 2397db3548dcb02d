#include "editors/ui/EntryBox.h"

#include "platform/Ui.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace rp {

EntryBox::EntryBox(Ui& ui, const QString& name, KeyRule rule, int typedLimit, QWidget* parent)
    : QLineEdit(parent), ui_(ui), rule_(rule), limit_(typedLimit) {
    setObjectName(name);
    connect(this, &QLineEdit::textEdited, this, &EntryBox::filterEdit);
    connect(this, &QLineEdit::textChanged, this, [this] { lastText_ = text(); });
}

void EntryBox::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const QString typed = enter ? QString(QChar(kEnterChar)) : event->text();
    const bool isCharacter = !typed.isEmpty() && (enter || typed[0].isPrint());
    if (!isCharacter || event->matches(QKeySequence::Paste)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (limit_ > 0 && text().size() >= limit_ && !hasSelectedText()) {
        if (onFull)
            onFull();
        else
            ui_.beep();
        return;
    }
    if (enter) {
        const KeyOutcome o = rule_(typed[0]);
        if (o.kind == KeyOutcome::Kind::Refuse) {
            ui_.beep();
        } else if (o.kind == KeyOutcome::Kind::Replace) {
            if (onReplaced)
                onReplaced();
            insertFiltered(QString(o.ch));
        }
        // Enter passes without changing the text, and goes no further (no default button).
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// Inserts text the program has already filtered, as the user's own edit.
void EntryBox::insertFiltered(const QString& text) {
    filtering_ = true;
    insert(text);
    filtering_ = false;
}

void EntryBox::filterEdit(const QString& edited) {
    if (filtering_)
        return;
    const QString before = lastText_;
    // The inserted part lies between the common beginning and the common end of the two texts.
    qsizetype prefix = 0;
    const qsizetype shorter = std::min(before.size(), edited.size());
    while (prefix < shorter && before[prefix] == edited[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix &&
           before[before.size() - 1 - suffix] == edited[edited.size() - 1 - suffix])
        ++suffix;
    const QString inserted = edited.mid(prefix, edited.size() - prefix - suffix);
    if (inserted.isEmpty())
        return;
    const qsizetype kept = edited.size() - inserted.size();
    const int room = limit_ > 0 ? int(std::max<qsizetype>(0, limit_ - kept)) : -1;
    const FilteredText f = FilterInsertion(inserted, rule_, room);
    if (f.text != inserted) {
        filtering_ = true;
        setText(edited.left(prefix) + f.text + edited.right(suffix));
        setCursorPosition(int(prefix + f.text.size()));
        filtering_ = false;
    }
    if (f.replaced && onReplaced)
        onReplaced();
    if (f.cut) {
        if (onFull)
            onFull();
        else
            ui_.beep();
    }
    if (f.refused)
        ui_.beep();
}

namespace {
// The focus goes to another window (a message box, another program) and comes back.
bool windowSwitch(const QFocusEvent* event) {
    return event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason;
}
} // namespace

void EntryBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    // Coming back from another window is no focus move, but the focus a window gives when shown is.
    if (!windowSwitch(event) || !holdsFocus_)
        emit gotFocus();
    holdsFocus_ = true;
}

void EntryBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (!windowSwitch(event))
        holdsFocus_ = false;
}

void EntryBox::hideEvent(QHideEvent* event) {
    QLineEdit::hideEvent(event);
    holdsFocus_ = false;
}

void EntryBox::mousePressEvent(QMouseEvent* event) {
    QLineEdit::mousePressEvent(event);
    emit mousePressed();
}

} // namespace rp
