#include "export/ui/DutyExportCommand.h"

#include "export/DutyExport.h"
#include "generator/GeneratedMonth.h"
#include "platform/ErrorReport.h"
#include "platform/Ui.h"
#include "workspace/ui/DesktopSession.h"
#include "workspace/ui/frmCalendar.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QProgressDialog>

namespace rp {

namespace {

const QString kTitle = QStringLiteral("Export Duties");

} // namespace

DutyExportCommand::DutyExportCommand(DesktopSession& session)
    : QObject(session.calendar.get()), session_(session) {
    setObjectName(QStringLiteral("DutyExportCommand"));
    frmCalendar* main = session.calendar.get();
    mnuExportDuties = new QAction(QStringLiteral("Export D&uties..."), main);
    mnuExportDuties->setObjectName(QStringLiteral("mnuExportDuties"));
    // Beside the backup export of the File menu.
    main->mnuFile->insertAction(main->mnuExport, mnuExportDuties);
    connect(mnuExportDuties, &QAction::triggered, this, &DutyExportCommand::mnuExportDuties_Click);
    chooseFolder = [main] {
        return QFileDialog::getExistingDirectory(main, QStringLiteral("Export Duties to Folder"),
                                                 QDir::homePath());
    };
}

void DutyExportCommand::mnuExportDuties_Click() {
    Ui& ui = session_.program.ui;
    const Program& program = session_.program;
    const GeneratedMonth month = ReadLastGeneration(program.schedule, program.paths.AppFolder);
    if (month.calendars.empty()) {
        ui.message(QStringLiteral("Generate a schedule first: there are no duties to export."), kTitle,
                   Icon::Information);
        return;
    }
    const QString folder = chooseFolder ? chooseFolder() : QString();
    if (folder.isEmpty())
        return;

    delete progress;
    progress =
        new QProgressDialog(QStringLiteral("Writing the duties of %1/%2...").arg(month.month).arg(month.year),
                            QStringLiteral("Cancel"), 0, 1, session_.calendar.get());
    progress->setObjectName(QStringLiteral("dlgExportProgress"));
    progress->setWindowTitle(kTitle);
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(0);
    progress->setAutoClose(false);
    progress->setAutoReset(false);
    progress->setValue(0);

    DutyExportTarget target;
    target.calendarFolder = folder;
    target.csvFile = QDir(folder).filePath(DutyCsvFileName(month.month, month.year));
    target.calendar = calendarOptions;
    DutyExportResult result;
    try {
        result = ExportDuties(program, target, [this](int done, int total) {
            progress->setMaximum(total);
            progress->setValue(done);
            QApplication::processEvents();
            return !progress->wasCanceled();
        });
    } catch (const Error& e) {
        progress->hide();
        ui.message(ErrorReportText(e), kTitle, Icon::Critical);
        return;
    }
    progress->hide();
    if (result.cancelled) {
        ui.message(QStringLiteral("Export stopped: %1 files were written to %2.")
                       .arg(result.files.size())
                       .arg(folder),
                   kTitle, Icon::Information);
        return;
    }
    ui.message(QStringLiteral("%1 duties of %2/%3 were written to %4 files in %5.")
                   .arg(result.duties)
                   .arg(month.month)
                   .arg(month.year)
                   .arg(result.files.size())
                   .arg(folder),
               kTitle, Icon::Information);
}

DutyExportCommand* attachDutyExport(DesktopSession& session) {
    return new DutyExportCommand(session);
}

} // namespace rp
