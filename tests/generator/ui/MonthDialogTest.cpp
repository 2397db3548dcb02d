// The month dialog driven through the main window: the check of the entries, the change question and
// the clean-up of old requests, Cancel, and month files that are missing or short.

#include "OfficeData.h"
#include "SettingsSession.h"
#include "generator/RequestCleanup.h"
#include "generator/ui/frmMoYr.h"
#include "model/OfficeDatabase.h"
#include "platform/Database.h"

#include <QFile>

using namespace rp;
using namespace rp::test;

namespace {

const QString kQuestion =
    QStringLiteral("You have changed the month for the rotaplan. Dates that agents previously"
                   " requested OFF or ON are no longer valid. Do you want to delete these "
                   "previous requests?");

// The request fields of every agent and site, in stored order.
QStringList requestsOf(const QString& databasePath) {
    QStringList out;
    for (const Record& agent : recordsOf(databasePath, office::kAgents)) {
        for (const QString& f : AgentRequestFields())
            out << agent.at(f).toString();
    }
    for (const Record& site : recordsOf(databasePath, office::kSites))
        out << site.at(SiteRequestField()).toString();
    return out;
}

class MonthDialog : public SettingsSession {
protected:
    void SetUp() override { start(); }

    // Opens the dialog with the Month button, lets the test work it, and returns what it showed first.
    void openMonth(const std::function<void(frmMoYr&)>& work) {
        open<frmMoYr>([this] { click("cmdMonth"); }, work);
    }
    MonthSetting monthFile() const {
        return ReadMonthFile(folder.file(QStringLiteral("settings/month.dat")));
    }
};

// The ways of starting OK without leaving the year box.
struct OkRoute {
    friend void PrintTo(const OkRoute& p, std::ostream* os) { *os << p.name; }
    const char* name;
    std::function<void(frmMoYr&)> start;
};

class MonthDialogOkRoute : public MonthDialog, public ::testing::WithParamInterface<OkRoute> {};

} // namespace

TEST_F(MonthDialog, ShowsTheMonthFileAndOffersYearsAroundToday) {
    openMonth([](frmMoYr& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("GENERATE SCHEDULE USING ..."));
        EXPECT_EQ(d.cboMonth->currentText(), QStringLiteral("1"));
        EXPECT_EQ(d.cboYear->currentText(), QStringLiteral("2027"));
        EXPECT_EQ(d.cboMonth->count(), 12);
        EXPECT_EQ(d.cboMonth->itemText(11), QStringLiteral("12"));
        EXPECT_GE(d.cboYear->findText(QStringLiteral("2027")), 0);
        EXPECT_GE(d.cboYear->findText(QStringLiteral("2028")), 0);
        EXPECT_LT(d.cboYear->findText(QStringLiteral("2040")), 0);
        d.cmdMoCancel->click();
    });
    EXPECT_EQ(dialogsShown, 1);
    EXPECT_EQ(session->program.schedule.SchedMonth, QStringLiteral("1"));
    EXPECT_EQ(session->program.schedule.SchedYear, QStringLiteral("2027"));
}

TEST_F(MonthDialog, OkWithoutChangesWritesTheMonthFileAgainAndAsksNothing) {
    openMonth([this](frmMoYr& d) {
        ASSERT_TRUE(QFile::remove(folder.file(QStringLiteral("settings/month.dat"))));
        d.cmdMoOK->click();
        EXPECT_EQ(d.result(), QDialog::Accepted);
    });
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(monthFile().month, 1);
    EXPECT_EQ(monthFile().year, 2027);
}

struct BadEntry {
    friend void PrintTo(const BadEntry& p, std::ostream* os) { *os << p.month << "/" << p.year; }
    const char* month;
    const char* year;
};

class MonthDialogBadEntry : public MonthDialog, public ::testing::WithParamInterface<BadEntry> {};

TEST_P(MonthDialogBadEntry, IsRefusedAndTheDialogStays) {
    const QByteArray before = settingsFile(QStringLiteral("month.dat"));
    openMonth([](frmMoYr& d) {
        d.cboMonth->setEditText(QLatin1String(GetParam().month));
        d.cboYear->setEditText(QLatin1String(GetParam().year));
        d.cmdMoOK->click();
        EXPECT_NE(d.result(), QDialog::Accepted);
    });
    ASSERT_EQ(ui.messages().size(), 1u);
    expectMessage(ui.messages()[0], "Please enter proper Month and Year", "Check Month and Year",
                  Icon::Critical);
    EXPECT_EQ(settingsFile(QStringLiteral("month.dat")), before);
    EXPECT_EQ(session->program.schedule.SchedMonth, QStringLiteral("1"));
}

INSTANTIATE_TEST_SUITE_P(Entries, MonthDialogBadEntry,
                         ::testing::Values(BadEntry{"3", "08"}, BadEntry{"13", "2027"}, BadEntry{"", "2027"},
                                           BadEntry{"0", "2027"}, BadEntry{"3", "20x7"},
                                           BadEntry{"3", "20271"}, BadEntry{"March", "2027"}));

TEST_F(MonthDialog, YesClearsEveryRequestAndClosesTheEditors) {
    int editorsClosed = 0;
    session->controller->windows.closeEditors = [&] { ++editorsClosed; };
    ui.answer(Answer::Yes);
    openMonth([](frmMoYr& d) {
        d.cboMonth->setEditText(QStringLiteral("2"));
        d.cmdMoOK->click();
        EXPECT_EQ(d.result(), QDialog::Accepted);
    });
    ASSERT_EQ(ui.messages().size(), 2u);
    const auto& q = ui.messages()[0];
    expectMessage(q, kQuestion, "MONTH / YEAR CHANGED", Icon::Question, Buttons::YesNo, Answer::No);
    expectMessage(ui.messages()[1],
                  {.text = "Previous requests deleted", .title = "MONTH / YEAR", .buttons = Buttons::Ok});
    EXPECT_EQ(editorsClosed, 1);
    for (const QString& field : requestsOf(officePath()))
        EXPECT_EQ(field, QStringLiteral(" "));
    EXPECT_EQ(monthFile().month, 2);
    EXPECT_EQ(session->program.schedule.SchedMonth, QStringLiteral("2"));
    EXPECT_EQ(session->program.schedule.SchedYear, QStringLiteral("2027"));
}

TEST_F(MonthDialog, TheNextGenerationTakesTheClearedFieldsAsEmpty) {
    // Margaret Olsen is off every day: before the clean-up she gets no duty.
    {
        auto db = Database::open(officePath());
        db->execute(QStringLiteral("UPDATE Agents SET fdOffAll = '1-31' WHERE fdInitial = 'MO'"));
    }
    auto dutiesOfMO = [this](int month) {
        int n = 0;
        for (QDate d(2027, month, 1); d.month() == month; d = d.addDays(1))
            n += int(control().CellText(d).count(QStringLiteral("MO")));
        return n;
    };
    click("cmdGenerate");
    ASSERT_EQ(session->program.schedule.CalendarCount, 1);
    EXPECT_EQ(dutiesOfMO(1), 0);

    ui.answer(Answer::Yes);
    openMonth([](frmMoYr& d) {
        d.cboMonth->setEditText(QStringLiteral("2"));
        d.cmdMoOK->click();
    });
    ui.clear();
    click("cmdGenerate");
    EXPECT_EQ(session->program.schedule.CalendarFilePrefix, QStringLiteral("0227"));
    EXPECT_GT(dutiesOfMO(2), 0);
    // Blank fields are no requests: no manual entry or day list is reported.
    EXPECT_TRUE(ui.messages().empty()) << ui.texts().join(QLatin1Char('\n'));
}

TEST_F(MonthDialog, NoKeepsEveryRequestButTakesTheNewMonth) {
    const QStringList before = requestsOf(officePath());
    ui.answer(Answer::No);
    openMonth([](frmMoYr& d) {
        d.cboYear->setEditText(QStringLiteral("2028"));
        d.cboMonth->setEditText(QStringLiteral("1"));
        d.cmdMoOK->click();
    });
    ASSERT_EQ(ui.messages().size(), 2u);
    expectMessage(ui.messages()[1], "Previous requests still in use.", "MONTH / YEAR");
    EXPECT_EQ(requestsOf(officePath()), before);
    EXPECT_EQ(monthFile().year, 2028);
    EXPECT_EQ(session->program.schedule.SchedYear, QStringLiteral("2028"));

    // The new month is the starting one now: OK again asks nothing.
    ui.clear();
    openMonth([](frmMoYr& d) { d.cmdMoOK->click(); });
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(MonthDialog, CancelAfterChangingLeavesFileAndScheduleMonth) {
    const QByteArray before = settingsFile(QStringLiteral("month.dat"));
    openMonth([](frmMoYr& d) {
        d.cboMonth->setEditText(QStringLiteral("7"));
        d.cboYear->setEditText(QStringLiteral("2029"));
        d.cmdMoCancel->click();
        EXPECT_EQ(d.cboMonth->currentText(), QStringLiteral("1"));
        EXPECT_EQ(d.cboYear->currentText(), QStringLiteral("2027"));
    });
    EXPECT_TRUE(ui.messages().empty());
    EXPECT_EQ(settingsFile(QStringLiteral("month.dat")), before);
    EXPECT_EQ(session->program.schedule.SchedMonth, QStringLiteral("1"));
    EXPECT_EQ(session->program.schedule.SchedYear, QStringLiteral("2027"));
}

TEST_F(MonthDialog, LeavingAChangedYearEmptiesTheMonth) {
    ui.answer(Answer::No);
    openMonth([this](frmMoYr& d) {
        d.cboYear->setEditText(QStringLiteral("2028"));
        d.cboYear_LostFocus();
        ASSERT_EQ(ui.messages().size(), 1u);
        expectMessage(ui.messages()[0], "Year changed, please check your month entry", "Year Change",
                      Icon::Information);
        EXPECT_EQ(d.cboMonth->currentText(), QString());
        EXPECT_EQ(d.cboMonth->count(), 12);
        // Without a month OK is refused.
        d.cmdMoOK->click();
        EXPECT_EQ(ui.lastMessage().text, QStringLiteral("Please enter proper Month and Year"));
        d.cboMonth->setCurrentIndex(2);
        d.cmdMoOK->click();
        EXPECT_EQ(d.result(), QDialog::Accepted);
    });
    EXPECT_EQ(monthFile().month, 3);
    EXPECT_EQ(monthFile().year, 2028);
}

TEST_F(MonthDialog, LeavingTheYearUnchangedSaysNothing) {
    openMonth([](frmMoYr& d) {
        d.cboMonth->setEditText(QStringLiteral("4"));
        d.cboYear_LostFocus();
        EXPECT_EQ(d.cboMonth->currentText(), QStringLiteral("4"));
        d.cmdMoCancel->click();
    });
    EXPECT_TRUE(ui.messages().empty());
}

TEST_F(MonthDialog, MissingOrShortMonthFileShowsTodaysMonth) {
    window().today = QDate(2026, 6, 15);
    ASSERT_TRUE(QFile::remove(folder.file(QStringLiteral("settings/month.dat"))));
    openMonth([](frmMoYr& d) {
        EXPECT_EQ(d.cboMonth->currentText(), QStringLiteral("6"));
        EXPECT_EQ(d.cboYear->currentText(), QStringLiteral("2026"));
        d.cmdMoOK->click();
    });
    EXPECT_TRUE(ui.messages().empty()) << "what the dialog showed is the starting month";
    EXPECT_EQ(monthFile().month, 6);
    EXPECT_EQ(monthFile().year, 2026);

    folder.write(QStringLiteral("settings/month.dat"), QByteArray("\x03\x00\xe3", 3));
    openMonth([](frmMoYr& d) {
        EXPECT_EQ(d.cboMonth->currentText(), QStringLiteral("3"));
        EXPECT_EQ(d.cboYear->currentText(), QStringLiteral("2026"));
        d.cmdMoCancel->click();
    });
}

TEST_F(MonthDialog, ReadOnlyOfficeGivesTheAccessMessageAndChangesNothing) {
    const QByteArray before = folder.read(QStringLiteral("floor.mdb"));
    ASSERT_TRUE(QFile::setPermissions(officePath(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    int editorsClosed = 0;
    session->controller->windows.closeEditors = [&] { ++editorsClosed; };
    ui.answer(Answer::Yes);
    openMonth([](frmMoYr& d) {
        d.cboMonth->setEditText(QStringLiteral("2"));
        d.cmdMoOK->click();
        EXPECT_NE(d.result(), QDialog::Accepted);
    });
    ASSERT_EQ(ui.messages().size(), 2u);
    expectMessage(ui.messages()[1], DatabaseAccessMessageText(officePath()), kDatabaseAccessTitle);
    EXPECT_TRUE(ui.ended());
    EXPECT_EQ(editorsClosed, 0);
    QFile::setPermissions(officePath(), QFile::ReadOwner | QFile::WriteOwner);
    EXPECT_EQ(folder.read(QStringLiteral("floor.mdb")), before);
}

// Leaving a changed year empties the month, also when OK is started from the keyboard while the year is
// still being typed; the message shows once.
TEST_P(MonthDialogOkRoute, ChangedYearBeingTypedEmptiesTheMonthFirst) {
    ui.answer(Answer::No);
    openMonth([this](frmMoYr& d) {
        ASSERT_NO_FATAL_FAILURE(showActive(d));
        typeInto(d.cboYear, QStringLiteral("2028"));
        GetParam().start(d);
        EXPECT_EQ(ui.texts(), (QStringList{QStringLiteral("Year changed, please check your month entry"),
                                           QStringLiteral("Please enter proper Month and Year")}));
        EXPECT_TRUE(d.isVisible());
        QTest::mouseClick(d.cboMonth->lineEdit(), Qt::LeftButton);
        EXPECT_EQ(ui.messages().size(), 2u) << "leaving the year again says nothing more";
        QTest::keyClicks(d.cboMonth, QStringLiteral("3"));
        GetParam().start(d);
        EXPECT_FALSE(d.isVisible());
    });
    ASSERT_EQ(ui.messages().size(), 4u);
    EXPECT_EQ(ui.messages()[2].title, QStringLiteral("MONTH / YEAR CHANGED"));
    EXPECT_EQ(monthFile().month, 3);
    EXPECT_EQ(monthFile().year, 2028);
}

INSTANTIATE_TEST_SUITE_P(
    Routes, MonthDialogOkRoute,
    ::testing::Values(OkRoute{"Mnemonic",
                              [](frmMoYr& d) {
                                  // A mnemonic holds its button down for a moment and then clicks it.
                                  QTest::keyClick(&d, Qt::Key_O, Qt::AltModifier);
                                  EXPECT_TRUE(QTest::qWaitFor([&] { return !d.cmdMoOK->isDown(); }));
                              }},
                      OkRoute{"Enter", [](frmMoYr& d) { QTest::keyClick(d.focusWidget(), Qt::Key_Return); }}),
    byName);
