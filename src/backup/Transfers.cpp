#include "backup/Transfers.h"

#include "backup/OfficeCheck.h"
#include "backup/TransferErrors.h"
#include "platform/Ui.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <sys/stat.h>

namespace rp {

namespace {

const QString kCrLf = QStringLiteral("\r\n");

void show(Ui& ui, const TransferMessage& m) {
    ui.setBusy(false);
    ui.message(m.text, m.title, m.icon);
}

// The backup folder at a root that is still there; a root that has gone (a stick pulled out since the
// list was made) is an unavailable device, never a folder to create.
void makeBackupFolder(const QString& root) {
    if (!QFileInfo(root).isDir())
        throw Error{68, QStringLiteral("Device unavailable")};
    const QString folder = BackupFolder(root);
    if (!QFileInfo(folder).isDir() && ::mkdir(QFile::encodeName(folder).constData(), 0755) != 0)
        throw systemError(errno);
}

QString refusal(const QString& source, const QString& reason) {
    return QStringLiteral("Cannot import ") + source + QLatin1Char('.') + kCrLf + reason + kCrLf + kCrLf +
           QStringLiteral("Your Site and Agent Data has not been changed.");
}

} // namespace

QString BackupFolder(const QString& root) {
    return QDir(root).filePath(QStringLiteral("RPBackup"));
}

QString BackupFile(const QString& root, const QString& fileName) {
    return QDir(BackupFolder(root)).filePath(fileName);
}

bool ExportToDrive(Ui& ui, const QString& office, const QString& root, const CopyRoutines& copies) {
    if (root.isEmpty())
        return false;
    const QString fileName = QFileInfo(office).fileName();
    const QString target = BackupFile(root, fileName);
    try {
        makeBackupFolder(root);
        copies.database(office, target).commit();
    } catch (const Error& e) {
        show(ui, exportErrorMessage(e, target));
        return false;
    }
    ui.setBusy(false);
    ui.message(QStringLiteral("Successful Export to ") + target, QStringLiteral("Success "), Icon::None,
               Buttons::Ok);
    ui.setBusy(true);
    return true;
}

bool ImportFromDrive(Ui& ui, const ImportTarget& to, const QString& root, const CopyRoutines& copies) {
    if (root.isEmpty())
        return false;
    const QString fileName = QFileInfo(to.office).fileName();
    const QString source = BackupFile(root, fileName);
    const QString cancelled = QStringLiteral("Import of '") + fileName + QStringLiteral("' Cancelled");
    const QFileInfo sourceInfo(source);
    if (!sourceInfo.isFile()) {
        show(ui, {QStringLiteral("Cannot find ") + source,
                  QStringLiteral("No '") + fileName.chopped(4) + QStringLiteral("' found to import"),
                  Icon::Information});
        return false;
    }
    if (sourceInfo.canonicalFilePath() == QFileInfo(to.office).canonicalFilePath()) {
        show(ui,
             {refusal(source, QStringLiteral("It is the office database this program uses.")), cancelled});
        return false;
    }
    try {
        PendingCopy copy = copies.file(source, to.office);
        if (const auto problem = OfficeFileProblem(copy.path())) {
            show(ui, {refusal(source, *problem), cancelled});
            return false;
        }
        if (QFileInfo::exists(to.office))
            WriteDatedBackup(to.office, to.backupFolder, to.when, copies);
        if (to.beforeReplace)
            to.beforeReplace();
        copy.commit();
    } catch (const Error& e) {
        show(ui, importErrorMessage(e, source, fileName));
        return false;
    }
    ui.setBusy(false);
    ui.message(QStringLiteral("Successful Import."), QStringLiteral("File: ") + fileName, Icon::None,
               Buttons::Ok);
    ui.setBusy(true);
    return true;
}

} // namespace rp
