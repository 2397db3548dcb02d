#pragma once

#include "OfficeData.h"
#include "SessionFixture.h"
#include "editors/ui/EditorWindows.h"
#include "editors/ui/EntryBox.h"
#include "editors/ui/frmAgt.h"
#include "editors/ui/frmSite.h"
#include "editors/ui/frmSiteTimes.h"
#include "model/OfficeDatabase.h"
#include "platform/Database.h"
#include "platform/qt/DatePicker.h"

#include <QAbstractButton>
#include <QLabel>
#include <QListWidget>

namespace rp::test {

// A session with the editors attached. Dialogs opened through the main window are shown without
// waiting, so that the test drives them after the command returns.
class EditorTest : public SessionTest {
protected:
    // Starts on an example office, changed first by the SQL statements when there are any.
    void open(const QString& example, const QString& sqlBefore = {}) {
        ASSERT_NO_FATAL_FAILURE(copyExample(example));
        if (!sqlBefore.isEmpty())
            sql(sqlBefore);
        startEditors();
    }
    void openEmptyOffice() {
        CreateOfficeDatabase(officePath());
        startEditors();
    }
    void sql(const QString& statements) { Database::open(officePath())->execute(statements); }
    // Every record of a table, its fields joined, in stored order.
    QStringList rows(const QString& table) const { return rowsOf(officePath(), table); }
    frmAgt& agents() {
        click("cmdAgents");
        return *editors->agents();
    }
    frmSite& sites() {
        click("cmdSites");
        return *editors->sites();
    }
    // The dialog takes the keyboard, as a modal one does, so that focus moves and mnemonics work.
    void showDialog(QDialog& d) override { showActive(d); }

    EditorWindows* editors = nullptr;

private:
    void startEditors() {
        startSession();
        editors = attachEditorWindows(*session);
    }
};

} // namespace rp::test
