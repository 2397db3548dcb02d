#pragma once

#include "TestFolder.h"
#include "WidgetDriving.h"
#include "model/EngineSettings.h"
#include "platform/qt/MonthCalendar.h"
#include "workspace/ui/DesktopSession.h"
#include "workspace/ui/frmCalendar.h"
#include "workspace/ui/menunew.h"

#include <QDialog>
#include <QPushButton>
#include <functional>
#include <memory>

namespace rp::test {

// A program folder with an office as floor.mdb, the main window on it, dialogs answered by the test, and
// a fixed agent rotation.
class SessionTest : public ::testing::Test {
public:
    // Copies an example office into the folder and starts the main window on it.
    void startWith(const QString& example, int month = 1, int year = 2027);
    // Copies an example office ("OneOffice") into the folder as floor.mdb, writable by its owner.
    void copyExample(const QString& example);
    // Starts the main window on the office in the folder, the schedule and (unless the folder says
    // otherwise) the personal calendar on the given month, and today on 15 January 2027.
    void startSession(int month = 1, int year = 2027);

    void TearDown() override;

    QString officePath() const { return folder.file(QStringLiteral("floor.mdb")); }
    frmCalendar& window() { return *session->calendar; }
    MonthCalendar& control() { return *window().ctCalendar1; }
    template <typename T> T* find(const char* name) { return window().findChild<T*>(QLatin1String(name)); }
    // Clicks a command button of the main window, which must be there and enabled.
    void click(const char* button);
    // Opens the day's editor with a double-click and types the text into it, as a user does; the editor
    // stays open with the keyboard.
    void typeIntoDay(const QDate& date, const QString& text);

    ScriptedUi ui;
    TestFolder folder;
    std::unique_ptr<DesktopSession> session;
    std::function<void(QDialog&)> answerDialog;
    int dialogsShown = 0;

protected:
    // Shows a dialog opened through the main window before the test answers it; here it stays hidden.
    virtual void showDialog(QDialog&) {}
};

} // namespace rp::test
