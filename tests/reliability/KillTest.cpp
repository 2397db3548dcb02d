// A helper process saves a personal month, a display settings record, tune.dat, a saved schedule and an
// exported backup over and over, each in two versions; it is killed with SIGKILL at random moments a few
// hundred times. After every kill each file is the one version or the other, byte for byte: never a mix,
// a part or empty.

#include "SaveLoop.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QTemporaryDir>
#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <iostream>
#include <poll.h>
#include <random>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

using namespace rp::test;

namespace {

constexpr int kKills = 300;
// The kills stop earlier once this much time has gone by, on a slow or busy machine.
constexpr auto kTimeBudget = std::chrono::seconds(20);
constexpr int kKillsAtLeast = 100;

using Snapshot = QHash<QString, QByteArray>;

Snapshot snapshot(const QString& folder) {
    Snapshot s;
    for (const QString& name : SaveLoopFiles()) {
        QFile f(folder + QLatin1Char('/') + name);
        s[name] = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
    }
    return s;
}

// A folder in memory where the system offers one: the loop writes thousands of files.
QString scratchTemplate() {
    const QString base =
        QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    return base + QStringLiteral("/rotaplan-kill-XXXXXX");
}

// The helper, started on a folder: it starts a saving child process when asked, and says how it ended.
class SaveLoopHelper {
public:
    explicit SaveLoopHelper(const QString& folder) {
        int in[2], out[2];
        if (pipe(in) != 0 || pipe(out) != 0)
            return;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, in[1]);
        posix_spawn_file_actions_addclose(&actions, out[0]);
        const QByteArray path = QFile::encodeName(QStringLiteral(ROTAPLAN_SAVE_LOOP));
        const QByteArray arg = QFile::encodeName(folder);
        char* argv[] = {const_cast<char*>(path.constData()), const_cast<char*>(arg.constData()), nullptr};
        if (posix_spawn(&pid_, path.constData(), &actions, nullptr, argv, environ) != 0)
            pid_ = -1;
        posix_spawn_file_actions_destroy(&actions);
        close(in[0]);
        close(out[1]);
        to_ = in[1];
        from_ = out[0];
    }
    ~SaveLoopHelper() {
        if (to_ >= 0)
            close(to_); // the end of its input ends the helper
        if (pid_ > 0)
            waitpid(pid_, nullptr, 0);
        if (from_ >= 0)
            close(from_);
    }
    bool started() const { return pid_ > 0; }

    // Starts a saving child; its process id once it is about to save, -1 when it did not start.
    pid_t startSaving() {
        if (write(to_, "g", 1) != 1)
            return -1;
        const QByteArray line = readLine();
        return line.startsWith("saving ") ? pid_t(line.mid(7).toInt()) : -1;
    }
    // The signal that ended the child, as the helper saw it.
    int ended() {
        const QByteArray line = readLine();
        return line.startsWith("ended ") ? line.mid(6).toInt() : -1;
    }

private:
    QByteArray readLine() {
        QByteArray line;
        char c = 0;
        pollfd p{from_, POLLIN, 0};
        while (poll(&p, 1, 30000) == 1 && read(from_, &c, 1) == 1 && c != '\n')
            line += c;
        return line;
    }

    pid_t pid_ = -1;
    int to_ = -1;
    int from_ = -1;
};

} // namespace

TEST(CrashSafety, EveryFileIsTheOldOrTheNewVersionAfterAKillAtAnyMoment) {
    QTemporaryDir scratch(scratchTemplate());
    ASSERT_TRUE(scratch.isValid());
    // Each version as the writers write it, in folders of their own.
    Snapshot versions[2];
    for (int v = 0; v < 2; ++v) {
        const QString folder = scratch.filePath(QStringLiteral("version%1").arg(v));
        PrepareSaveLoop(folder);
        SaveVersion(folder, v);
        versions[v] = snapshot(folder);
    }
    for (const QString& name : SaveLoopFiles()) {
        ASSERT_NE(versions[0][name], versions[1][name]) << name.toStdString();
        ASSERT_FALSE(versions[0][name].isEmpty() || versions[1][name].isEmpty()) << name.toStdString();
    }
    const QString work = scratch.filePath(QStringLiteral("work"));
    PrepareSaveLoop(work);
    SaveVersion(work, 0);
    ASSERT_EQ(snapshot(work), versions[0]);

    std::mt19937 rng(20240620);
    std::uniform_int_distribution<int> delayUs(0, 20000);
    const auto start = std::chrono::steady_clock::now();
    int kills = 0, newSeen = 0, mixedRounds = 0;
    SaveLoopHelper helper(work);
    ASSERT_TRUE(helper.started());
    for (; kills < kKills; ++kills) {
        if (kills >= kKillsAtLeast && std::chrono::steady_clock::now() - start > kTimeBudget)
            break;
        const pid_t saving = helper.startSaving();
        ASSERT_GT(saving, 0) << "the helper did not start saving";
        std::this_thread::sleep_for(std::chrono::microseconds(delayUs(rng)));
        kill(saving, SIGKILL);
        ASSERT_EQ(helper.ended(), SIGKILL)
            << "the saving process ended before it was killed, kill " << kills + 1;

        const Snapshot now = snapshot(work);
        bool anyNew = false, anyOld = false;
        for (const QString& name : SaveLoopFiles()) {
            const QByteArray& bytes = now[name];
            const bool old = bytes == versions[0][name];
            const bool fresh = bytes == versions[1][name];
            EXPECT_TRUE(old || fresh) << name.toStdString() << " after kill " << kills + 1 << " holds "
                                      << bytes.size() << " bytes of neither version";
            anyNew |= fresh;
            anyOld |= old;
        }
        newSeen += anyNew;
        mixedRounds += anyNew && anyOld;
        if (::testing::Test::HasFailure())
            break;
    }
    std::cout << "kills: " << kills << ", after which some file held the other version: " << newSeen
              << ", files of both versions side by side: " << mixedRounds << '\n';
    EXPECT_GE(kills, kKillsAtLeast);
    // The loop got as far as saving the other version before some of the kills.
    EXPECT_GT(newSeen, 0);
}
