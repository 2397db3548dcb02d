// The desktop program: finds the program folder, refuses a second running copy, prepares the folder and
// shows the start-up window and, after it, the main window with the personal calendar.

#include "backup/ui/BackupWindows.h"
#include "editors/ui/EditorWindows.h"
#include "export/ui/DutyExportCommand.h"
#include "generator/ui/SettingsDialogs.h"
#include "help/ui/HelpWindows.h"
#include "platform/Ui.h"
#include "platform/qt/QtUi.h"
#include "reports/ui/ReportWindows.h"
#include "workspace/ProgramFolder.h"
#include "workspace/ui/DesktopSession.h"
#include "workspace/ui/licnorpt.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <cstdio>
#include <optional>

namespace {

const char kHelp[] =
    "Usage: rotaplan [options]\n"
    "\n"
    "Builds monthly floor-duty schedules for an office of sales agents, in its program folder\n"
    "(~/.local/share/Rotaplan, or the program's own folder when it holds floor.mdb).\n"
    "\n"
    "Options:\n"
    "  -h, --help     show this text\n"
    "  -v, --version  print the version of rotaplan\n"
    "\n"
    "The options of every Qt program, such as -platform NAME or -style NAME, are taken too.\n"
    "rotaplan-cli generates, checks and reports schedules without windows.\n";

// The program's own options; "-name" is the long option "name", so that a message names it as typed.
void addOptions(QCommandLineParser& parser) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption(
        QCommandLineOption({QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("help")));
    parser.addOption(
        QCommandLineOption({QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("version")));
}

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    return args;
}

// --help and --version are answered before the windowing system is reached, so that they work without a
// display; the options Qt takes itself are not known yet and are passed over here.
std::optional<int> answerHelpOrVersion(const QStringList& args) {
    QCommandLineParser parser;
    addOptions(parser);
    parser.parse(args);
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("rotaplan %s\n", ROTAPLAN_VERSION);
        return 0;
    }
    return std::nullopt;
}

// Once Qt has taken its own options, whatever is left is refused with exit status 2.
std::optional<int> refuseOtherArguments(const QStringList& args) {
    QCommandLineParser parser;
    addOptions(parser);
    QString problem;
    if (!parser.parse(args)) {
        const QStringList unknown = parser.unknownOptionNames();
        problem = unknown.isEmpty()
                      ? parser.errorText()
                      : QStringLiteral("Unknown option '%1%2'.")
                            .arg(unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--"),
                                 unknown.first());
    } else if (!parser.positionalArguments().isEmpty()) {
        problem = QStringLiteral("unexpected argument '%1'.").arg(parser.positionalArguments().first());
    }
    if (problem.isEmpty())
        return std::nullopt;
    std::fprintf(stderr, "rotaplan: %s\n\n%s", qUtf8Printable(problem), kHelp);
    return 2;
}

// The program's icon in the sizes bundled with it (PNGs drawn from its SVG by the build).
QIcon programIcon() {
    QIcon icon;
    QDirIterator it(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        icon.addFile(it.next());
    return icon;
}

} // namespace

int main(int argc, char* argv[]) {
    if (const std::optional<int> answered = answerHelpOrVersion(argumentsOf(argc, argv)))
        return *answered;
    QApplication app(argc, argv);
    if (const std::optional<int> refused = refuseOtherArguments(QApplication::arguments()))
        return *refused;
    QApplication::setApplicationName(QStringLiteral("Rotaplan"));
    // The desktop matches the windows to the menu entry of this name, and shows the same icon.
    QApplication::setDesktopFileName(QStringLiteral(ROTAPLAN_APP_ID));
    QApplication::setWindowIcon(programIcon());
    QApplication::setQuitOnLastWindowClosed(false);

    const QString exeDir = QApplication::applicationDirPath();
    const QString appFolder = rp::LocateAppFolder(exeDir);
    // Only the folder itself is made before the single-copy check, since its lock lives there; it is
    // filled afterwards, so that a second copy never touches it.
    const bool folderIsNew = !QFileInfo::exists(appFolder);
    if (!QDir().mkpath(appFolder)) {
        QMessageBox::critical(nullptr, QStringLiteral("Rotaplan"),
                              QStringLiteral("The program folder %1 cannot be created.").arg(appFolder));
        return 1;
    }

    rp::QtUi ui;
    std::unique_ptr<rp::DesktopSession> session;
    rp::licnorpt splash(ui, appFolder, [&] {
        try {
            rp::PrepareAppFolderAtStart(ui, appFolder, rp::LocateResources(exeDir), folderIsNew);
        } catch (const rp::ProgramEnded&) {
            return;
        }
        session = std::make_unique<rp::DesktopSession>(ui, appFolder);
        session->start();
        rp::attachEditorWindows(*session);
        rp::attachSettingsDialogs(*session);
        rp::attachHelpWindows(*session);
        rp::attachReportWindows(*session);
        rp::attachBackupWindows(*session);
        rp::attachDutyExport(*session);
    });
    splash.show();
    if (!splash.Form_Load())
        return 0;
    const int status = app.exec();
    session.reset();
    return status;
}
