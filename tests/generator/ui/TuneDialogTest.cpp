// The fine-tuning dialog driven through the main window: what it reads and writes back, the automatic
// switch with its question and the two heights, the rule of the two lists, Cancel, Help and missing or
// short files.

#include "SettingsSession.h"
#include "generator/GapFilling.h"
#include "generator/ui/frmTune.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QRadioButton>

using namespace rp;
using namespace rp::test;

namespace {

QByteArray tuneBytes(std::initializer_list<int16_t> fields) {
    QByteArray b;
    for (int16_t f : fields) {
        b.append(char(f & 0xff));
        b.append(char((f >> 8) & 0xff));
    }
    return b;
}

class TuneDialog : public SettingsSession {
protected:
    void SetUp() override { start(); }

    void openTune(const std::function<void(frmTune&)>& work) {
        open<frmTune>([this] { window().mnuFineTune->trigger(); }, work);
    }
    void setAutoTune(const QByteArray& content) {
        folder.write(QStringLiteral("settings/AutoTune.dat"), content);
    }

    static bool framesShown(const frmTune& d) {
        return !d.Frame1->isHidden() && !d.Frame2->isHidden() && !d.Frame3->isHidden();
    }
    static bool framesHidden(const frmTune& d) {
        return d.Frame1->isHidden() && d.Frame2->isHidden() && d.Frame3->isHidden();
    }
};

} // namespace

TEST_F(TuneDialog, OkWithoutTouchingWritesBackTheSameBytes) {
    const QByteArray tune = tuneBytes({2, 1, 0, 1, 1, 0, -1});
    folder.write(QStringLiteral("settings/tune.dat"), tune);
    setAutoTune("0\r\n");
    openTune([](frmTune& d) {
        EXPECT_EQ(d.cboAftr->currentText(), QStringLiteral("2"));
        EXPECT_EQ(d.cbobfr->currentText(), QStringLiteral("1"));
        EXPECT_FALSE(d.chkDay->isChecked());
        EXPECT_TRUE(d.chkWeek->isChecked());
        EXPECT_TRUE(d.chkSame->isChecked());
        EXPECT_TRUE(d.Option2->isChecked());
        EXPECT_FALSE(d.chkAutomatic->isChecked());
        d.cmdTuneOK->click();
        EXPECT_EQ(d.result(), QDialog::Accepted);
    });
    EXPECT_EQ(settingsFile(QStringLiteral("tune.dat")), tune);
    EXPECT_EQ(settingsFile(QStringLiteral("AutoTune.dat")), QByteArray("0\r\n"));
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(TuneDialog, OkWithTheInstalledFilesKeepsThemAsTheyAre) {
    const QByteArray tune = settingsFile(QStringLiteral("tune.dat"));
    ASSERT_EQ(tune.size(), 14);
    openTune([](frmTune& d) { d.cmdTuneOK->click(); });
    EXPECT_EQ(settingsFile(QStringLiteral("tune.dat")), tune);
    EXPECT_EQ(settingsFile(QStringLiteral("AutoTune.dat")), QByteArray("1\r\n"));
}

TEST_F(TuneDialog, ChecksAndOptionsAreWrittenAsTheFileWantsThem) {
    folder.write(QStringLiteral("settings/tune.dat"), tuneBytes({0, 0, -1, 0, 0, -1, 0}));
    setAutoTune("0\r\n");
    openTune([](frmTune& d) {
        EXPECT_TRUE(d.chkDay->isChecked()) << "shown by its absolute value";
        EXPECT_TRUE(d.Option1->isChecked());
        d.chkSame->click();
        d.Option2->click();
        d.cboAftr->setCurrentIndex(2);
        d.cmdTuneOK->click();
    });
    EXPECT_EQ(settingsFile(QStringLiteral("tune.dat")), tuneBytes({2, 0, 1, 0, 1, 0, -1}));
}

TEST_F(TuneDialog, CheckingAutomaticMakesTheNextGenerationAutomatic) {
    setAutoTune("0\r\n");
    click("cmdGenerate");
    EXPECT_NE(session->program.schedule.RulesText, QStringLiteral("AUTOMATIC FINE TUNING."));
    openTune([](frmTune& d) {
        EXPECT_TRUE(framesShown(d));
        d.chkAutomatic->click();
        EXPECT_TRUE(framesHidden(d));
        EXPECT_EQ(d.height(), frmTune::kShortHeight);
        d.cmdTuneOK->click();
    });
    EXPECT_TRUE(ui.messages().empty()) << "checking the box asks nothing";
    EXPECT_EQ(settingsFile(QStringLiteral("AutoTune.dat")), QByteArray("1\r\n"));
    click("cmdGenerate");
    EXPECT_EQ(session->program.schedule.RulesText, QStringLiteral("AUTOMATIC FINE TUNING."));
}

TEST_F(TuneDialog, AutomaticOnShowsTheShortDialog) {
    setAutoTune(" 1 \r\n");
    openTune([](frmTune& d) {
        EXPECT_TRUE(d.chkAutomatic->isChecked());
        EXPECT_TRUE(framesHidden(d));
        EXPECT_EQ(d.height(), 1800 / 15);
        EXPECT_EQ(d.cmdTuneOK->y(), 600 / 15);
        EXPECT_EQ(d.cmdTuneHelp->y(), 600 / 15);
        d.cmdTuneCancel->click();
    });
}

TEST_F(TuneDialog, ClearingAutomaticAndAnsweringNoKeepsItChecked) {
    ui.answer(Answer::No);
    openTune([this](frmTune& d) {
        ASSERT_TRUE(d.chkAutomatic->isChecked());
        d.chkAutomatic->click();
        ASSERT_EQ(ui.messages().size(), 1u);
        const auto& q = ui.messages()[0];
        expectMessage(
            q, {.title = "Use Manual Fine Tuning?", .icon = Icon::Information, .buttons = Buttons::YesNo});
        EXPECT_TRUE(
            q.text.startsWith(QStringLiteral(" You have chosen to disable Automatic Fine Tuning. \r\n")));
        EXPECT_TRUE(q.text.endsWith(
            QStringLiteral("for details.\r\n Do you still wish to view Manual Fine Tuning?")));
        EXPECT_EQ(q.text.count(QStringLiteral("\r\n")), 11);
        EXPECT_TRUE(d.chkAutomatic->isChecked());
        EXPECT_TRUE(framesHidden(d));
        EXPECT_EQ(d.height(), frmTune::kShortHeight);
        d.cmdTuneOK->click();
    });
    EXPECT_EQ(settingsFile(QStringLiteral("AutoTune.dat")), QByteArray("1\r\n"));
}

TEST_F(TuneDialog, ClearingAutomaticAndAnsweringYesShowsTheRules) {
    ui.answer(Answer::Yes);
    openTune([](frmTune& d) {
        d.chkAutomatic->click();
        EXPECT_FALSE(d.chkAutomatic->isChecked());
        EXPECT_TRUE(framesShown(d));
        EXPECT_TRUE(d.Frame1->isEnabled());
        EXPECT_EQ(d.height(), 4740 / 15);
        EXPECT_EQ(d.cmdTuneOK->y(), 3600 / 15);
        EXPECT_EQ(d.cmdTuneCancel->y(), 3600 / 15);
        d.cmdTuneOK->click();
    });
    EXPECT_EQ(settingsFile(QStringLiteral("AutoTune.dat")), QByteArray("0\r\n"));
    click("cmdGenerate");
    EXPECT_NE(session->program.schedule.RulesText, QStringLiteral("AUTOMATIC FINE TUNING."));
}

TEST_F(TuneDialog, ListsTakeOnlyZeroToTwo) {
    setAutoTune("0\r\n");
    openTune([this](frmTune& d) {
        QLineEdit* before = d.cbobfr->lineEdit();
        before->selectAll();
        QTest::keyClick(before, Qt::Key_3);
        ASSERT_EQ(ui.messages().size(), 1u);
        expectMessage(ui.messages()[0], "0 to 2 only", "INVALID ENTRY", Icon::Critical);
        EXPECT_EQ(ui.beeps(), 1);
        EXPECT_EQ(d.cbobfr->currentText(), QStringLiteral("0"));
        QTest::keyClick(before, Qt::Key_A);
        EXPECT_EQ(ui.messages().size(), 2u);
        before->selectAll();
        QTest::keyClick(before, Qt::Key_2);
        EXPECT_EQ(d.cbobfr->currentText(), QStringLiteral("2"));
        EXPECT_EQ(ui.messages().size(), 2u);
        // Pasted text passes the same rule.
        QGuiApplication::clipboard()->setText(QStringLiteral("x1"));
        QLineEdit* after = d.cboAftr->lineEdit();
        after->selectAll();
        after->paste();
        EXPECT_EQ(ui.messages().size(), 3u);
        EXPECT_EQ(d.cboAftr->currentText(), QStringLiteral("0"));
        d.cmdTuneOK->click();
    });
    const TuneSettings t = ReadTuneFile(folder.file(QStringLiteral("settings/tune.dat")));
    EXPECT_EQ(t.daysBefore, 2);
    EXPECT_EQ(t.daysAfter, 0);
}

TEST_F(TuneDialog, CancelRestoresTheFileButNotTheAutomaticBox) {
    const QByteArray tune = settingsFile(QStringLiteral("tune.dat"));
    ui.answer(Answer::Yes);
    openTune([](frmTune& d) {
        d.chkAutomatic->click();
        d.chkDay->click();
        d.cbobfr->setCurrentIndex(2);
        d.cmdTuneCancel->click();
        EXPECT_TRUE(d.chkDay->isChecked()) << "back as the file says";
        EXPECT_EQ(d.cbobfr->currentText(), QStringLiteral("0"));
    });
    EXPECT_EQ(settingsFile(QStringLiteral("tune.dat")), tune);
    EXPECT_EQ(settingsFile(QStringLiteral("AutoTune.dat")), QByteArray("1\r\n"));
    openTune([](frmTune& d) {
        EXPECT_FALSE(d.chkAutomatic->isChecked()) << "the dialog keeps its box between openings";
        d.cmdTuneCancel->click();
    });
}

TEST_F(TuneDialog, MissingFilesOpenWithTheManualRulesAndNothingOn) {
    ASSERT_TRUE(QFile::remove(folder.file(QStringLiteral("settings/tune.dat"))));
    ASSERT_TRUE(QFile::remove(folder.file(QStringLiteral("settings/AutoTune.dat"))));
    openTune([](frmTune& d) {
        EXPECT_FALSE(d.chkAutomatic->isChecked());
        EXPECT_TRUE(framesShown(d));
        EXPECT_EQ(d.cboAftr->currentText(), QStringLiteral("0"));
        EXPECT_EQ(d.cbobfr->currentText(), QStringLiteral("0"));
        EXPECT_FALSE(d.chkDay->isChecked());
        EXPECT_TRUE(d.Option2->isChecked()) << "a file without method 1 generates with method 2";
        d.cmdTuneOK->click();
    });
    EXPECT_EQ(settingsFile(QStringLiteral("tune.dat")), tuneBytes({0, 0, 0, 0, 0, 0, -1}));
    EXPECT_EQ(settingsFile(QStringLiteral("AutoTune.dat")), QByteArray("0\r\n"));
}

TEST_F(TuneDialog, ShortTuneFileShowsTheFieldsItHas) {
    folder.write(QStringLiteral("settings/tune.dat"), tuneBytes({1, 2, 1}));
    openTune([](frmTune& d) {
        EXPECT_EQ(d.cboAftr->currentText(), QStringLiteral("1"));
        EXPECT_EQ(d.cbobfr->currentText(), QStringLiteral("2"));
        EXPECT_TRUE(d.chkDay->isChecked());
        EXPECT_FALSE(d.chkWeek->isChecked());
        d.cmdTuneCancel->click();
    });
}

TEST_F(TuneDialog, HelpWithoutAViewerSaysSo) {
    openTune([](frmTune& d) {
        d.cmdTuneHelp->click();
        d.cmdTuneCancel->click();
    });
    ASSERT_EQ(ui.messages().size(), 1u);
    EXPECT_EQ(ui.messages()[0].text, QStringLiteral("Not available yet."));
}

TEST_F(TuneDialog, HelpShowsTheTuningHelpText) {
    QString shown;
    session->program.showHelp = [&](const QString& file) { shown = file; };
    openTune([](frmTune& d) {
        d.cmdTuneHelp->click();
        d.cmdTuneCancel->click();
    });
    EXPECT_EQ(shown, folder.file(QStringLiteral("help/tunehlp.txt")));
}

TEST_F(TuneDialog, TheGapFillingBoxLivesInItsOwnFileAndStaysInSightAtEitherHeight) {
    setAutoTune("0\r\n");
    openTune([](frmTune& d) {
        EXPECT_FALSE(d.chkFillGaps->isChecked()) << "off without its file";
        EXPECT_EQ(d.height(), frmTune::kTallHeight);
        EXPECT_FALSE(d.chkFillGaps->isHidden());
        EXPECT_GT(d.chkFillGaps->y(), d.cmdTuneOK->geometry().bottom());
        EXPECT_LE(d.chkFillGaps->geometry().bottom(), d.height());
        d.chkFillGaps->click();
        d.cmdTuneOK->click();
    });
    EXPECT_EQ(settingsFile(QStringLiteral("FillGaps.dat")), QByteArray("1\r\n"));
    click("cmdGenerate");
    EXPECT_TRUE(GapsFilledIn(session->program.schedule.RulesText).has_value())
        << session->program.schedule.RulesText.toStdString();

    // Short, cleared and cancelled: the file stays, and the box shows it again.
    openTune([](frmTune& d) {
        EXPECT_TRUE(d.chkFillGaps->isChecked());
        d.chkAutomatic->click();
        EXPECT_EQ(d.height(), frmTune::kShortHeight);
        EXPECT_GT(d.chkFillGaps->y(), d.cmdTuneOK->geometry().bottom());
        EXPECT_LE(d.chkFillGaps->geometry().bottom(), d.height());
        d.chkFillGaps->click();
        d.cmdTuneCancel->click();
        EXPECT_TRUE(d.chkFillGaps->isChecked());
    });
    EXPECT_EQ(settingsFile(QStringLiteral("FillGaps.dat")), QByteArray("1\r\n"));
}
