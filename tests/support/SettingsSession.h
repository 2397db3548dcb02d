#pragma once

#include "SessionFixture.h"
#include "generator/ui/SettingsDialogs.h"

#include <QByteArray>

namespace rp::test {

// The main window of an example office with the settings dialogs attached; a dialog opened through the
// main window is answered by the test's `answer` function.
class SettingsSession : public SessionTest {
protected:
    void start(const QString& example = QStringLiteral("OneOffice"), int month = 1, int year = 2027) {
        startWith(example, month, year);
        dialogs = attachSettingsDialogs(*session);
    }

    // Opens a dialog by a command of the main window and answers it with `answer`.
    template <typename Dialog>
    void open(const std::function<void()>& command, const std::function<void(Dialog&)>& answer) {
        answerDialog = [answer](QDialog& d) {
            auto* dialog = qobject_cast<Dialog*>(&d);
            ASSERT_NE(dialog, nullptr);
            answer(*dialog);
        };
        command();
        answerDialog = nullptr;
    }

    QByteArray settingsFile(const QString& name) const {
        return folder.read(QStringLiteral("settings/") + name);
    }

    SettingsDialogs* dialogs = nullptr;
};

} // namespace rp::test
