#pragma once

#include "../../support/WidgetDriving.h"
#include "../../workspace/ui/SessionFixture.h"
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
#include <QTest>

namespace rp::test {

// A session with the editors attached. Dialogs opened through the main window are shown without
// waiting, so that the test drives them after the command returns.
class EditorTest : public SessionTest {
protected:
    void open(const QString& example, const QString& sqlBefore = {}) {
        const QString source =
            buildResources() + QStringLiteral("/Examples/") + example + QStringLiteral(".mdb");
        ASSERT_TRUE(QFile::copy(source, folder.file(QStringLiteral("floor.mdb"))));
        QFile::setPermissions(folder.file(QStringLiteral("floor.mdb")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
        if (!sqlBefore.isEmpty())
            sql(sqlBefore);
        startSession();
    }
    void openEmptyOffice() {
        CreateOfficeDatabase(folder.file(QStringLiteral("floor.mdb")));
        startSession();
    }
    void startSession() {
        folder.write(QStringLiteral("settings/SkipInstruct.txt"), "1\r\n");
        folder.write(QStringLiteral("Personal/LastCalendar.txt"), "1\r\n2027\r\n");
        WriteMonthFile(folder.file(QStringLiteral("settings/month.dat")), {int16_t(1), int16_t(2027)});
        session = std::make_unique<DesktopSession>(ui, folder.path());
        session->start();
        window().today = QDate(2027, 1, 15);
        session->controller->rotation = [](int) { return 1; };
        window().execDialog = [this](QDialog& d) {
            ++dialogsShown;
            d.show();
            // The dialog takes the keyboard, as a modal one does, so that focus moves and mnemonics work.
            d.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
            if (answerDialog)
                answerDialog(d);
            return d.result();
        };
        editors = attachEditorWindows(*session);
    }
    void sql(const QString& statements) {
        auto db = Database::open(folder.file(QStringLiteral("floor.mdb")));
        db->execute(statements);
    }
    // Every record of a table, its fields joined, in stored order.
    QStringList rows(const QString& table) {
        auto db = Database::open(folder.file(QStringLiteral("floor.mdb")));
        auto rs = db->openTable(table);
        QStringList out;
        for (; !rs->eof(); rs->moveNext()) {
            QStringList fields;
            for (const QString& f : rs->fieldNames())
                fields << (rs->isNull(f) ? QStringLiteral("<null>") : rs->field(f).toString());
            out << fields.join(QLatin1Char('|'));
        }
        return out;
    }
    frmAgt& agents() {
        click("cmdAgents");
        return *editors->agents();
    }
    frmSite& sites() {
        click("cmdSites");
        return *editors->sites();
    }
    static void retype(QLineEdit* box, const QString& text) {
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, text);
    }
    static void clickEntry(QListWidget* list, const QString& text) {
        const auto items = list->findItems(text, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << text.toStdString();
        list->scrollToItem(items[0]);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(items[0]).center());
    }
    const ScriptedUi::Message& lastMessage() {
        static const ScriptedUi::Message none;
        return ui.messages().empty() ? none : ui.messages().back();
    }

    EditorWindows* editors = nullptr;
};

} // namespace rp::test
