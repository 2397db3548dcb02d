// The generation driver: old files, processing order, linked pairs and the link check, the calendar and
// description files, the rules text and what is handed to the calendar window.

#include "OfficeBuilder.h"
#include "model/OfficeDatabase.h"
#include "platform/Database.h"
#include "platform/Ui.h"

#include <QFile>
#include <QRegularExpression>

using namespace rp;
using namespace rp::test;

namespace {

const QString kLinkErrorText =
    QStringLiteral("Uneven number of linked sites. If a letter was placed in Site Link field, \n"
                   "there must be an identical letter in another site.\n");

// An office whose only agent works at no existing site: every slot is written as "AGT?" and no message
// about missing agents is due.
struct DriverRun : OfficeRun {
    DriverRun() { addAgent(QStringLiteral("ZZ"), QStringLiteral("9")); }
    void site(int number, const QString& name, const WeekCounts& am, const QString& close = {},
              const QString& link = {}, const WeekCounts& pm = {}) {
        SiteSetup s;
        s.number = number;
        s.name = name;
        s.am = am;
        s.pm = pm;
        if (!close.isEmpty())
            s.close = close;
        if (!link.isEmpty())
            s.link = link;
        addSite(s);
    }
};

} // namespace

TEST(Driver, SitesAreFilledFewestOpenSlotsFirstTiesByNumber) {
    DriverRun run;
    run.site(1, QStringLiteral("Big"), everyDay(1), QStringLiteral("21-31"));          // 20 slots
    run.site(2, QStringLiteral("Small"), everyDay(1), QStringLiteral("13-31"));        // 12 slots
    run.site(3, QStringLiteral("Late"), {}, QStringLiteral("13-31"), {}, everyDay(1)); // 12 slots
    const GenerationSummary summary = run.generate();

    EXPECT_EQ(run.program.schedule.CalendarCount, 3);
    EXPECT_EQ(run.description(1), descriptionOf(QStringLiteral("Small"), QStringLiteral("2")));
    EXPECT_EQ(run.description(2), descriptionOf(QStringLiteral("Late"), QStringLiteral("3")));
    EXPECT_EQ(run.description(3), descriptionOf(QStringLiteral("Big"), QStringLiteral("1")));
    EXPECT_EQ(run.calendar(1),
              records(withInitials(QStringLiteral("01A1 08A1 07A7 02A2 09A2 03A3 10A3 04A4 11A4 "
                                                  "05A5 12A5 06A6"),
                                   kUnfilled)));
    EXPECT_EQ(run.calendar(2),
              records(withInitials(QStringLiteral("01C1 08C1 07C7 02C2 09C2 03C3 10C3 04C4 11C4 "
                                                  "05C5 12C5 06C6"),
                                   kUnfilled)));
    EXPECT_EQ(run.program.schedule.CalendarFilePrefix, QStringLiteral("0123"));
    ASSERT_EQ(summary.calendars.size(), 3u);
    EXPECT_EQ(run.showCalls, 1);
    EXPECT_TRUE(run.ui.messages().empty()) << run.shown().join('\n').toStdString();
}

TEST(Driver, ALinkedPairGivesOneCalendarSecondProcessedSiteFirst) {
    DriverRun run;
    run.site(1, QStringLiteral("North"), onDay(1, 1), {}, QStringLiteral("A")); // 5 slots
    run.site(2, QStringLiteral("South"), onDay(7, 1), {}, QStringLiteral("A")); // 4 slots, filled first
    run.generate();

    EXPECT_EQ(run.program.schedule.CalendarCount, 1);
    EXPECT_EQ(
        run.calendar(1),
        records(withInitials(QStringLiteral("01A1 08A1 15A1 22A1 29A1 07A7 14A7 21A7 28A7"), kUnfilled)));
    EXPECT_EQ(run.description(1), descriptionOf(QStringLiteral("North"), QStringLiteral("1")));
    EXPECT_EQ(run.generatedFiles(), (QStringList{"0123.1", "0123.1D"}));
    EXPECT_TRUE(run.ui.messages().empty()) << run.shown().join('\n').toStdString();
    EXPECT_EQ(run.showCalls, 1);
}

TEST(Driver, ALoneLinkedSiteIsReportedAndNoCalendarRemains) {
    DriverRun run;
    run.site(1, QStringLiteral("North"), onDay(1, 1), {}, QStringLiteral("A"));
    run.site(2, QStringLiteral("South"), onDay(7, 1));
    run.generate();

    ASSERT_EQ(run.ui.messages().size(), 1u) << run.shown().join('\n').toStdString();
    EXPECT_EQ(run.ui.messages()[0].text, kLinkErrorText);
    EXPECT_EQ(run.ui.messages()[0].title, QStringLiteral("Site Links Error."));
    EXPECT_EQ(run.ui.messages()[0].buttons, Buttons::Ok);
    EXPECT_TRUE(run.generatedFiles().isEmpty()) << run.generatedFiles().join(' ').toStdString();
    EXPECT_EQ(run.showCalls, 0);
    EXPECT_FALSE(run.ui.busy());
    EXPECT_EQ(run.program.schedule.CalendarFilePrefix, QStringLiteral("0123"));
}

TEST(Driver, ALinkedSiteClosedAllMonthLeavesItsPartnerUnmatched) {
    DriverRun run;
    run.site(1, QStringLiteral("North"), onDay(1, 1), {}, QStringLiteral("A"));
    run.site(2, QStringLiteral("South"), onDay(1, 1), QStringLiteral("1-31"), QStringLiteral("A"));
    run.generate();
    EXPECT_EQ(run.shown(), QStringList{QStringLiteral("Site Links Error.|") + kLinkErrorText});
    EXPECT_TRUE(run.generatedFiles().isEmpty()) << run.generatedFiles().join(' ').toStdString();
}

struct LinkLetters {
    QStringList letters;
    bool uneven;
    int calendars; // when even
};

class LinkCheck : public ::testing::TestWithParam<LinkLetters> {};

TEST_P(LinkCheck, CountsEveryDistinctLetter) {
    DriverRun run;
    const LinkLetters& p = GetParam();
    for (int i = 0; i < p.letters.size(); ++i)
        run.site(i + 1, QStringLiteral("Site %1").arg(i + 1), onDay(1, 1), QStringLiteral("2-31"),
                 p.letters[i]);
    run.generate();

    if (p.uneven) {
        ASSERT_EQ(run.ui.messages().size(), 1u) << run.shown().join('\n').toStdString();
        EXPECT_EQ(run.ui.messages()[0].title, QStringLiteral("Site Links Error."));
        EXPECT_EQ(run.ui.messages()[0].text, kLinkErrorText);
        EXPECT_TRUE(run.generatedFiles().isEmpty()) << run.generatedFiles().join(' ').toStdString();
        return;
    }
    EXPECT_TRUE(run.ui.messages().empty()) << run.shown().join('\n').toStdString();
    EXPECT_EQ(run.program.schedule.CalendarCount, p.calendars);
    for (int n = 1; n <= p.calendars; ++n) {
        EXPECT_EQ(run.calendar(n), records(QStringLiteral("01A1AGT? 01A1AGT?")));
        EXPECT_EQ(run.description(n),
                  descriptionOf(QStringLiteral("Site %1").arg(2 * n), QString::number(2 * n)));
    }
    EXPECT_EQ(run.generatedFiles().filter(QStringLiteral("@")), QStringList{});
}

INSTANTIATE_TEST_SUITE_P(Letters, LinkCheck,
                         ::testing::Values(LinkLetters{{"A", "A", "B"}, true, 0},
                                           LinkLetters{{"a", "A"}, true, 0},
                                           LinkLetters{{"A", "A", "B", "B", "C", "C", "D"}, true, 0},
                                           LinkLetters{{"A", "A", "B", "B", "C", "C", "D", "D"}, false, 4},
                                           LinkLetters{{" B", "B "}, false, 1}));

TEST(Driver, TheRulesTextNamesTheSwitchesAndTheMethod) {
    DriverRun run;
    run.site(1, QStringLiteral("North"), onDay(1, 1));
    TuneSettings t;
    t.onceDay = 1;
    t.onceWeek = 0;
    t.onceWeekday = 0;
    t.method1 = -1;
    run.useRules(t);
    run.generate();
    EXPECT_EQ(run.program.schedule.RulesText,
              QStringLiteral("Once/day:True. Once/Week:False. Once/weekday:False. Method:1"));

    t.onceDay = 0;
    t.onceWeek = 1;
    t.onceWeekday = 1;
    t.method1 = 0;
    t.method2 = -1;
    run.useRules(t);
    run.generate();
    EXPECT_EQ(run.program.schedule.RulesText,
              QStringLiteral("Once/day:False. Once/Week:True. Once/weekday:True. Method:2"));
    EXPECT_EQ(RulesSummary(true, t), QStringLiteral("AUTOMATIC FINE TUNING."));
}

TEST(Driver, AMissingAutoTuneFileIsCreatedAndSelectsTheRules) {
    DriverRun run;
    run.site(1, QStringLiteral("North"), onDay(1, 1));
    ASSERT_TRUE(QFile::remove(AutoTuneFilePath(run.folder.path())));
    run.generate();
    EXPECT_TRUE(run.program.schedule.RulesText.startsWith(QStringLiteral("Once/day:")))
        << run.program.schedule.RulesText.toStdString();
    EXPECT_EQ(ReadAutoTune(run.folder.path()), QStringLiteral("-1"));
}

TEST(Driver, AMonthWithEverySiteClosedWritesNoCalendarButStillAsksForTheFirst) {
    DriverRun run;
    run.site(1, QStringLiteral("North"), everyDay(2), QStringLiteral("1-31"));
    run.site(2, QStringLiteral("South"), everyDay(1), QStringLiteral("1-15 16-31"));
    run.folder.write(QStringLiteral("0123.1"), "01A1ZZ__\r\n");
    const GenerationSummary summary = run.generate();
    EXPECT_EQ(run.program.schedule.CalendarCount, 0);
    EXPECT_TRUE(run.generatedFiles().isEmpty()) << run.generatedFiles().join(' ').toStdString();
    EXPECT_TRUE(summary.calendars.empty());
    EXPECT_EQ(run.showCalls, 1);
    EXPECT_TRUE(run.ui.messages().empty()) << run.shown().join('\n').toStdString();
}

TEST(Driver, TheRulesTextIsOnlySetWhenACalendarIsWritten) {
    DriverRun run;
    run.site(1, QStringLiteral("North"), onDay(1, 1));
    run.useAutomatic();
    run.generate();
    EXPECT_EQ(run.program.schedule.RulesText, QStringLiteral("AUTOMATIC FINE TUNING."));
    run.execute(QStringLiteral("UPDATE Sites SET fdSClose = '1-31'"));
    run.useRules();
    run.generate();
    EXPECT_EQ(run.program.schedule.CalendarCount, 0);
    EXPECT_EQ(run.program.schedule.RulesText, QStringLiteral("AUTOMATIC FINE TUNING."));
}

TEST(Driver, TheFilesOfThePreviousRunAreDeletedFirst) {
    DriverRun run;
    run.site(1, QStringLiteral("North"), onDay(1, 1), QStringLiteral("2-31"));
    for (const char* stale :
         {"0523.1", "0523.1D", "1299.7", "abcd.xd", "@LINKZ", "@linkq", "0123.2", "0123.2D"})
        run.folder.write(QLatin1String(stale), "01A1OLD_\r\n");
    const QStringList kept{"0523.12", "ABCDE.1", "@LINKAB", "notes.txt", "0523.1DX"};
    for (const QString& name : kept)
        run.folder.write(name, "keep\r\n");
    run.generate();

    QStringList expected = kept;
    expected << QStringLiteral("0123.1") << QStringLiteral("0123.1D") << QStringLiteral("floor.mdb");
    expected.sort();
    QStringList actual = run.folder.files();
    actual.sort();
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01A1AGT?")));
}

TEST(Driver, ASiteWithOnlyManualRecordsStillGetsItsCalendar) {
    DriverRun run;
    run.site(1, QStringLiteral("North"), onDay(1, 1));
    run.site(2, QStringLiteral("Annex"), {});
    AgentSetup a;
    a.name = QStringLiteral("Ann");
    a.initials = QStringLiteral("AN");
    a.assigned = QStringLiteral("1");
    a.manOn1 = QStringLiteral("3C");
    a.manSite1 = 2;
    run.addAgent(a);
    run.generate();

    EXPECT_EQ(run.program.schedule.CalendarCount, 2);
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("03C3AN__")));
    EXPECT_EQ(run.description(1), descriptionOf(QStringLiteral("Annex"), QStringLiteral("2")));
    EXPECT_EQ(run.description(2), descriptionOf(QStringLiteral("North"), QStringLiteral("1")));
}

TEST(Driver, ANamelessSiteWithManualRecordsGetsACalendarOfThem) {
    DriverRun run;
    SiteSetup nameless;
    nameless.name = std::nullopt;
    nameless.am = onDay(1, 1);
    run.addSite(nameless);
    AgentSetup a;
    a.name = QStringLiteral("Ann");
    a.initials = QStringLiteral("AN");
    a.assigned = QStringLiteral("1");
    a.manOn1 = QStringLiteral("1C");
    a.manSite1 = 1;
    run.addAgent(a);
    run.generate();
    EXPECT_EQ(run.program.schedule.CalendarCount, 1);
    EXPECT_EQ(run.calendar(1), records(QStringLiteral("01C1AN__")));
    EXPECT_EQ(run.description(1), descriptionOf(QString(), QStringLiteral("1")));
}

TEST(Driver, EmptySitesAndAgentsTablesAreBothReportedBeforeTheIndexError) {
    OfficeRun run;
    run.generate();
    EXPECT_EQ(run.shown(),
              (QStringList{"RPRtnsMsbrSitesOpen|Database reports having no sites entered.",
                           "RPRtnsMsbrGetAgtSiteWorkTimes|Database reports having no Agent records.",
                           "cmdGenerate|Error #9 .Subscript out of range"}));
    EXPECT_TRUE(run.generatedFiles().isEmpty());
}

TEST(Driver, TheLetterSettingsAreCopiedAndTheShownCalendarIndexIsReset) {
    DriverRun run;
    run.site(1, QStringLiteral("North"), onDay(1, 1));
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
    EXPECT_EQ(m.title, QStringLiteral("RPRtnsMsbrSitesOpen"));
    EXPECT_EQ(m.icon, Icon::Critical);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^Error: .+\\. #\\d+\\.$")).match(m.text).hasMatch())
        << m.text.toStdString();
    EXPECT_TRUE(summary.databaseUnavailable);
    EXPECT_TRUE(run.generatedFiles().isEmpty()) << run.generatedFiles().join(' ').toStdString();
    EXPECT_EQ(run.program.schedule.CalendarCount, 0);
    EXPECT_FALSE(run.ui.busy());
    expectNoUnexpectedPrompts(run.ui);
}

TEST(Driver, ALockedDatabaseShowsTheAccessMessageAndEndsTheProgram) {
    DriverRun run;
    run.site(1, QStringLiteral("North"), onDay(1, 1));
    run.folder.write(QStringLiteral("0123.1"), "01A1ZZ__\r\n");
    auto holder = Database::open(run.program.paths.DatabasePath);
    holder->execute(QStringLiteral("BEGIN EXCLUSIVE"));
    EXPECT_THROW(run.generate(), ProgramEnded);
    holder->execute(QStringLiteral("ROLLBACK"));

    ASSERT_EQ(run.ui.messages().size(), 1u) << run.shown().join('\n').toStdString();
    EXPECT_EQ(run.ui.messages()[0].text, DatabaseAccessMessageText(run.program.paths.DatabasePath));
    EXPECT_EQ(run.ui.messages()[0].title, QStringLiteral("See Latest Help for more information"));
    EXPECT_EQ(run.ui.messages()[0].icon, Icon::Critical);
    EXPECT_TRUE(run.ui.ended());
    EXPECT_TRUE(run.generatedFiles().isEmpty()) << run.generatedFiles().join(' ').toStdString();
}

TEST(Driver, ADatabaseWithoutTheSitesTableIsReportedAndNothingIsWritten) {
    OfficeRun run;
    ASSERT_TRUE(QFile::remove(run.program.paths.DatabasePath));
    Database::create(run.program.paths.DatabasePath,
                     QStringLiteral("CREATE TABLE Agents (fdName TEXT, fdInitial TEXT, fdAssigned TEXT);"));
    const GenerationSummary summary = run.generate();

    ASSERT_FALSE(run.ui.messages().empty());
    EXPECT_EQ(run.ui.messages()[0].title, QStringLiteral("RPRtnsMsbrSitesOpen"));
    EXPECT_EQ(run.ui.messages()[0].icon, Icon::Critical);
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
    EXPECT_TRUE(run.ui.messages().back().text.contains(QStringLiteral("3078")))
        << run.shown().join('\n').toStdString();
    expectNoUnexpectedPrompts(run.ui);
}
