// The generation driver where a case folder cannot say it: the rules text outside a generation, a missing
// AutoTune.dat, the display values handed over, and offices that cannot be read.

#include "OfficeBuilder.h"
#include "model/OfficeDatabase.h"
#include "platform/Database.h"

#include <QFile>
#include <QRegularExpression>

using namespace rp;
using namespace rp::test;

namespace {

// Site North with Sunday mornings; its only agent works at no existing site.
struct DriverRun : OfficeRun {
    DriverRun() {
        addAgent(QStringLiteral("ZZ"), QStringLiteral("9"));
        SiteSetup north;
        north.am = onDay(1, 1);
        addSite(north);
    }
};

} // namespace

TEST(Driver, TheAutomaticRulesTextIgnoresTheRules) {
    TuneSettings t;
    t.onceWeek = 1;
    t.onceWeekday = 1;
    t.method1 = 0;
    t.method2 = -1;
    EXPECT_EQ(RulesSummary(true, t), QStringLiteral("AUTOMATIC FINE TUNING."));
}

TEST(Driver, AMissingAutoTuneFileIsCreatedAndSelectsTheRules) {
    DriverRun run;
    ASSERT_TRUE(QFile::remove(AutoTuneFilePath(run.folder.path())));
    run.generate();
    EXPECT_TRUE(run.program.schedule.RulesText.startsWith(QStringLiteral("Once/day:")))
        << run.program.schedule.RulesText;
    EXPECT_EQ(ReadAutoTune(run.folder.path()), QStringLiteral("-1"));
}

TEST(Driver, TheLetterSettingsAreCopiedAndTheShownCalendarIndexIsReset) {
    DriverRun run;
    run.program.display.m_LetterYes = 0;
    run.program.display.m_LetterNo = 1;
    run.program.display.m_LetterAgt = 1;
    run.program.schedule.CurrentSiteCalendar = 5;
    int indexWhenShown = -1;
    GenerationOptions options;
    options.rotation = [](int) { return 1; };
    options.showFirstCalendar = [&] { indexWhenShown = run.program.schedule.CurrentSiteCalendar; };
    Generate(run.program, options);

    EXPECT_EQ(indexWhenShown, 0);
    EXPECT_EQ(run.program.schedule.LetterYes, 0);
    EXPECT_EQ(run.program.schedule.LetterNo, 1);
    EXPECT_EQ(run.program.schedule.LetterAgt, 1);
}

TEST(Driver, AFloorFileThatIsNotADatabaseIsReportedAndNothingIsWritten) {
    OfficeRun run;
    run.folder.write(QStringLiteral("floor.mdb"),
                     QByteArray("This is not a database file at all.\r\n").repeated(50));
    run.folder.write(QStringLiteral("0123.1"), "01A1AN__\r\n");
    const GenerationSummary summary = run.generate();

    ASSERT_FALSE(run.ui.messages().empty());
    const auto& m = run.ui.messages()[0];
    expectMessage(m, {.title = "RPRtnsMsbrSitesOpen", .icon = Icon::Critical});
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Error: .+\\. #\\d+\\.$")).match(m.text).hasMatch())
        << m.text;
    EXPECT_TRUE(summary.databaseUnavailable);
    EXPECT_TRUE(run.generatedFiles().isEmpty()) << run.generatedFiles().join(' ');
    EXPECT_EQ(run.program.schedule.CalendarCount, 0);
    EXPECT_FALSE(run.ui.busy());
    expectNoUnexpectedPrompts(run.ui);
}

TEST(Driver, ALockedDatabaseShowsTheAccessMessageAndEndsTheProgram) {
    DriverRun run;
    run.folder.write(QStringLiteral("0123.1"), "01A1ZZ__\r\n");
    auto holder = Database::open(run.program.paths.DatabasePath);
    holder->execute(QStringLiteral("BEGIN EXCLUSIVE"));
    EXPECT_THROW(run.generate(), ProgramEnded);
    holder->execute(QStringLiteral("ROLLBACK"));

    ASSERT_EQ(run.ui.messages().size(), 1u) << run.shown().join('\n');
    expectMessage(run.ui.messages()[0], DatabaseAccessMessageText(run.program.paths.DatabasePath),
                  "See Latest Help for more information", Icon::Critical);
    EXPECT_TRUE(run.ui.ended());
    EXPECT_TRUE(run.generatedFiles().isEmpty()) << run.generatedFiles().join(' ');
}

TEST(Driver, ADatabaseWithoutTheSitesTableIsReportedAndNothingIsWritten) {
    OfficeRun run;
    ASSERT_TRUE(QFile::remove(run.program.paths.DatabasePath));
    Database::create(run.program.paths.DatabasePath,
                     QStringLiteral("CREATE TABLE Agents (fdName TEXT, fdInitial TEXT, fdAssigned TEXT);"));
    const GenerationSummary summary = run.generate();

    ASSERT_FALSE(run.ui.messages().empty());
    expectMessage(run.ui.messages()[0], {.title = "RPRtnsMsbrSitesOpen", .icon = Icon::Critical});
    EXPECT_TRUE(run.ui.messages()[0].text.startsWith(QStringLiteral("Error: ")));
    EXPECT_TRUE(summary.databaseUnavailable);
    EXPECT_TRUE(run.generatedFiles().isEmpty());
    expectNoUnexpectedPrompts(run.ui);
}

TEST(Driver, ADatabaseWithoutTheAgentsTableIsReportedWithoutACrash) {
    OfficeRun run;
    ASSERT_TRUE(QFile::remove(run.program.paths.DatabasePath));
    QString sql = office::schemaSql();
    sql.remove(QRegularExpression(QStringLiteral("CREATE TABLE Agents \\([^;]*\\);")));
    Database::create(run.program.paths.DatabasePath, sql);
    run.execute(QStringLiteral("INSERT INTO Sites (fdSNum, fdSName, fdAM1) VALUES (1, 'North', 1)"));
    run.generate();

    ASSERT_FALSE(run.ui.messages().empty());
    EXPECT_TRUE(run.ui.lastMessage().text.contains(QStringLiteral("3078"))) << run.shown().join('\n');
    expectNoUnexpectedPrompts(run.ui);
}
