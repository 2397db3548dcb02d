// The calendar display settings dialog opened from the main window: what it puts in force shows on the
// next generated calendar.

#include "SettingsSession.h"
#include "display_settings/ui/frmCalSettings.h"

#include <QCheckBox>
#include <QRadioButton>

using namespace rp;
using namespace rp::test;

namespace {

class CalSettingsSession : public SettingsSession {
protected:
    void SetUp() override { start(); }
    void openCalSettings(const std::function<void(frmCalSettings&)>& work) {
        open<frmCalSettings>([this] { window().mnuCalSettings->trigger(); }, work);
    }
    // The line of slot A on a day of the shown calendar.
    QString lineA(int day) {
        return control().CellText(QDate(2027, 1, day)).split(QStringLiteral("\r\n")).value(0);
    }
};

} // namespace

TEST_F(CalSettingsSession, FullNamesChosenInTheDialogShowOnTheNextCalendar) {
    click("cmdGenerate");
    // Patricia Nguyen asked for slot A on the 3rd.
    EXPECT_EQ(lineA(3), QStringLiteral("A-PN__"));

    openCalSettings([](frmCalSettings& d) {
        ASSERT_TRUE(d.chkDefaultFonts->isChecked()) << "the installed settings use the default set";
        d.chkDefaultFonts->click();
        ASSERT_TRUE(d.chkFullName->isEnabled());
        d.chkFullName->click();
        d.txtFullNameSize->selectAll();
        d.txtFullNameSize->insert(QStringLiteral("8"));
        d.Option1[0]->click();
        d.cmdOK->click();
    });
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].title, QStringLiteral("If you changed Font settings..."));
    EXPECT_EQ(session->program.display.m_CheckFullName, 1);
    EXPECT_EQ(session->program.display.m_chkDefaultFonts, 0);
    EXPECT_EQ(settingsFile(QStringLiteral("TypeSettings.dat")), QByteArray("0\r\n"));

    click("cmdGenerate");
    EXPECT_TRUE(session->workspace.state.FullName);
    EXPECT_EQ(lineA(3), QStringLiteral("A-Patricia"));
}

TEST_F(CalSettingsSession, TheDialogIsAttachedToTheMenuAndKeptBetweenOpenings) {
    frmCalSettings* first = nullptr;
    openCalSettings([&](frmCalSettings& d) {
        first = &d;
        d.cmdCancel->click();
    });
    openCalSettings([&](frmCalSettings& d) {
        EXPECT_EQ(&d, first);
        d.cmdCancel->click();
    });
    EXPECT_EQ(dialogsShown, 2);
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(CalSettingsSession, DayHeightTakesEffectAtTheNextDisplay) {
    openCalSettings([](frmCalSettings& d) {
        d.chkDefaultFonts->click();
        d.txtScreenDayHeight->setText(QStringLiteral("222"));
        d.cmdOK->click();
    });
    EXPECT_EQ(session->program.display.m_DateHeightScreen, 222);
    click("cmdGenerate");
    EXPECT_EQ(control().DayHeight(), 222);
}
