// File | Export Duties... driven through the main window: nothing to export before a generation, the
// folder chooser cancelled, and an export with its progress dialog and closing message.

#include "export/ui/DutyExportCommand.h"

#include "SessionFixture.h"
#include "export/DutyExport.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QProgressDialog>
#include <QTemporaryDir>

using namespace rp;
using namespace rp::test;

namespace {

class ExportDutiesTest : public SessionTest {
protected:
    void open() {
        startWith(QStringLiteral("OneOffice"));
        command = attachDutyExport(*session);
        command->chooseFolder = [this] {
            ++choices;
            return chosen;
        };
        command->calendarOptions.timeZone = "Europe/Berlin";
    }
    QAction* menuEntry() { return find<QAction>("mnuExportDuties"); }

    DutyExportCommand* command = nullptr;
    QString chosen;
    int choices = 0;
};

} // namespace

TEST_F(ExportDutiesTest, TheFileMenuOffersItBesideTheBackup) {
    open();
    ASSERT_NE(menuEntry(), nullptr);
    EXPECT_EQ(menuEntry()->text(), QStringLiteral("Export D&uties..."));
    const QList<QAction*> entries = window().mnuFile->actions();
    EXPECT_EQ(entries.indexOf(menuEntry()) + 1, entries.indexOf(window().mnuExport));
}

TEST_F(ExportDutiesTest, BeforeAGenerationThereIsNothingToExport) {
    open();
    menuEntry()->trigger();
    ASSERT_EQ(ui.messages().size(), 1u);
    expectMessage(ui.lastMessage(), "Generate a schedule first: there are no duties to export.",
                  "Export Duties", Icon::Information);
    EXPECT_EQ(choices, 0);
}

TEST_F(ExportDutiesTest, WritesACalendarPerAgentAndTheCsvWithProgress) {
    open();
    click("cmdGenerate");
    ui.clear();
    // The chooser cancelled: nothing is written, nothing said.
    menuEntry()->trigger();
    EXPECT_EQ(choices, 1);
    EXPECT_TRUE(ui.messages().empty());

    QTemporaryDir out;
    chosen = out.path();
    menuEntry()->trigger();
    const QStringList files = QDir(out.path()).entryList(QDir::Files);
    const QStringList calendars = files.filter(QStringLiteral(".ics"));
    const ScheduleState& s = session->program.schedule;
    EXPECT_EQ(calendars.size(), QSet<QString>(s.AgentInitials.begin(), s.AgentInitials.end()).size());
    EXPECT_TRUE(files.contains(DutyCsvFileName(1, 2027))) << files.join(' ').toStdString();
    ASSERT_NE(command->progress, nullptr);
    EXPECT_EQ(command->progress->maximum(), files.size());
    EXPECT_EQ(command->progress->value(), files.size());
    EXPECT_FALSE(command->progress->isVisible());
    ASSERT_EQ(ui.messages().size(), 1u);
    const QString text = ui.lastMessage().text;
    EXPECT_TRUE(
        text.endsWith(QStringLiteral(" were written to %1 files in %2.").arg(files.size()).arg(out.path())))
        << text.toStdString();
    EXPECT_EQ(ui.lastMessage().title, QStringLiteral("Export Duties"));
}
