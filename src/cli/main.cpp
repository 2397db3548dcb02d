#include "cli/CliCommands.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Rotaplan"));
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    return rp::RunCli(args, QCoreApplication::applicationDirPath(), stdout, stderr);
}
