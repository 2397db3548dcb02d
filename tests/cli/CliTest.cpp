// rotaplan-cli run as a program: arguments, exit status, what it prints and the files it leaves.

#include "OfficeBuilder.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

using namespace rp;
using namespace rp::test;

namespace {

struct CliResult {
    int exitCode = -1;
    QString out;
    QString err;
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
    r.out = QString::fromUtf8(p.readAllStandardOutput());
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
    EXPECT_EQ(r.exitCode, 0);
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
