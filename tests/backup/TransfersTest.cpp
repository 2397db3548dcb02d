// Export and import of the office database: consistent copies written beside their target, refusals that
// leave the office database as it was, and the dated copy of a replaced one.
#include "backup/Transfers.h"

#include "OfficeData.h"
#include "TestFolder.h"
#include "backup/OfficeCopy.h"
#include "backup/TransferErrors.h"
#include "model/OfficeDatabase.h"
#include "platform/Database.h"

#include <QDir>
#include <QFile>
#include <cerrno>

using namespace rp;
using namespace rp::test;

namespace {

const QDateTime kWhen(QDate(2008, 10, 22), QTime(14, 5, 9));

// Fails as a full disk, a read-only target or a pulled stick does, after writing part of the copy.
std::function<PendingCopy(const QString&, const QString&)> failingCopy(int errnoValue) {
    return [errnoValue](const QString&, const QString& target) -> PendingCopy {
        PendingCopy copy(target);
        writeFile(copy.path(), "half a copy");
        throw systemError(errnoValue);
    };
}

// A program folder with an office database, and a drive: a folder standing for a volume's root.
class TransferTest : public ::testing::Test {
public:
    void SetUp() override {
        ASSERT_TRUE(QFile::copy(exampleOffice(QStringLiteral("OneOffice")), office()));
        QFile::setPermissions(office(), QFile::ReadOwner | QFile::WriteOwner);
        original = readFile(office());
        originalRows = officeRowsOf(office());
    }
    QString office() const { return app.file(QStringLiteral("floor.mdb")); }
    QString onDrive() const { return drive.path() + QStringLiteral("/RPBackup/floor.mdb"); }
    void putOnDrive(const QByteArray& bytes) const {
        QDir().mkpath(drive.path() + QStringLiteral("/RPBackup"));
        writeFile(onDrive(), bytes);
    }
    bool import() {
        const ImportTarget target{office(), app.file(QStringLiteral("Backup")), kWhen, [this] {
                                      ++replacements;
                                      atReplace = readFile(office());
                                  }};
        return ImportFromDrive(ui, target, drive.path(), copies);
    }
    // Every name in a folder, hidden ones too.
    static QStringList namesIn(const QString& folder) {
        return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    TestFolder app;
    QTemporaryDir drive;
    ScriptedUi ui;
    CopyRoutines copies;
    QByteArray original;
    QStringList originalRows;
    QByteArray atReplace;
    int replacements = 0;
};

} // namespace

TEST_F(TransferTest, ExportHoldsTheLastUpdateOfAnOpenConnectionAndReplacesThePreviousBackup) {
    putOnDrive("the previous backup");
    const auto open = Database::open(office());
    open->execute(QStringLiteral("UPDATE Agents SET fdName = 'Changed Name' WHERE fdInitial = 'MO'"));
    ASSERT_TRUE(ExportToDrive(ui, office(), drive.path(), copies));
    expectMessage(ui.lastMessage(), QStringLiteral("Successful Export to ") + onDrive(), "Success ",
                  Icon::None);
    EXPECT_TRUE(
        rowsOf(onDrive(), QStringLiteral("Agents")).first().startsWith(QStringLiteral("Changed Name|MO|")));
    EXPECT_EQ(namesIn(drive.path() + QStringLiteral("/RPBackup")), QStringList{QStringLiteral("floor.mdb")});
    EXPECT_EQ(QFile::permissions(onDrive()) & 0x0777,
              QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther);
}

struct ExportFailure {
    std::string name;
    std::function<void(TransferTest&, CopyRoutines&, QString& root)> arrange;
    const char* text; // %1: the backup file
    const char* title;
};

class ExportFailureTest : public TransferTest, public ::testing::WithParamInterface<ExportFailure> {};

TEST_P(ExportFailureTest, KeepsThePreviousBackup) {
    putOnDrive("the previous backup");
    QString root = drive.path();
    GetParam().arrange(*this, copies, root);
    EXPECT_FALSE(ExportToDrive(ui, office(), root, copies));
    expectMessage(ui.lastMessage(),
                  QString::fromUtf8(GetParam().text)
                      .replace(QStringLiteral("%1"), root + QStringLiteral("/RPBackup/floor.mdb")),
                  GetParam().title, Icon::Warning);
    EXPECT_TRUE(readFile(onDrive()) == "the previous backup");
    EXPECT_EQ(namesIn(drive.path() + QStringLiteral("/RPBackup")), QStringList{QStringLiteral("floor.mdb")});
    EXPECT_FALSE(QFileInfo::exists(drive.path() + QStringLiteral("/gone")))
        << "a root that has gone is never made";
}

INSTANTIATE_TEST_SUITE_P(
    Transfers, ExportFailureTest,
    ::testing::Values(
        ExportFailure{"full disk",
                      [](TransferTest&, CopyRoutines& c, QString&) { c.database = failingCopy(ENOSPC); },
                      "Disk Full", "Disk Error"},
        ExportFailure{
            "read-only volume",
            [](TransferTest&, CopyRoutines& c, QString&) { c.database = failingCopy(EROFS); },
            "Error: 70.\r\nRead-only file system.\r\nPermission to write to this disk denied. Disk or "
            "existing file \r\n[ %1 ] may be Read Only, or you \r\nmay not have write privileges to write to "
            "this directory.\r\n\r\nIf this is a CD drive, files may only be copied to a CD \r\nusing CD "
            "Write software.",
            "Export Error"},
        ExportFailure{"volume removed after listing",
                      [](TransferTest& t, CopyRoutines&, QString& root) {
                          root = t.drive.path() + QStringLiteral("/gone");
                      },
                      "Device Unavailable - Insert Diskette\rand Try Again.", "Error"}),
    byName);

struct BadImport {
    std::string name;
    std::function<void(TransferTest&)> arrange;
    const char* text; // %1: the file on the drive
    const char* title;
    Icon icon = Icon::Warning;
};

namespace {
QByteArray withoutAgents(const TransferTest& t) {
    const QString path = t.app.file(QStringLiteral("sitesOnly.db"));
    Database::create(path, QStringLiteral("CREATE TABLE Sites (fdSNum INTEGER);"));
    QByteArray bytes = readFile(path);
    QFile::remove(path);
    return bytes;
}
QByteArray sitesWithoutLink(const TransferTest& t) {
    const QString path = t.app.file(QStringLiteral("noLink.db"));
    CreateOfficeDatabase(path);
    Database::open(path)->execute(QStringLiteral("ALTER TABLE Sites DROP COLUMN fdLink"));
    QByteArray bytes = readFile(path);
    QFile::remove(path);
    return bytes;
}
} // namespace

class BadImportTest : public TransferTest, public ::testing::WithParamInterface<BadImport> {};

TEST_P(BadImportTest, IsRefusedAndTheOfficeStaysAsItWas) {
    GetParam().arrange(*this);
    EXPECT_FALSE(import());
    expectMessage(ui.lastMessage(),
                  QString::fromUtf8(GetParam().text).replace(QStringLiteral("%1"), onDrive()),
                  GetParam().title, GetParam().icon);
    EXPECT_TRUE(readFile(office()) == original) << "the office database changed";
    EXPECT_EQ(namesIn(app.path()), QStringList{QStringLiteral("floor.mdb")});
    EXPECT_EQ(replacements, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Transfers, BadImportTest,
    ::testing::Values(
        BadImport{"no backup folder", [](TransferTest&) {}, "Cannot find %1", "No 'floor' found to import",
                  Icon::Information},
        BadImport{"backup folder without floor.mdb",
                  [](TransferTest& t) {
                      t.putOnDrive("the office");
                      QFile::rename(t.onDrive(), t.drive.path() + QStringLiteral("/RPBackup/floor.bak"));
                  },
                  "Cannot find %1", "No 'floor' found to import", Icon::Information},
        BadImport{
            "empty file", [](TransferTest& t) { t.putOnDrive({}); },
            "Cannot import %1.\r\nThe file is empty.\r\n\r\nYour Site and Agent Data has not been changed.",
            "Import of 'floor.mdb' Cancelled"},
        BadImport{
            "text file", [](TransferTest& t) { t.putOnDrive("Agents,Sites\r\nAnn,North\r\n"); },
            "Cannot import %1.\r\nThe file is not a database.\r\n\r\nYour Site and Agent Data has not been "
            "changed.",
            "Import of 'floor.mdb' Cancelled"},
        BadImport{"database without Agents", [](TransferTest& t) { t.putOnDrive(withoutAgents(t)); },
                  "Cannot import %1.\r\nThe database has no table 'Agents'.\r\n\r\nYour Site and Agent Data "
                  "has not "
                  "been changed.",
                  "Import of 'floor.mdb' Cancelled"},
        BadImport{
            "Sites without fdLink", [](TransferTest& t) { t.putOnDrive(sitesWithoutLink(t)); },
            "Cannot import %1.\r\nThe table 'Sites' has no field 'fdLink'.\r\n\r\nYour Site and Agent Data "
            "has not been changed.",
            "Import of 'floor.mdb' Cancelled"},
        BadImport{
            "half-written backup",
            [](TransferTest& t) {
                const QByteArray whole = readFile(exampleOffice(QStringLiteral("TwoOfficeA")));
                t.putOnDrive(whole.left(whole.size() / 2));
            },
            "Cannot import %1.\r\nThe database is damaged or incomplete.\r\n\r\nYour Site and Agent Data has "
            "not been changed.",
            "Import of 'floor.mdb' Cancelled"},
        BadImport{"stick pulled out while reading",
                  [](TransferTest& t) {
                      t.putOnDrive(readFile(exampleOffice(QStringLiteral("TwoOfficeA"))));
                      t.copies.file = failingCopy(EIO);
                  },
                  "Device I/O Error.\r", "Error"},
        BadImport{"full disk",
                  [](TransferTest& t) {
                      t.putOnDrive(readFile(exampleOffice(QStringLiteral("TwoOfficeA"))));
                      t.copies.file = failingCopy(ENOSPC);
                  },
                  "Unable to write imported data to disk. Disk Full", "Disk Error"},
        BadImport{"read-only program folder",
                  [](TransferTest& t) {
                      t.putOnDrive(readFile(exampleOffice(QStringLiteral("TwoOfficeA"))));
                      t.copies.file = failingCopy(EROFS);
                  },
                  "Unable to save imported data to disk. Disk or existing file [floor.mdb] may be Read Only.",
                  "Disk Error"},
        BadImport{
            "the program's own file",
            [](TransferTest& t) { QFile::link(t.app.path(), t.drive.path() + QStringLiteral("/RPBackup")); },
            "Cannot import %1.\r\nIt is the office database this program uses.\r\n\r\nYour Site and Agent "
            "Data has not been changed.",
            "Import of 'floor.mdb' Cancelled"}),
    byName);

TEST_F(TransferTest, ImportReplacesTheOfficeWritableAndKeepsTheOldOneUnderADatedName) {
    const QByteArray imported = readFile(exampleOffice(QStringLiteral("TwoOfficeA")));
    putOnDrive(imported);
    QFile::setPermissions(onDrive(), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    ASSERT_TRUE(import());
    expectMessage(ui.lastMessage(), "Successful Import.", "File: floor.mdb", Icon::None);
    EXPECT_TRUE(readFile(office()) == imported) << "the office database is not the imported file";
    EXPECT_EQ(QFile::permissions(office()) & 0x0777,
              QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup | QFile::ReadOther);
    EXPECT_EQ(officeRowsOf(app.file(QStringLiteral("Backup/Floor_221008140509.mdb"))), originalRows);
    EXPECT_EQ(replacements, 1);
    EXPECT_TRUE(atReplace == original) << "the windows holding the office close before it is replaced";
    EXPECT_EQ(namesIn(app.path()), QStringList{QStringLiteral("floor.mdb")});

    // A second import in the same second keeps both replaced databases.
    ASSERT_TRUE(import());
    EXPECT_EQ(
        namesIn(app.file(QStringLiteral("Backup"))),
        (QStringList{QStringLiteral("Floor_221008140509.mdb"), QStringLiteral("Floor_221008140509_2.mdb")}));
    EXPECT_EQ(officeRowsOf(app.file(QStringLiteral("Backup/Floor_221008140509.mdb"))), originalRows);
}

TEST_F(TransferTest, ImportOverADamagedOfficeKeepsItsBytesUnderTheDatedName) {
    writeFile(office(), "a damaged office");
    const QByteArray imported = readFile(exampleOffice(QStringLiteral("TwoOfficeA")));
    putOnDrive(imported);
    ASSERT_TRUE(import());
    EXPECT_TRUE(readFile(office()) == imported);
    EXPECT_TRUE(readFile(app.file(QStringLiteral("Backup/Floor_221008140509.mdb"))) == "a damaged office");
}

TEST(BackupFolder, IsRPBackupAtTheRootWithoutADoubleSlash) {
    EXPECT_EQ(BackupFile(QStringLiteral("/"), QStringLiteral("floor.mdb")),
              QStringLiteral("/RPBackup/floor.mdb"));
    EXPECT_EQ(BackupFile(QStringLiteral("/media/ann/STICK/"), QStringLiteral("floor.mdb")),
              QStringLiteral("/media/ann/STICK/RPBackup/floor.mdb"));
}
