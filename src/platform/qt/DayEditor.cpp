#include "platform/qt/DayEditor.h"

#include <QKeyEvent>

namespace rp {

DayEditor::DayEditor(QWidget* parent) : QPlainTextEdit(parent) {
    setObjectName(QStringLiteral("dayEditor"));
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFrameShape(QFrame::Box);
}

// Tab and Shift+Tab end the edit rather than move the focus, before the widget's focus chain sees them.
bool DayEditor::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            emit finished(true);
            return true;
        }
    }
    return QPlainTextEdit::event(event);
}

void DayEditor::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (event->key() == Qt::Key_Escape) {
        emit finished(false);
        return;
    }
    if (enter && (event->modifiers() & Qt::ControlModifier)) {
        emit finished(true);
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void DayEditor::focusOutEvent(QFocusEvent* event) {
    QPlainTextEdit::focusOutEvent(event);
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    if (isVisible())
        emit finished(true);
}

} // namespace rp
