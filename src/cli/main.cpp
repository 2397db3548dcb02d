#include "cli/CliCommands.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// The folder of this program, where its resources are looked for: from /proc, else from how it was called.
QString executableDir(const char* argv0) {
    QString exe = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    if (exe.isEmpty()) {
        exe = QFile::decodeName(argv0);
        if (!exe.contains(QLatin1Char('/')))
            exe = QStandardPaths::findExecutable(exe);
    }
    return QFileInfo(exe).absolutePath();
}

} // namespace

// The tool runs one command and ends; it has no event loop, so it does without a QCoreApplication and its
// start-up (a good part of the whole run of a command).
int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Rotaplan"));
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return rp::RunCli(args, executableDir(argv[0]), stdout, stderr);
}
