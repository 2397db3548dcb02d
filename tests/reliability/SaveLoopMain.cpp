// The helper of the crash-safety test. For each byte on its input it starts a child process that says
// "saving <pid>" and then saves every file of the loop in its two versions, one after the other, until it
// is killed; once the child has ended the helper says "ended <signal>" (0 when no signal ended it). The
// helper ends at the end of its input. Forking a loaded process keeps each of the hundreds of kills cheap.

#include "SaveLoop.h"

#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: rotaplan_save_loop FOLDER\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    char go = 0;
    while (read(STDIN_FILENO, &go, 1) == 1) {
        const pid_t child = fork();
        if (child < 0)
            return 1;
        if (child == 0) {
            std::printf("saving %d\n", int(getpid()));
            std::fflush(stdout);
            for (int version = 1;; version = 1 - version)
                rp::test::SaveVersion(folder, version);
        }
        int status = 0;
        waitpid(child, &status, 0);
        std::printf("ended %d\n", WIFSIGNALED(status) ? WTERMSIG(status) : 0);
        std::fflush(stdout);
    }
    return 0;
}
