#include "workspace/ProgramFolder.h"

#include "model/OfficeDatabase.h"
#include "platform/Ui.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>

namespace rp {

namespace {
// The program's own texts and example offices: an installed update replaces them. Everything else in
// the program folder (settings, times, calendars, the office) belongs to the user and is never replaced.
const QStringList kProgramFolders{QStringLiteral("help"), QStringLiteral("Examples")};

bool sameContent(const QString& a, const QString& b) {
    QFile fa(a), fb(b);
    if (fa.size() != fb.size() || !fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly))
        return false;
    return fa.readAll() == fb.readAll();
}

// Copies through a temporary file beside the target, so that a target is never half written.
void copyInto(const QString& from, const QString& to) {
    const QString temp = to + QStringLiteral(".new");
    QFile::remove(temp);
    if (!QFile::copy(from, temp))
        return;
    QFile(temp).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    if (std::rename(QFile::encodeName(temp).constData(), QFile::encodeName(to).constData()) != 0)
        QFile::remove(temp);
}

const QStringList kSubFolders{
    QStringLiteral("settings"), QStringLiteral("help"),  QStringLiteral("Examples"), QStringLiteral("Times"),
    QStringLiteral("Personal"), QStringLiteral("Saved"), QStringLiteral("Backup")};
} // namespace

QString LocateAppFolder(const QString& executableDir) {
    if (QFileInfo::exists(executableDir + QStringLiteral("/floor.mdb")))
        return executableDir;
    QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (data.isEmpty())
        data = QDir::homePath() + QStringLiteral("/.local/share");
    return data + QStringLiteral("/Rotaplan");
}

QString LocateResources(const QString& executableDir) {
    // Installed, the resources are in share/rotaplan beside bin/; in a build tree, in resources/ at its top,
    // two levels above the programs (src/app, src/cli). Only places relative to the executable are tried, so
    // an installed program never reads the folders of the machine it was built on.
    const QStringList candidates{
        executableDir + QStringLiteral("/../share/rotaplan"), executableDir + QStringLiteral("/resources"),
        executableDir + QStringLiteral("/../resources"), executableDir + QStringLiteral("/../../resources")};
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
                const bool exists = QFileInfo::exists(to);
                if (!exists || (kProgramFolders.contains(sub) && !sameContent(from, to))) {
                    root.mkpath(QFileInfo(to).absolutePath());
                    copyInto(from, to);
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
