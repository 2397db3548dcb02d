#pragma once

#include <QPlainTextEdit>

namespace rp {

// The in-place editor of a day cell. It asks to be closed when it loses the focus to another control,
// on Ctrl+Enter or Tab (keep the text) and on Escape (drop the changes). Losing the focus to a popup
// or to another window (a message box shown while editing) leaves it open.
class DayEditor : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit DayEditor(QWidget* parent = nullptr);

signals:
    void finished(bool keep);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace rp
