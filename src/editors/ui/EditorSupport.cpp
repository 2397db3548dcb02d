#include "editors/ui/EditorSupport.h"

#include "editors/EntryRules.h"
#include "platform/ErrorReport.h"
#include "platform/Ui.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

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

QPushButton* CommandButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setAutoDefault(false);
    b->setDefault(false);
    return b;
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

void ShowDashTip(Ui& ui, bool& shown, const QString& text) {
    if (!NeedsDashTip(shown, text))
        return;
    ui.message(QStringLiteral("To enter dates in a row, you can use the dash.  Example: '5 10-15 20'"),
               QStringLiteral("Use dash for long entries "), Icon::Information);
    shown = true;
}

} // namespace rp
