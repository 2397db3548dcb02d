#include "workspace/Examples.h"

#include "backup/OfficeCheck.h"
#include "platform/Error.h"
#include "platform/Files.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace rp {

const std::array<ExampleSetup, 6> kExampleSetups{{
    {"1. One Site - One agent per slot", "OneOffice.mdb",
     "One site, Main Office, with 12 agents. Three slots are filled every day of the week: morning (A), "
     "afternoon (C) and evening (G), one agent per slot. Each agent has individual days off, and two "
     "agents have duties asked for by hand."},
    {"2. Two Sites - Agents assigned to both.", "TwoOfficeA.mdb",
     "Two sites, Downtown and Lakeside, with 12 agents who may work at either site. Downtown is staffed "
     "mornings and afternoons every day and evenings Monday to Friday, Lakeside mornings and afternoons "
     "Monday to Saturday. The slot letters are not turned into times yet: see the menu Settings | "
     "Schedule Times."},
    {"3. Two Sites - Agents assigned to only one or the other.", "TwoOfficeB.mdb",
     "The two sites of example 2, but each agent works at one site only: seven at Downtown and five at "
     "Lakeside. Daniel Murphy takes at most 5 duties a month and Frank DiMaggio at most 12. Both sites are "
     "closed on the 25th, Lakeside on the 24th as well."},
    {"4. One Site (Linked - two agents per slot), Agent Team.", "LinkTeam.mdb",
     "One site, Main Office, that needs two agents on every duty: its two site records share the link "
     "letter A and are filled together. Ten agents and two teams of two (J+M and R+L), a team covering "
     "both places of a duty. Mornings and afternoons every day, evenings Monday to Friday."},
    {"5. Two Sites - One Linked and one Subdivision.", "LinkSub.mdb",
     "A main office that needs two agents on every morning and afternoon duty (two site records linked by "
     "the letter A) and the Maple Ridge subdivision, where one agent holds the open house every afternoon. "
     "Of the 14 agents, two work only at the subdivision and three only at the main office."},
    {"6. Three Sites - Two Linked and one subdivision.", "LinkSub2.mdb",
     "City Centre needs two agents on every duty (two site records linked by the letter A): mornings and "
     "afternoons every day, evenings Monday to Friday. The Willow Creek subdivision opens at weekends "
     "only, with one agent in the morning and one in the afternoon. All 14 agents may work at every "
     "site."},
}};

QString ExampleFilePath(const QString& appFolder, const ExampleSetup& example) {
    return appFolder + QStringLiteral("/Examples/") + QLatin1String(example.file);
}

QString ExampleCopiesFolder(const QString& appFolder) {
    return appFolder + QStringLiteral("/Examples/InUse");
}

std::optional<QString> MakeExampleCopy(const QString& appFolder, const ExampleSetup& example,
                                       const CopyRoutines& copies) {
    const QString source = ExampleFilePath(appFolder, example);
    if (!QFileInfo(source).isFile())
        return std::nullopt;
    const QString folder = ExampleCopiesFolder(appFolder);
    if (!QDir().mkpath(folder))
        throw Error::runtime(err::PathNotFound);
    const QString target = folder + QLatin1Char('/') + QLatin1String(example.file);
    try {
        PendingCopy copy = copies.database(source, target);
        if (OfficeFileProblem(copy.path()))
            return std::nullopt;
        copy.commit();
    } catch (const Error& e) {
        if (e.number == err::UnrecognizedFormat)
            return std::nullopt; // a damaged example
        throw;
    }
    return target;
}

std::optional<QString> MakeExampleTheOffice(const QString& example, const QString& office,
                                            const QString& backupFolder, const QDateTime& when,
                                            const CopyRoutines& copies) {
    const bool hadBackupFolder = QFileInfo::exists(backupFolder);
    const auto failed = [&](const QString& what, const Error& e) {
        if (!hadBackupFolder)
            QDir().rmdir(backupFolder); // only when it is empty
        return what + QStringLiteral(": ") + e.description + QStringLiteral(". The office was not replaced.");
    };
    std::optional<QString> backup;
    try {
        if (QFileInfo::exists(office))
            backup = WriteDatedBackup(office, backupFolder, when, copies);
    } catch (const Error& e) {
        return failed(QStringLiteral("The safety copy of the office could not be written to ") + backupFolder,
                      e);
    }
    try {
        // The folder would allow the rename; a mark the user set on the file is honoured all the same.
        if (QFileInfo::exists(office) && isMarkedReadOnly(office))
            throw Error::runtime(err::PermissionDenied);
        copies.database(example, office).commit();
    } catch (const Error& e) {
        if (backup)
            QFile::remove(*backup);
        return failed(QStringLiteral("The example could not be copied over the office database ") + office,
                      e);
    }
    return std::nullopt;
}

void RemoveExampleCopies(const QString& appFolder) {
    QDir(ExampleCopiesFolder(appFolder)).removeRecursively();
}

} // namespace rp
