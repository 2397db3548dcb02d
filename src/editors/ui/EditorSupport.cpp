#include "editors/ui/EditorSupport.h"

#include "editors/EntryRules.h"
#include "model/OfficeDatabase.h"
#include "platform/Ui.h"

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

void ReturnFocus(QWidget* box, bool& returningFocus) {
    returningFocus = true;
    QPointer<QWidget> target(box);
    QTimer::singleShot(0, box, [target, &returningFocus] {
        if (target)
            target->setFocus(Qt::OtherFocusReason);
        returningFocus = false;
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
