// The month and fine-tuning dialogs saving to settings files marked read-only (which the program refuses
// even to the administrator the tests run as): the dialog's message, the files as they were, and the
// dialog still open so that nothing chosen is lost.

#include "SettingsSession.h"
#include "generator/GapFilling.h"
#include "generator/ui/frmMoYr.h"
#include "generator/ui/frmTune.h"
#include "platform/ErrorReport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>

using namespace rp;
using namespace rp::test;

namespace {

class SettingsWriteFailure : public SettingsSession {
protected:
    void SetUp() override { start(); }

    // Marks a settings file read-only and returns what it holds.
    QByteArray readOnly(const QString& name) {
        const QString path = folder.file(QStringLiteral("settings/") + name);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        return settingsFile(name);
    }

    const QString refused = ErrorReportText(Error::runtime(err::PermissionDenied));
};

} // namespace

TEST_F(SettingsWriteFailure, MonthDialogReportsTheMonthFileAndKeepsIt) {
    const QByteArray month = readOnly(QStringLiteral("month.dat"));
    open<frmMoYr>([this] { click("cmdMonth"); },
                  [&](frmMoYr& d) {
                      d.cboYear->setCurrentText(QStringLiteral("2028"));
                      d.cboMonth->setCurrentText(QStringLiteral("3"));
                      d.cmdMoOK->click();
                      EXPECT_NE(d.result(), QDialog::Accepted) << "the dialog stays open";
                      d.cmdMoCancel->click();
                  });
    ASSERT_FALSE(ui.messages().empty());
    expectMessage(ui.messages().front(), refused, QStringLiteral("frmMoYr.cmdMoOK"), Icon::Critical);
    EXPECT_EQ(settingsFile(QStringLiteral("month.dat")), month);
}

// The fine-tuning dialog writes three files; whichever of them cannot be written, all three keep what
// they held.
class TuneWriteFailure : public SettingsWriteFailure, public ::testing::WithParamInterface<const char*> {};

TEST_P(TuneWriteFailure, ReportsItAndKeepsAllThreeFiles) {
    WriteFillGaps(folder.path(), false);
    const QStringList names{QStringLiteral("tune.dat"), QStringLiteral("AutoTune.dat"),
                            QStringLiteral("FillGaps.dat")};
    readOnly(QLatin1String(GetParam()));
    QList<QByteArray> before;
    for (const QString& name : names)
        before << settingsFile(name);
    open<frmTune>([this] { window().mnuFineTune->trigger(); },
                  [&](frmTune& d) {
                      d.chkAutomatic->setChecked(!d.chkAutomatic->isChecked());
                      d.chkDay->setChecked(!d.chkDay->isChecked());
                      d.chkFillGaps->setChecked(!d.chkFillGaps->isChecked());
                      d.cmdTuneOK->click();
                      EXPECT_NE(d.result(), QDialog::Accepted) << "the dialog stays open";
                      d.cmdTuneCancel->click();
                  });
    ASSERT_FALSE(ui.messages().empty());
    expectMessage(ui.lastMessage(), refused, QStringLiteral("frmTune.cmdTuneOK"), Icon::Critical);
    for (qsizetype i = 0; i < names.size(); ++i)
        EXPECT_EQ(settingsFile(names[i]), before[i]) << names[i].toStdString();
}

INSTANTIATE_TEST_SUITE_P(EachFile, TuneWriteFailure,
                         ::testing::Values("tune.dat", "AutoTune.dat", "FillGaps.dat"));
