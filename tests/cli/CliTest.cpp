// rotaplan-cli run as a program: arguments, exit status, what it prints and the files it leaves.

#include "OfficeBuilder.h"
#include "cli/CliSession.h"
#include "display_settings/DisplaySettings.h"
#include "generator/AgentLoader.h"
#include "model/CalendarFiles.h"
#include "platform/SingleCopyLock.h"
#include "reports/AssignmentsReport.h"
#include "reports/DatabaseReports.h"
#include "workspace/Rendering.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <cstdio>
#include <map>
#include <sys/wait.h>
#include <unistd.h>

using namespace rp;
using namespace rp::test;

namespace {

struct CliResult {
    int exitCode = -1;
    QString out;
    QString err;
    QByteArray bytes; // standard output as written
};

CliResult runCli(const QStringList& args) {
    // A home of its own, so that nothing falls back on the real user's data folder.
    static QTemporaryDir home;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), home.path());
    env.insert(QStringLiteral("XDG_DATA_HOME"), home.path() + QStringLiteral("/data"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(ROTAPLAN_CLI_PATH), args);
    EXPECT_TRUE(p.waitForFinished(120000)) << "rotaplan-cli did not finish";
    CliResult r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.bytes = p.readAllStandardOutput();
    r.out = QString::fromUtf8(r.bytes);
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

CliResult generateIn(const OfficeRun& office, const QStringList& more = {}) {
    return runCli(
        QStringList{QStringLiteral("generate"), QStringLiteral("--app-folder"), office.folder.path()} + more);
}

// Three agents XA, YB, ZC and one Sunday-morning slot on the 1st.
void buildSmallOffice(OfficeRun& office) {
    SiteSetup s;
    s.am = onDay(1, 1);
    s.close = QStringLiteral("2-31");
    office.addSite(s);
    for (const char* initials : {"XA", "YB", "ZC"})
        office.addAgent(QLatin1String(initials));
}

// Two sites with every slot of the month and five agents with days off, one of them a team.
void buildBusyOffice(OfficeRun& office) {
    for (int n : {1, 2}) {
        SiteSetup s;
        s.number = n;
        s.name = n == 1 ? QStringLiteral("North") : QStringLiteral("South");
        s.am = everyDay(2);
        s.pm = everyDay(n == 1 ? 4 : 2);
        s.ev = everyDay(n);
        s.close = n == 1 ? QStringLiteral("25") : QStringLiteral("1 15");
        office.addSite(s);
    }
    const char* initials[] = {"AN", "BO", "C+D", "EF", "GH"};
    for (int i = 0; i < 5; ++i) {
        AgentSetup a;
        a.name = QStringLiteral("Agent %1").arg(i);
        a.initials = QLatin1String(initials[i]);
        a.assigned = i % 2 ? QStringLiteral("1-2") : QStringLiteral("1 2");
        a.offAll = QString::number(3 + i * 5);
        a.offPM2 = QStringLiteral("10-12");
        if (i == 3)
            a.maxTimes = 20;
        if (i == 1) {
            a.manOn1 = QStringLiteral("4A 9C");
            a.manSite1 = 2;
        }
        office.addAgent(a);
    }
}

} // namespace

TEST(Cli, HelpExplainsTheCommandAndExitsZero) {
    const CliResult r = runCli({QStringLiteral("--help")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.out.contains(QStringLiteral("generate"))) << r.out;
    EXPECT_TRUE(r.out.contains(QStringLiteral("--app-folder"))) << r.out;
    EXPECT_TRUE(r.out.contains(QStringLiteral("--rotation-start"))) << r.out;
}

TEST(Cli, NoArgumentsIsAnError) {
    const CliResult r = runCli({});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_FALSE(r.err.isEmpty());
}

TEST(Cli, AnUnknownOptionIsRefusedByName) {
    OfficeRun office;
    buildSmallOffice(office);
    const CliResult r = generateIn(office, {QStringLiteral("--bogus")});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_TRUE(r.err.contains(QStringLiteral("--bogus"))) << r.err;
    EXPECT_TRUE(office.generatedFiles().isEmpty());
}

class BadRotationStart : public ::testing::TestWithParam<const char*> {};

TEST_P(BadRotationStart, IsRefusedWithAMessage) {
    OfficeRun office;
    buildSmallOffice(office);
    const CliResult r = generateIn(office, {QStringLiteral("--rotation-start"), QLatin1String(GetParam())});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_TRUE(r.err.contains(QStringLiteral("--rotation-start"))) << r.err;
    EXPECT_TRUE(office.generatedFiles().isEmpty()) << office.generatedFiles().join(' ');
}

// The office has three agent entries.
INSTANTIATE_TEST_SUITE_P(Values, BadRotationStart, ::testing::Values("0", "4", "-1", "two", "1.5"));

TEST(Cli, ARotationStartNeedsANumber) {
    OfficeRun office;
    buildSmallOffice(office);
    const CliResult r = generateIn(office, {QStringLiteral("--rotation-start")});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_FALSE(r.err.isEmpty());
}

TEST(Cli, AFloorFileThatIsNotADatabaseFails) {
    OfficeRun office;
    office.folder.write(QStringLiteral("floor.mdb"), QByteArray("not a database\r\n").repeated(100));
    const CliResult r = generateIn(office);
    EXPECT_NE(r.exitCode, 0);
    EXPECT_FALSE(r.err.isEmpty());
    EXPECT_TRUE(office.generatedFiles().isEmpty());
}

TEST(Cli, AFolderThatDoesNotExistFails) {
    OfficeRun office;
    const CliResult r = runCli({QStringLiteral("generate"), QStringLiteral("--app-folder"),
                                office.folder.file(QStringLiteral("missing"))});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_FALSE(r.err.isEmpty());
}

TEST(Cli, ANormalRunWritesTheCalendarAndPrintsASummary) {
    OfficeRun office;
    buildSmallOffice(office);
    const CliResult r = generateIn(office, {QStringLiteral("--rotation-start"), QStringLiteral("2")});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_TRUE(r.err.isEmpty()) << r.err;
    EXPECT_EQ(office.calendar(1), records(QStringLiteral("01A1YB__")));
    EXPECT_EQ(office.description(1), descriptionOf(QStringLiteral("North"), QStringLiteral("1")));
    EXPECT_EQ(office.generatedFiles(), (QStringList{"0123.1", "0123.1D"}));
    EXPECT_TRUE(r.out.contains(QStringLiteral("0123.1"))) << r.out;
    EXPECT_TRUE(r.out.contains(QStringLiteral("North"))) << r.out;
    EXPECT_TRUE(
        r.out.contains(QStringLiteral("Once/day:False. Once/Week:False. Once/weekday:False. Method:1")))
        << r.out;
    const qsizetype yb = r.out.indexOf(QStringLiteral("YB__"));
    const qsizetype zc = r.out.indexOf(QStringLiteral("ZC__"));
    const qsizetype xa = r.out.indexOf(QStringLiteral("XA__"));
    EXPECT_TRUE(yb >= 0 && yb < zc && zc < xa) << r.out;
}

TEST(Cli, MessagesArePrintedWithTheirTitle) {
    OfficeRun office;
    SiteSetup s;
    s.am = onDay(1, 1);
    s.link = QStringLiteral("A");
    office.addSite(s);
    office.addAgent(QStringLiteral("AN"));
    const CliResult r = generateIn(office, {QStringLiteral("--rotation-start"), QStringLiteral("1")});
    EXPECT_EQ(r.exitCode, 1) << "the generation stopped with a message and wrote nothing";
    EXPECT_TRUE(r.err.contains(QStringLiteral("Site Links Error.: Uneven number of linked sites."))) << r.err;
    EXPECT_TRUE(office.generatedFiles().isEmpty());
}

TEST(Cli, AFixedRotationStartIsDeterministicWithEitherRoutine) {
    for (bool automatic : {true, false}) {
        OfficeRun first;
        OfficeRun second;
        for (OfficeRun* office : {&first, &second}) {
            buildBusyOffice(*office);
            if (automatic)
                office->useAutomatic();
            const CliResult r =
                generateIn(*office, {QStringLiteral("--rotation-start"), QStringLiteral("4")});
            EXPECT_EQ(r.exitCode, 0) << r.err;
        }
        const QStringList names = first.generatedFiles();
        EXPECT_EQ(names, (QStringList{"0123.1", "0123.1D", "0123.2", "0123.2D"}));
        EXPECT_EQ(second.generatedFiles(), names);
        for (const QString& name : names)
            EXPECT_EQ(first.file(name), second.file(name)) << name << (automatic ? " automatic" : "");
        // Every record on its own CR LF line.
        const std::string calendar = first.calendar(1);
        EXPECT_EQ(calendar.size() % 10, 0u);
        EXPECT_EQ(calendar.substr(8, 2), "\r\n");
    }
}

TEST(Cli, HelpListsEveryCommandAndOption) {
    const CliResult r = runCli({QStringLiteral("--help")});
    EXPECT_EQ(r.exitCode, 0);
    for (const char* word : {"generate", "check", "report agents|sites", "report assignments", "--fill-gaps",
                             "--ics", "--csv", "--json", "--calendar", "Exit status"})
        EXPECT_TRUE(r.out.contains(QLatin1String(word))) << word;
}

TEST(Cli, BadArgumentsGiveTheUsageAndStatusTwo) {
    OfficeRun office;
    buildSmallOffice(office);
    const QString folder = office.folder.path();
    const QStringList cases[] = {
        {},
        {QStringLiteral("bogus")},
        {QStringLiteral("report")},
        {QStringLiteral("report"), QStringLiteral("people")},
        {QStringLiteral("check"), QStringLiteral("--ics"), folder},
        {QStringLiteral("generate"), QStringLiteral("--json")},
        {QStringLiteral("generate"), QStringLiteral("--csv")},
        {QStringLiteral("report"), QStringLiteral("agents"), QStringLiteral("--rotation-start"),
         QStringLiteral("1")},
        {QStringLiteral("report"), QStringLiteral("assignments"), QStringLiteral("--calendar"),
         QStringLiteral("0")},
        {QStringLiteral("report"), QStringLiteral("assignments"), QStringLiteral("--app-folder"), folder,
         QStringLiteral("--calendar"), QStringLiteral("2")},
        {QStringLiteral("check"), QStringLiteral("--app-folder"), folder, QStringLiteral("--rotation-start"),
         QStringLiteral("9")},
    };
    for (const QStringList& args : cases) {
        const CliResult r = runCli(args);
        EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString() << "\n" << r.err.toStdString();
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("rotaplan-cli: "))) << r.err.toStdString();
    }
}

TEST(Cli, AGenerationThatStopsWithAMessageExitsOne) {
    const struct {
        const char* name;
        std::function<void(OfficeRun&)> spoil;
    } cases[] = {
        {"month",
         [](OfficeRun& o) { o.folder.write(QStringLiteral("settings/month.dat"), QByteArray(4, '\0')); }},
        {"too many agents",
         [](OfficeRun& o) {
             for (int i = 0; i < 100; ++i)
                 o.addAgent(QStringLiteral("Q%1").arg(i));
         }},
    };
    for (const auto& c : cases) {
        OfficeRun office;
        buildSmallOffice(office);
        c.spoil(office);
        for (const char* command : {"generate", "check"}) {
            const CliResult r =
                runCli({QLatin1String(command), QStringLiteral("--app-folder"), office.folder.path()});
            EXPECT_EQ(r.exitCode, 1) << c.name << " " << command << "\n" << r.err.toStdString();
            EXPECT_FALSE(r.err.isEmpty()) << c.name;
            EXPECT_TRUE(office.generatedFiles().isEmpty()) << c.name;
        }
    }
}

TEST(Cli, CheckExitsZeroOnlyWhenEverySlotIsFilled) {
    const struct {
        bool full;
        QStringList extra;
        int exitCode;
    } cases[] = {{true, {}, 0},
                 {false, {}, 1},
                 {false, {QStringLiteral("--json")}, 1},
                 {false, {QStringLiteral("--fill-gaps")}, 0}};
    for (const auto& c : cases) {
        // Sunday 1st and Saturday 7th; XA may work once, and YB is off on the 7th unless the office is full.
        OfficeRun office;
        SiteSetup north;
        north.am = onDay(1, 1);
        north.am[6] = 1;
        north.close = QStringLiteral("8-31");
        office.addSite(north);
        AgentSetup xa;
        xa.initials = QStringLiteral("XA");
        xa.assigned = QStringLiteral("1");
        xa.maxTimes = 1;
        office.addAgent(xa);
        AgentSetup yb = xa;
        yb.initials = QStringLiteral("YB");
        yb.maxTimes.reset();
        if (!c.full)
            yb.offAll = QStringLiteral("7");
        office.addAgent(yb);
        const CliResult r =
            runCli(QStringList{QStringLiteral("check"), QStringLiteral("--app-folder"), office.folder.path(),
                               QStringLiteral("--rotation-start"), QStringLiteral("1")} +
                   c.extra);
        EXPECT_EQ(r.exitCode, c.exitCode) << c.extra.join(' ').toStdString() << r.err.toStdString();
        const int unfilled = int(QString::fromStdString(office.calendar(1)).count(QStringLiteral("AGT?")));
        if (c.extra.contains(QStringLiteral("--json"))) {
            const QJsonObject json = QJsonDocument::fromJson(r.bytes).object();
            EXPECT_EQ(json[QStringLiteral("unfilled")].toInt(), unfilled);
            EXPECT_EQ(json[QStringLiteral("matchable")].toInt(), 1);
        } else {
            EXPECT_TRUE(r.out.contains(QStringLiteral("AGT? SLOTS: %1.").arg(unfilled)))
                << r.out.toStdString();
        }
        if (c.extra.contains(QStringLiteral("--fill-gaps"))) {
            EXPECT_EQ(office.calendar(1), records(QStringLiteral("01A1YB__ 07A7XA__")));
            EXPECT_TRUE(r.out.contains(QStringLiteral("Gap filling filled 1."))) << r.out.toStdString();
        }
    }
}

TEST(Cli, ReportsAreTheReportBuildersTextsByteForByte) {
    OfficeRun office;
    buildBusyOffice(office);
    const QString folder = office.folder.path();
    for (const auto& [kind, type] :
         {std::pair{"agents", report::kAgentReport}, std::pair{"sites", report::kSiteReport}}) {
        const CliResult r =
            runCli({QStringLiteral("report"), QLatin1String(kind), QStringLiteral("--app-folder"), folder});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_EQ(
            r.bytes,
            DatabaseReportText(type, ReadReportBlocks(office.program.paths.DatabasePath, type)).toUtf8())
            << kind;
    }
    // The same generation in this process, with the settings the program reads at start.
    DisplaySettings(office.program).loadAtStart();
    office.generate(3);
    const ScheduleState& s = office.program.schedule;
    ASSERT_EQ(s.CalendarCount, 2);
    for (int calendar = 1; calendar <= 2; ++calendar) {
        const QString text = ReadRecordText(CalendarFilePath(folder, s.CalendarFilePrefix, calendar));
        const QString expected =
            BuildAssignmentsReport(s.AgentInitials, s.AgentNames, BuildAgentSummaries(s.AgentInitials, text));
        const CliResult r =
            runCli({QStringLiteral("report"), QStringLiteral("assignments"), QStringLiteral("--app-folder"),
                    folder, QStringLiteral("--rotation-start"), QStringLiteral("3"),
                    QStringLiteral("--calendar"), QString::number(calendar)});
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        EXPECT_FALSE(expected.isEmpty());
        EXPECT_EQ(r.bytes, expected.toUtf8()) << "calendar " << calendar;
    }
}

TEST(Cli, GenerateExportsTheDutiesWhenAsked) {
    OfficeRun office;
    buildBusyOffice(office);
    QTemporaryDir out;
    const QString ics = out.filePath(QStringLiteral("calendars"));
    const QString csv = out.filePath(QStringLiteral("duties.csv"));
    const CliResult r = generateIn(office, {QStringLiteral("--rotation-start"), QStringLiteral("2"),
                                            QStringLiteral("--ics"), ics, QStringLiteral("--csv"), csv});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList calendars = QDir(ics).entryList({QStringLiteral("*.ics")}, QDir::Files);
    EXPECT_EQ(calendars, (QStringList{"2023-01-AN.ics", "2023-01-BO.ics", "2023-01-C+D.ics", "2023-01-EF.ics",
                                      "2023-01-GH.ics"}));
    int duties = 0;
    for (int n = 1; n <= 2; ++n) {
        const QString text = QString::fromStdString(office.calendar(n));
        duties += int(text.count(QStringLiteral("\r\n")) - text.count(QStringLiteral("AGT?")));
    }
    EXPECT_EQ(readFile(csv).count("\r\n"), duties + 1);
    EXPECT_TRUE(r.out.contains(QStringLiteral("Duties exported: %1, in 6 files").arg(duties)))
        << r.out.toStdString();
}

TEST(Cli, TheAssignmentsReportOfAMonthWithoutCalendarsListsEveryAgentWithoutDuties) {
    // The only site is closed every day: no calendar is written, and the window shows an empty calendar 1.
    OfficeRun office;
    buildSmallOffice(office);
    office.execute(QStringLiteral("UPDATE Sites SET fdSClose = '1-31'"));
    const QString folder = office.folder.path();
    DisplaySettings(office.program).loadAtStart();
    office.generate(2);
    const ScheduleState& s = office.program.schedule;
    ASSERT_EQ(s.CalendarCount, 0);
    const QString expected = BuildAssignmentsReport(s.AgentInitials, s.AgentNames,
                                                    BuildAgentSummaries(s.AgentInitials, QString()));
    EXPECT_EQ(expected.count(QStringLiteral(" (0).")), 3) << expected.toStdString();

    const QStringList report{QStringLiteral("report"),           QStringLiteral("assignments"),
                             QStringLiteral("--app-folder"),     folder,
                             QStringLiteral("--rotation-start"), QStringLiteral("2")};
    const CliResult r = runCli(report);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.bytes, expected.toUtf8());
    EXPECT_EQ(r.err, QStringLiteral("Check site Data: Site has no time slots entered.\n"));

    const CliResult second = runCli(report + QStringList{QStringLiteral("--calendar"), QStringLiteral("2")});
    EXPECT_EQ(second.exitCode, 2);
    EXPECT_EQ(second.err, QStringLiteral("rotaplan-cli: --calendar 2: the month has 0 calendars.\n"));
}

namespace {

// Takes the folder's single-copy lock in a child process that then ends without giving it back: the lock
// an ended program leaves behind.
void leaveStaleLock(const QString& folder) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SingleCopyLock lock(folder);
        _exit(lock.take() == SingleCopyLock::Outcome::Taken ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    ASSERT_TRUE(QFileInfo::exists(SingleCopyLock::filePath(folder)));
}

} // namespace

TEST(Cli, TheCommandsThatWriteAreRefusedWhileALiveProgramHoldsTheFolder) {
    OfficeRun office;
    buildSmallOffice(office);
    const QString folder = office.folder.path();
    office.folder.write(QStringLiteral("0123.1"), "01A1XA__\r\n"); // a calendar the open window shows
    {
        // This process stands for the desktop program: it holds the lock as the program does while it runs.
        SingleCopyLock desktop(folder);
        ASSERT_EQ(desktop.take(), SingleCopyLock::Outcome::Taken);
        const QStringList writing[] = {{QStringLiteral("generate")},
                                       {QStringLiteral("check")},
                                       {QStringLiteral("report"), QStringLiteral("assignments")}};
        for (const QStringList& command : writing) {
            const CliResult r = runCli(command + QStringList{QStringLiteral("--app-folder"), folder});
            EXPECT_EQ(r.exitCode, 3) << command.join(' ').toStdString();
            EXPECT_EQ(r.err,
                      QStringLiteral("rotaplan-cli: the program folder %1 is open in the desktop program; "
                                     "close the program, then run the command again.\n")
                          .arg(folder));
            EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
            EXPECT_EQ(office.generatedFiles(), QStringList{QStringLiteral("0123.1")});
            EXPECT_EQ(office.calendar(1), "01A1XA__\r\n") << "the window's calendar stays";
        }
        // The database reports only read the office.
        const CliResult agents = runCli(
            {QStringLiteral("report"), QStringLiteral("agents"), QStringLiteral("--app-folder"), folder});
        EXPECT_EQ(agents.exitCode, 0) << agents.err.toStdString();
    }
    const CliResult after = generateIn(office, {QStringLiteral("--rotation-start"), QStringLiteral("1")});
    EXPECT_EQ(after.exitCode, 0) << after.err.toStdString();
    EXPECT_EQ(office.calendar(1), records(QStringLiteral("01A1XA__")));
    EXPECT_FALSE(QFileInfo::exists(SingleCopyLock::filePath(folder))) << "the command gives the lock back";
}

TEST(Cli, ALockLeftByAProgramThatEndedDoesNotBlock) {
    OfficeRun office;
    buildSmallOffice(office);
    const QString folder = office.folder.path();
    leaveStaleLock(folder);
    const CliResult r = generateIn(office, {QStringLiteral("--rotation-start"), QStringLiteral("2")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(office.calendar(1), records(QStringLiteral("01A1YB__")));
    EXPECT_FALSE(QFileInfo::exists(SingleCopyLock::filePath(folder)));
}

TEST(Cli, ACommandHoldsTheLockWhileItWritesSoTheDesktopProgramSeesItHeld) {
    OfficeRun office;
    buildSmallOffice(office);
    const QString folder = office.folder.path();
    CliArguments arguments;
    arguments.command = CliArguments::Command::Generate;
    arguments.appFolder = folder;
    FILE* out = std::tmpfile();
    ASSERT_NE(out, nullptr);
    {
        CliSession session(arguments, QString(), out, out);
        ASSERT_FALSE(session.open().has_value());
        EXPECT_EQ(SingleCopyLock(folder).take(), SingleCopyLock::Outcome::Held) << "after opening";
        EXPECT_FALSE(session.generate().has_value());
        EXPECT_EQ(SingleCopyLock(folder).take(), SingleCopyLock::Outcome::Held) << "after generating";
        EXPECT_EQ(session.program().schedule.CalendarCount, 1);
    }
    EXPECT_EQ(SingleCopyLock(folder).take(), SingleCopyLock::Outcome::Taken) << "once the command is done";
    std::fclose(out);
}

namespace {

// Twenty agent entries over the two sites of the busy office: a new generation with a random start of
// the working order is most unlikely to repeat the last one.
void buildLargeOffice(OfficeRun& office) {
    buildBusyOffice(office);
    for (int i = 0; i < 14; ++i)
        office.addAgent(QStringLiteral("Q%1").arg(i), QStringLiteral("1 2"));
}

// Duties per agent (initials without their padding) in the month's calendar files.
QMap<QString, int> dutiesInFiles(const OfficeRun& office, const QString& prefix) {
    QMap<QString, int> duties;
    for (int n = 1; QFileInfo::exists(office.folder.file(prefix + QStringLiteral(".%1").arg(n))); ++n) {
        for (const QString& r :
             SplitRecords(ReadRecordText(office.folder.file(prefix + QStringLiteral(".%1").arg(n))))) {
            if (r.mid(4) != QLatin1String("AGT?"))
                duties[QString(r.mid(4)).remove(QLatin1Char('_'))] += 1;
        }
    }
    return duties;
}

std::map<QString, QByteArray> calendarFileContents(const OfficeRun& office) {
    std::map<QString, QByteArray> contents;
    for (const QString& name : office.generatedFiles())
        contents[name] = office.folder.read(name);
    return contents;
}

} // namespace

TEST(Cli, ParsesItsArgumentsAsOtherToolsDo) {
    OfficeRun office;
    buildSmallOffice(office);
    const QString folder = office.folder.path();
    const QByteArray monthFile = office.folder.read(QStringLiteral("settings/month.dat"));
    const struct {
        const char* args; // split at blanks; the program folder is given after the command
        int exitCode;
        const char* text; // status 2: what the message names; status 0: the whole output (none: the usage)
    } cases[] = {
        {"--version", 0, "rotaplan-cli " ROTAPLAN_VERSION "\n"},
        {"-v", 0, "rotaplan-cli " ROTAPLAN_VERSION "\n"},
        {"check -h", 0, nullptr},
        {"generate --month", 2, "'--month'"},
        {"generate --month 2027-13", 2, "--month"},
        {"check --month=2027-00", 2, "--month"},
        {"generate --month 27-02", 2, "--month"},
        {"report assignments --month=abcd", 2, "--month"},
        {"generate --month 0999-02", 2, "--month"},
        {"report sites --month=2027-02", 2, "'--month'"},
        {"generate --generate", 2, "'--generate'"},
        {"generate --fill-gaps=yes", 2, "'--fill-gaps'"},
        {"check --rotation-start=x", 2, "--rotation-start"},
        {"check extra", 2, "'extra'"},
    };
    for (const auto& c : cases) {
        QStringList args = QString::fromLatin1(c.args).split(QLatin1Char(' '));
        if (args.size() > 1)
            args.insert(1, QStringLiteral("--app-folder=") + folder);
        const CliResult r = runCli(args);
        const std::string shown = args.join(' ').toStdString();
        EXPECT_EQ(r.exitCode, c.exitCode) << shown << "\n" << r.err.toStdString();
        if (c.exitCode == 0) {
            EXPECT_EQ(r.out, c.text ? QString::fromLatin1(c.text) : CliUsage()) << shown;
        } else {
            EXPECT_TRUE(r.err.startsWith(QStringLiteral("rotaplan-cli: ")) &&
                        r.err.contains(QLatin1String(c.text)))
                << shown << "\n"
                << r.err.toStdString();
            EXPECT_TRUE(r.out.isEmpty()) << shown;
        }
        EXPECT_TRUE(office.generatedFiles().isEmpty()) << shown;
        EXPECT_EQ(office.folder.read(QStringLiteral("settings/month.dat")), monthFile) << shown;
    }
    // The desktop program answers before it looks for a display.
    QProcess desktop;
    desktop.start(QStringLiteral(ROTAPLAN_PATH), {QStringLiteral("--version")});
    ASSERT_TRUE(desktop.waitForFinished(60000));
    EXPECT_EQ(desktop.exitCode(), 0);
    EXPECT_EQ(desktop.readAllStandardOutput(), QByteArray("rotaplan " ROTAPLAN_VERSION "\n"));
}

TEST(Cli, AValueMayFollowItsOptionAfterASpaceOrAnEqualsSign) {
    OfficeRun spaced;
    OfficeRun joined;
    OfficeRun before; // the program folder named before the command
    for (OfficeRun* office : {&spaced, &joined, &before})
        buildBusyOffice(*office);
    const CliResult a =
        runCli({QStringLiteral("generate"), QStringLiteral("--app-folder"), spaced.folder.path(),
                QStringLiteral("--rotation-start"), QStringLiteral("4")});
    const CliResult b =
        runCli({QStringLiteral("generate"), QStringLiteral("--app-folder=") + joined.folder.path(),
                QStringLiteral("--rotation-start=4")});
    const CliResult c =
        runCli({QStringLiteral("--app-folder"), before.folder.path(), QStringLiteral("generate"),
                QStringLiteral("--rotation-start"), QStringLiteral("4")});
    EXPECT_EQ(a.exitCode, 0) << a.err.toStdString();
    EXPECT_EQ(b.exitCode, 0) << b.err.toStdString();
    EXPECT_EQ(c.exitCode, 0) << c.err.toStdString();
    EXPECT_EQ(spaced.generatedFiles(), (QStringList{"0123.1", "0123.1D", "0123.2", "0123.2D"}));
    EXPECT_TRUE(calendarFileContents(spaced) == calendarFileContents(joined));
    EXPECT_TRUE(calendarFileContents(spaced) == calendarFileContents(before));
}

TEST(Cli, AGivenMonthIsGeneratedAndCheckedWithoutChangingTheMonthSetting) {
    OfficeRun office; // settings/month.dat: January 2023
    SiteSetup s;
    s.am = everyDay(1);
    office.addSite(s);
    office.addAgent(QStringLiteral("XA"));
    const QByteArray monthFile = office.folder.read(QStringLiteral("settings/month.dat"));
    const QStringList inFolder{QStringLiteral("--app-folder"), office.folder.path()};

    const CliResult r =
        runCli(QStringList{QStringLiteral("generate"), QStringLiteral("--month"), QStringLiteral("2027-02")} +
               inFolder);
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(office.folder.read(QStringLiteral("settings/month.dat")), monthFile);
    EXPECT_EQ(office.generatedFiles(), (QStringList{"0227.1", "0227.1D"}));
    QStringList february = SplitRecords(ReadRecordText(office.folder.file(QStringLiteral("0227.1"))));
    QStringList expected;
    for (int day = 1; day <= 28; ++day)
        expected << tokenOf(2027, 2, day, 'A') + QStringLiteral("XA__");
    february.sort();
    EXPECT_EQ(february, expected);
    EXPECT_TRUE(r.out.contains(QStringLiteral("Month: 2/2027"))) << r.out.toStdString();
    EXPECT_TRUE(r.err.startsWith(QStringLiteral("rotaplan-cli: warning: --month 2027-02 ")) &&
                r.err.contains(QStringLiteral("days off and requests are read as days of 2/2027")))
        << r.err.toStdString();

    // The check reads that month's calendar files; the month of the settings gives no warning.
    const CliResult check =
        runCli(QStringList{QStringLiteral("check"), QStringLiteral("--month=2027-02")} + inFolder);
    EXPECT_EQ(check.exitCode, 0) << check.err.toStdString();
    EXPECT_TRUE(check.out.startsWith(QStringLiteral("SCHEDULE CHECK. 2/2027.\n"))) << check.out.toStdString();
    EXPECT_EQ(office.generatedFiles(), (QStringList{"0227.1", "0227.1D"}));
    const CliResult same =
        runCli(QStringList{QStringLiteral("generate"), QStringLiteral("--month=2023-01")} + inFolder);
    EXPECT_EQ(same.exitCode, 0);
    EXPECT_TRUE(same.err.isEmpty()) << same.err.toStdString();
    EXPECT_EQ(office.folder.read(QStringLiteral("settings/month.dat")), monthFile);
}

TEST(Cli, CheckAndReportDescribeTheScheduleTheFolderHolds) {
    OfficeRun office;
    buildLargeOffice(office);
    const QString folder = office.folder.path();
    const QStringList inFolder{QStringLiteral("--app-folder"), folder};
    ASSERT_EQ(runCli(QStringList{QStringLiteral("generate")} + inFolder).exitCode, 0);
    const auto generated = calendarFileContents(office);
    ASSERT_EQ(generated.size(), 4u);

    const CliResult check = runCli(QStringList{QStringLiteral("check"), QStringLiteral("--json")} + inFolder);
    EXPECT_TRUE(check.exitCode == 0 || check.exitCode == 1) << check.err.toStdString();
    QMap<QString, int> checked;
    for (const QJsonValue agent :
         QJsonDocument::fromJson(check.bytes).object()[QStringLiteral("agents")].toArray()) {
        const QJsonObject a = agent.toObject();
        if (a[QStringLiteral("duties")].toInt() > 0)
            checked[a[QStringLiteral("initials")].toString()] = a[QStringLiteral("duties")].toInt();
    }
    EXPECT_EQ(checked, dutiesInFiles(office, QStringLiteral("0123")));
    EXPECT_TRUE(calendarFileContents(office) == generated) << "the check generated again";

    // The report lists the agents in the office database's order, with their duties of the calendar.
    const QStringList report =
        QStringList{QStringLiteral("report"), QStringLiteral("assignments"), QStringLiteral("--calendar=2")} +
        inFolder;
    const CliResult first = runCli(report);
    const CliResult second = runCli(report);
    EXPECT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_EQ(first.bytes, second.bytes);
    EXPECT_TRUE(calendarFileContents(office) == generated) << "the report generated again";
    DisplaySettings(office.program).loadAtStart();
    GenerationTables tables(1, 2023);
    ASSERT_EQ(LoadAgents(office.program, tables), AgentLoad::Loaded);
    const QString expected = BuildAssignmentsReport(
        tables.initials, tables.names,
        BuildAgentSummaries(tables.initials, ReadRecordText(office.folder.file(QStringLiteral("0123.2")))));
    EXPECT_EQ(first.bytes, expected.toUtf8());

    // Calendar files the desktop program left are read as they are, and --generate replaces them.
    office.folder.write(QStringLiteral("0123.1"), "01A1AGT?\r\n");
    const CliResult left = runCli(QStringList{QStringLiteral("check")} + inFolder);
    EXPECT_EQ(left.exitCode, 1);
    EXPECT_TRUE(left.out.contains(QStringLiteral("AGT? SLOTS: 1."))) << left.out.toStdString();
    const CliResult anew =
        runCli(QStringList{QStringLiteral("check"), QStringLiteral("--generate")} + inFolder);
    EXPECT_NE(office.folder.read(QStringLiteral("0123.1")), QByteArray("01A1AGT?\r\n"));
    EXPECT_FALSE(anew.out.contains(QStringLiteral("AGT? SLOTS: 1.\n"))) << anew.out.toStdString();
}
