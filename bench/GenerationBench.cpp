// Whole generations in process: the largest office the program allows (9 sites with every slot A-H on
// every day of a 31-day month, 99 agents) with each method, offices of 1, 3 and 9 sites with 10 to 99
// agents, and each example office. The program folders are kept in memory where the machine allows it
// (see benchParent).

#include "ScriptedUi.h"
#include "display_settings/DisplaySettings.h"
#include "generator/GenerationDriver.h"
#include "model/EngineSettings.h"
#include "model/OfficeDatabase.h"
#include "model/Program.h"
#include "platform/Database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

using namespace rp;

enum class Method { Automatic, Rules1, Rules2 };

// Where the program folders are made: in memory (/dev/shm) where the machine has such a folder, or in the
// folder named by ROTAPLAN_BENCH_FOLDER (to measure on a disk). Generations run here back to back thousands
// of times a second, each deleting and creating the month's files; on a disk file system without a journal
// (ext4 as many virtual machines have it) every new file is then placed past each one deleted in the last
// seconds, a cost that grows with the loop and that no office generating its month meets.
QString benchParent() {
    const QString chosen = qEnvironmentVariable("ROTAPLAN_BENCH_FOLDER");
    if (!chosen.isEmpty())
        return chosen;
    const QFileInfo shm(QStringLiteral("/dev/shm"));
    return shm.isDir() && shm.isWritable() ? shm.filePath() : QDir::tempPath();
}

// A program folder holding the installed settings, an office database and the chosen method.
class BenchFolder {
public:
    explicit BenchFolder(Method method) {
        QDir().mkpath(dir_.filePath(QStringLiteral("settings")));
        const QDir installed(QStringLiteral(ROTAPLAN_BUILD_RESOURCES) + QStringLiteral("/settings"));
        for (const QString& f : installed.entryList(QDir::Files))
            QFile::copy(installed.filePath(f), dir_.filePath(QStringLiteral("settings/") + f));
        WriteMonthFile(dir_.filePath(QStringLiteral("settings/month.dat")), {3, 2026}); // 31 days
        TuneSettings tune;
        tune.onceDay = 1;
        tune.method1 = method == Method::Rules1 ? -1 : 0;
        tune.method2 = method == Method::Rules2 ? -1 : 0;
        WriteTuneFile(dir_.filePath(QStringLiteral("settings/tune.dat")), tune);
        WriteAutoTune(dir_.path(), method == Method::Automatic ? QStringLiteral("1") : QStringLiteral("0"));
    }
    QString path() const { return dir_.path(); }
    QString office() const { return dir_.filePath(QStringLiteral("floor.mdb")); }

private:
    QTemporaryDir dir_{benchParent() + QStringLiteral("/rotaplan-bench-XXXXXX")};
};

// An office of the given size: every slot A-H open on every day at each site, each agent allowed at every
// site with a day off and a morning off of its own.
void buildOffice(const QString& path, int sites, int agents) {
    CreateOfficeDatabase(path);
    auto db = Database::open(path);
    db->execute(QStringLiteral("BEGIN"));
    QString sql;
    for (int s = 1; s <= sites; ++s) {
        QString counts;
        for (int w = 1; w <= 7; ++w)
            counts += QStringLiteral(",2");
        for (int w = 1; w <= 7; ++w)
            counts += QStringLiteral(",4");
        for (int w = 1; w <= 7; ++w)
            counts += QStringLiteral(",2");
        sql += QStringLiteral("INSERT INTO Sites VALUES (%1,'Site %1'%2,NULL,NULL);").arg(s).arg(counts);
    }
    for (int a = 1; a <= agents; ++a) {
        const QString off = QString::number(a % 28 + 1);
        sql += QStringLiteral("INSERT INTO Agents (fdName,fdInitial,fdAssigned,fdOffAll,fdOffAM) "
                              "VALUES ('Agent %1','A%1','1-%4','%2','%3');")
                   .arg(a)
                   .arg(off)
                   .arg((a + 7) % 28 + 1)
                   .arg(sites);
    }
    db->execute(sql);
    db->execute(QStringLiteral("COMMIT"));
}

void runGenerations(benchmark::State& state, const BenchFolder& folder) {
    ScriptedUi ui;
    Program program(ui, folder.path());
    DisplaySettings(program).loadAtStart();
    GenerationOptions options;
    options.rotation = [](int) { return 1; };
    int calendars = 0;
    for (auto _ : state) {
        const GenerationSummary summary = Generate(program, options);
        calendars = int(summary.calendars.size());
        benchmark::DoNotOptimize(calendars);
    }
    state.counters["calendars"] = calendars;
    state.counters["messages"] = double(ui.messages().size());
}

// The largest office the program allows: 9 sites, 99 agents.
void BM_LargestOffice(benchmark::State& state, Method method) {
    BenchFolder folder(method);
    buildOffice(folder.office(), 9, 99);
    runGenerations(state, folder);
}

// How the time grows with the office: range(0) sites, range(1) agents.
void BM_OfficeSize(benchmark::State& state, Method method) {
    BenchFolder folder(method);
    buildOffice(folder.office(), int(state.range(0)), int(state.range(1)));
    runGenerations(state, folder);
}

void BM_Example(benchmark::State& state, const char* name) {
    BenchFolder folder(Method::Automatic);
    const QString example = QStringLiteral(ROTAPLAN_BUILD_RESOURCES) + QStringLiteral("/Examples/") +
                            QLatin1String(name) + QStringLiteral(".mdb");
    if (!QFile::copy(example, folder.office())) {
        state.SkipWithError("example office not built");
        return;
    }
    runGenerations(state, folder);
}

} // namespace

BENCHMARK_CAPTURE(BM_LargestOffice, automatic, Method::Automatic)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LargestOffice, method1, Method::Rules1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LargestOffice, method2, Method::Rules2)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OfficeSize, automatic, Method::Automatic)
    ->ArgsProduct({{1, 3, 9}, {10, 25, 50, 99}})
    ->ArgNames({"sites", "agents"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_OfficeSize, method2, Method::Rules2)
    ->ArgsProduct({{1, 3, 9}, {10, 25, 50, 99}})
    ->ArgNames({"sites", "agents"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Example, OneOffice, "OneOffice")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Example, TwoOfficeA, "TwoOfficeA")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Example, TwoOfficeB, "TwoOfficeB")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Example, LinkTeam, "LinkTeam")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Example, LinkSub, "LinkSub")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Example, LinkSub2, "LinkSub2")->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
