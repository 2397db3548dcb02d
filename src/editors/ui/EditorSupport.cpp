#include "editors/ui/EditorSupport.h"

#include "editors/EntryRules.h"
#include "editors/ui/EntryBox.h"
#include "model/OfficeDatabase.h"
#include "platform/Ui.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace rp {

void ReportEditorFailure(Ui& ui, const QString& databasePath, const Error& e, const QString& duplicateText,
                         const QString& otherPrefix, const QString& title, bool cancelledIsDuplicate) {
    ui.setBusy(false);
    if (e.number == err::CannotAccessDatabase)
        ShowDatabaseAccessMessage(ui, databasePath);
    const bool duplicate =
        e.number == err::DuplicateKey || (cancelledIsDuplicate && e.number == editorErr::UpdateCancelled);
    ui.message(duplicate ? duplicateText : otherPrefix + e.description, title, Icon::None, Buttons::Ok);
}

void RunHandler(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const ProgramEnded&) {
        // The program is ending; nothing more to do here.
    }
}

EntryBoxChecks::EntryBoxChecks(QWidget* window) : QObject(window), window_(window) {}

void EntryBoxChecks::add(EntryBox* box, std::function<bool()> check) {
    checks_.append({box, std::move(check)});
    box->installEventFilter(this);
    connect(box, &EntryBox::lostFocus, this, [this, box] {
        if (returning_ || passed_ == box)
            return;
        RunHandler([this, box] { run(box); });
    });
    // Typing makes the text one the check has not seen; any new text may pass where the old one failed.
    connect(box, &QLineEdit::textEdited, this, [this, box] {
        if (passed_ == box)
            passed_ = nullptr;
    });
    connect(box, &QLineEdit::textChanged, this, [this, box] {
        if (failed_ == box)
            failed_ = nullptr;
    });
}

bool EntryBoxChecks::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn && watched == passed_)
        passed_ = nullptr;
    return QObject::eventFilter(watched, event);
}

const std::function<bool()>* EntryBoxChecks::checkOf(const QWidget* box) const {
    for (const auto& [b, check] : checks_) {
        if (b == box)
            return &check;
    }
    return nullptr;
}

// Runs the box's check, or refuses its text again without a message when it failed already.
bool EntryBoxChecks::run(EntryBox* box) {
    if (box == failed_) {
        refuse(box);
        return false;
    }
    if ((*checkOf(box))())
        return true;
    failed_ = box;
    return false;
}

bool EntryBoxChecks::beforeCommand() {
    // A check that just failed is bringing the focus back (a mouse press on the command moved it away).
    if (returning_)
        return false;
    QWidget* focused = window_->focusWidget();
    if (!checkOf(focused) || focused == passed_)
        return true;
    auto* box = static_cast<EntryBox*>(focused);
    if (!run(box))
        return false;
    passed_ = box;
    return true;
}

void EntryBoxChecks::refuse(QWidget* box) {
    returning_ = true;
    QPointer<QWidget> target(box);
    QTimer::singleShot(0, this, [this, target] {
        if (target)
            target->setFocus(Qt::OtherFocusReason);
        returning_ = false;
    });
}

void SelectAfterFocus(QLineEdit* box, int length) {
    QTimer::singleShot(0, box, [box, length] {
        if (!box->hasFocus())
            return;
        if (length < 0)
            box->selectAll();
        else
            box->setSelection(0, length);
    });
}

void PlaceBeside(QWidget* popup, const QWidget* box) {
    QWidget* window = popup->parentWidget();
    if (!window)
        return;
    const QSize size = popup->sizeHint().expandedTo(popup->minimumSize());
    popup->resize(size);
    const QPoint topRight = box->mapTo(window, QPoint(box->width(), 0));
    int x = topRight.x() + 8;
    if (x + size.width() > window->width())
        x = std::max(0, box->mapTo(window, QPoint(0, 0)).x() - size.width() - 8);
    int y = std::min(topRight.y(), std::max(0, window->height() - size.height() - 24));
    popup->move(x, std::max(0, y));
    popup->raise();
}

void ShowDashTip(Ui& ui, bool& shown, const QString& text) {
    if (!NeedsDashTip(shown, text))
        return;
    ui.message(QStringLiteral("To enter dates in a row, you can use the dash.  Example: '5 10-15 20'"),
               QStringLiteral("Use dash for long entries "), Icon::Information);
    shown = true;
}

} // namespace rp
