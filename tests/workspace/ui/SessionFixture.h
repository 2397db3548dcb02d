#pragma once

#include "../../support/TestFolder.h"
#include "ScriptedUi.h"
#include "model/EngineSettings.h"
#include "platform/qt/MonthCalendar.h"
#include "workspace/ui/DesktopSession.h"
#include "workspace/ui/frmCalendar.h"
#include "workspace/ui/menunew.h"

#include <QDialog>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace rp::test {

// A program folder with an example office as floor.mdb, the main window on it, dialogs answered by
// the test, and a fixed agent rotation.
class SessionTest : public ::testing::Test {
public:
    void startWith(const QString& example, int month = 1, int year = 2027) {
        const QString source =
            buildResources() + QStringLiteral("/Examples/") + example + QStringLiteral(".mdb");
        ASSERT_TRUE(QFile::copy(source, folder.file(QStringLiteral("floor.mdb")))) << source.toStdString();
        folder.write(QStringLiteral("settings/SkipInstruct.txt"), "1\r\n");
        // The personal calendar opens on the schedule month, whatever today's date is.
        if (!QFile::exists(folder.file(QStringLiteral("Personal/LastCalendar.txt"))))
            folder.write(QStringLiteral("Personal/LastCalendar.txt"),
                         QStringLiteral("%1\r\n%2\r\n").arg(month).arg(year).toLatin1());
        WriteMonthFile(folder.file(QStringLiteral("settings/month.dat")), {int16_t(month), int16_t(year)});
        session = std::make_unique<DesktopSession>(ui, folder.path());
        session->start();
        window().today = QDate(2027, 1, 15);
        session->controller->rotation = [](int) { return 1; };
        window().execDialog = [this](QDialog& d) {
            ++dialogsShown;
            if (answerDialog)
                answerDialog(d);
            return d.result();
        };
    }

    void TearDown() override {
        expectNoUnexpectedPrompts(ui);
        session.reset();
    }

    frmCalendar& window() { return *session->calendar; }
    MonthCalendar& control() { return *window().ctCalendar1; }
    template <typename T> T* find(const char* name) { return window().findChild<T*>(QLatin1String(name)); }
    void click(const char* button) {
        auto* b = find<QPushButton>(button);
        ASSERT_NE(b, nullptr) << button;
        ASSERT_TRUE(b->isEnabled()) << button;
        b->click();
    }

    // Opens the day's editor with a double-click and types the text into it, as a user does; the editor
    // stays open with the keyboard.
    void typeIntoDay(const QDate& date, const QString& text) {
        control().ensureDateVisible(date);
        QTest::mouseDClick(&control(), Qt::LeftButton, {}, control().cellRect(date).center());
        auto* editor = control().findChild<QPlainTextEdit*>(QStringLiteral("dayEditor"));
        ASSERT_NE(editor, nullptr);
        ASSERT_TRUE(control().isEditing());
        QTest::keyClicks(editor, text);
    }

    ScriptedUi ui;
    TestFolder folder;
    std::unique_ptr<DesktopSession> session;
    std::function<void(QDialog&)> answerDialog;
    int dialogsShown = 0;
};

} // namespace rp::test
