#include "workspace/ProgramFolder.h"

#include "model/OfficeDatabase.h"
#include "platform/Ui.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace rp {

namespace {
const QStringList kSubFolders{
    QStringLiteral("settings"), QStringLiteral("help"),  QStringLiteral("Examples"), QStringLiteral("Times"),
    QStringLiteral("Personal"), QStringLiteral("Saved"), QStringLiteral("Backup")};
}

QString LocateAppFolder(const QString& executableDir) {
    if (QFileInfo::exists(executableDir + QStringLiteral("/floor.mdb")))
        return executableDir;
    QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty())
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return data + QStringLiteral("/Rotaplan");
}

QString LocateResources(const QString& executableDir) {
    const QStringList candidates{executableDir + QStringLiteral("/resources"),
                                 executableDir + QStringLiteral("/../resources"),
                                 executableDir + QStringLiteral("/../../resources"),
                                 executableDir + QStringLiteral("/../share/rotaplan/resources"),
                                 QStringLiteral(ROTAPLAN_BUILD_RESOURCES)};
    for (const QString& c : candidates) {
        if (QFileInfo::exists(c + QStringLiteral("/settings/DefaultSettings.dat")))
            return QDir(c).canonicalPath();
    }
    return {};
}

bool PrepareAppFolder(const QString& appFolder, const QString& resourcesDir, bool seedOffice) {
    QDir root;
    if (!root.mkpath(appFolder))
        return false;
    for (const QString& sub : kSubFolders)
        root.mkpath(appFolder + QLatin1Char('/') + sub);
    // Only the program folder's own sub-folders are filled: a build tree's resources folder also holds
    // the build system's files, which have no place in an office folder.
    if (!resourcesDir.isEmpty()) {
        const QDir src(resourcesDir);
        for (const QString& sub : kSubFolders) {
            QDirIterator it(src.filePath(sub), QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString from = it.next();
                const QString relative = src.relativeFilePath(from);
                if (relative.endsWith(QStringLiteral(".sql")))
                    continue;
                const QString to = appFolder + QLatin1Char('/') + relative;
                if (!QFileInfo::exists(to)) {
                    root.mkpath(QFileInfo(to).absolutePath());
                    QFile::copy(from, to);
                    QFile(to).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                             QFile::ReadOther);
                }
            }
        }
    }
    const QString office = appFolder + QStringLiteral("/floor.mdb");
    const QString example = appFolder + QStringLiteral("/Examples/OneOffice.mdb");
    if (seedOffice && !QFileInfo::exists(office) && QFileInfo::exists(example)) {
        QFile::copy(example, office);
        QFile(office).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                     QFile::ReadOther);
    }
    return true;
}

void PrepareAppFolderAtStart(Ui& ui, const QString& appFolder, const QString& resourcesDir,
                             bool folderIsNew) {
    PrepareAppFolder(appFolder, resourcesDir, folderIsNew);
    const QString office = appFolder + QStringLiteral("/floor.mdb");
    if (!QFileInfo(office).isFile())
        ShowDatabaseAccessMessage(ui, office);
}

} // namespace rp
