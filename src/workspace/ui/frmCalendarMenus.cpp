// The main window's menus: the File, Reports, Settings, Examples and Help menus, and the hidden entries
// that forward to the buttons.
#include "workspace/ui/frmCalendar.h"
#include "workspace/ui/menunew.h"

#include <QMenuBar>
#include <QPushButton>

namespace rp {

QAction* frmCalendar::addMenuAction(QMenu* menu, const QString& name, const QString& caption) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    return a;
}

void frmCalendar::buildMenus() {
    QMenuBar* bar = menuBar();
    mnuFile = bar->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuSaveCurrent =
        addMenuAction(mnuFile, QStringLiteral("mnuSaveCurrent"), QStringLiteral("&Save Current Schedule"));
    mnuSaveCurrent->setEnabled(false);
    mnuSavedFile = mnuFile->addMenu(QStringLiteral("&Retrieve Saved Schedule"));
    mnuSavedFile->setObjectName(QStringLiteral("mnuSavedFile"));
    for (int i = 0; i <= 5; ++i) {
        QAction* a = addMenuAction(mnuSavedFile, QStringLiteral("mnuSavedFiles%1").arg(i),
                                   i == 0 ? QStringLiteral("Choose Saved File below") : QString());
        a->setVisible(i == 0);
        connect(a, &QAction::triggered, this, [this, i] {
            endPendingDayEdit();
            if (commands.openSaved)
                commands.openSaved(i);
            else
                notAvailable();
        });
        mnuSavedFiles << a;
    }
    mnuDeleteSaved =
        addMenuAction(mnuFile, QStringLiteral("mnuDeleteSaved"), QStringLiteral("&Delete Saved Schedules"));
    mnuFile->addSeparator();
    mnuExport = addMenuAction(mnuFile, QStringLiteral("mnuExport"), QStringLiteral("&Export (Backup)"));
    mnuImport = addMenuAction(mnuFile, QStringLiteral("mnuImport"), QStringLiteral("&Import"));
    mnuFile->addSeparator();
    mnuExit = addMenuAction(mnuFile, QStringLiteral("mnuExit"), QStringLiteral("&Exit"));

    mnuReport = bar->addMenu(QStringLiteral("&Reports"));
    mnuReport->setObjectName(QStringLiteral("mnuReport"));
    mnuSchedReport =
        addMenuAction(mnuReport, QStringLiteral("mnuSchedReport"), QStringLiteral("Schedule &Report"));
    mnuPrintAgt = addMenuAction(mnuReport, QStringLiteral("mnuPrintAgt"), QStringLiteral("&Agent Report"));
    mnuPrintSite = addMenuAction(mnuReport, QStringLiteral("mnuPrintSite"), QStringLiteral("&Site Report"));

    mnuSettings = bar->addMenu(QStringLiteral("&Settings"));
    mnuSettings->setObjectName(QStringLiteral("mnuSettings"));
    mnuCalSettings =
        addMenuAction(mnuSettings, QStringLiteral("mnuCalSettings"), QStringLiteral("&Calendar Settings"));
    mnuTimes = addMenuAction(mnuSettings, QStringLiteral("mnuTimes"), QStringLiteral("Schedule &Times"));
    mnuFineTune =
        addMenuAction(mnuSettings, QStringLiteral("mnuFineTune"), QStringLiteral("Schedule &Fine Tune"));

    mnuExamples = bar->addAction(QStringLiteral("E&xamples"));
    mnuExamples->setObjectName(QStringLiteral("mnuExamples"));

    mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpStart = addMenuAction(mnuHelp, QStringLiteral("mnuHelpStart"), QStringLiteral("&Getting Started"));
    mnuGenerated =
        addMenuAction(mnuHelp, QStringLiteral("mnuGenerated"), QStringLiteral("Generated &Schedule"));
    mnuHelp->addSeparator();
    mnuBrowser =
        addMenuAction(mnuHelp, QStringLiteral("mnuBrowser"), QStringLiteral("Web Site / Latest &Help"));
    mnuHelp->addSeparator();
    mnuAbout = addMenuAction(mnuHelp, QStringLiteral("mnuAbout"), QStringLiteral("About"));

    // Hidden, disabled entries that forward to the buttons (their shortcuts stay with the buttons).
    auto hidden = [&](const QString& name, const QString& caption, QPushButton* target) {
        auto* a = new QAction(caption, this);
        a->setObjectName(name);
        a->setVisible(false);
        a->setEnabled(false);
        connect(a, &QAction::triggered, target, &QPushButton::click);
        QWidget::addAction(a);
        return a;
    };
    mnuPersonal = hidden(QStringLiteral("mnuPersonal"), QStringLiteral("P&ersonal"), cmdPersonal);
    mnuMonth = hidden(QStringLiteral("mnuMonth"), QStringLiteral("&Month"), cmdMonth);
    mnuSites = hidden(QStringLiteral("mnuSites"), QStringLiteral("S&ites"), cmdSites);
    mnuAgents = hidden(QStringLiteral("mnuAgents"), QStringLiteral("&Agents"), cmdAgents);
    mnuGenerate = hidden(QStringLiteral("mnuGenerate"), QStringLiteral("&Generate"), cmdGenerate);
    mnuNext = hidden(QStringLiteral("mnuNext"), QStringLiteral("&Next Site"), cmdDisplaySite);
    mnuPrint = hidden(QStringLiteral("mnuPrint"), QStringLiteral("&Print"), cmdPrint);

    const std::pair<QAction*, std::function<void()> Commands::*> attached[] = {
        {mnuSaveCurrent, &Commands::saveCurrent}, {mnuDeleteSaved, &Commands::deleteSaved},
        {mnuExport, &Commands::exportData},       {mnuImport, &Commands::importData},
        {mnuSchedReport, &Commands::report},      {mnuPrintAgt, &Commands::printAgents},
        {mnuPrintSite, &Commands::printSites},    {mnuExamples, &Commands::examples},
        {mnuHelpStart, &Commands::helpStart},     {mnuGenerated, &Commands::helpGenerated},
        {mnuBrowser, &Commands::browser},         {mnuAbout, &Commands::about}};
    for (const auto& [action, command] : attached)
        connect(action, &QAction::triggered, this, [this, command] { run(commands.*command); });
    connect(mnuFineTune, &QAction::triggered, this, [this] { runController(&menunew::mnuFineTune_Click); });
    connect(mnuTimes, &QAction::triggered, this, [this] { runController(&menunew::mnuTimes_Click); });
    connect(mnuCalSettings, &QAction::triggered, this,
            [this] { runController(&menunew::mnuCalSettings_Click); });
    connect(mnuExit, &QAction::triggered, this, &frmCalendar::cmdExit_Click);
}

} // namespace rp
