#pragma once

#include "backup/OfficeCopy.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <functional>

namespace rp {

class DesktopSession;
class frmExamples;

// The example set-ups: the Examples window, and the main window's Use as default and Exit Example. An
// example runs on a working copy of its file, made afresh at each OK, so the shipped file is never
// written; Use as default takes that copy as the office database, keeping the replaced one as a dated
// backup.
class ExampleSetups : public QObject {
    Q_OBJECT
public:
    explicit ExampleSetups(DesktopSession& session);

    // Examples menu: the window, not modal.
    void openExamples();
    // OK of the window: generates the example of a list entry (0 = the first) for the month of the month
    // settings and shows its calendars as example sites.
    void showExample(int entry);
    void cmdSetAsDefault_Click();
    void cmdExitExample_Click();

    frmExamples* window();

    // The copies made and the clock of the dated backup; tests replace them.
    CopyRoutines copies;
    std::function<QDateTime()> now = [] { return QDateTime::currentDateTime(); };

private:
    void leaveExample();
    void showPersonalCalendar();

    DesktopSession& session_;
    QPointer<frmExamples> window_;
};

// Creates the example set-ups of a started session and attaches them to the main window (Examples, Use as
// default, Exit Example). The returned object belongs to the main window.
ExampleSetups* attachExampleSetups(DesktopSession& session);

} // namespace rp
