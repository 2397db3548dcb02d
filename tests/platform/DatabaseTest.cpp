// Opening database files and the failures the program's messages rely on.
#include "platform/Database.h"

#include "ErrorNumber.h"
#include "TestFolder.h"

#include <QFile>
#include <sqlite3.h>

using namespace rp;
using rp::test::errorNumberOf;

namespace {

const QString kSchema = QStringLiteral("CREATE TABLE Agents (fdName TEXT UNIQUE, fdInitial TEXT);"
                                       "CREATE TABLE Sites (fdSNum INTEGER UNIQUE, fdSName TEXT);");

class DatabaseOpen : public ::testing::Test {
protected:
    test::TestFolder folder{false};
    QString path = folder.file(QStringLiteral("floor.mdb"));
    void SetUp() override { Database::create(path, kSchema); }
};

// A second connection, as another program would hold it.
class OtherConnection {
public:
    explicit OtherConnection(const QString& path) { sqlite3_open(QFile::encodeName(path).constData(), &db_); }
    ~OtherConnection() { sqlite3_close(db_); }
    int exec(const char* sql) { return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr); }

private:
    sqlite3* db_ = nullptr;
};

} // namespace

TEST_F(DatabaseOpen, OpensAWritableFileAndListsItsTables) {
    auto db = Database::open(path);
    EXPECT_EQ(db->path(), path);
    EXPECT_EQ(db->tableNames(), (QStringList{QStringLiteral("Agents"), QStringLiteral("Sites")}));
}

TEST_F(DatabaseOpen, MissingFileFailsWith3024) {
    EXPECT_EQ(errorNumberOf([&] { Database::open(folder.file(QStringLiteral("none.mdb"))); }),
              err::FileNotFoundDb);
}

TEST_F(DatabaseOpen, ReadOnlyFileFailsWith3051EvenForTheAdministrator) {
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    EXPECT_EQ(errorNumberOf([&] { Database::open(path); }), err::CannotAccessDatabase);
}

TEST_F(DatabaseOpen, TextFileIsNotADatabase) {
    const QString garbage = folder.file(QStringLiteral("notes.mdb"));
    folder.write(QStringLiteral("notes.mdb"),
                 QByteArray("This is a text file, not a database.\r\n").repeated(40));
    EXPECT_EQ(errorNumberOf([&] { Database::open(garbage); }), err::UnrecognizedFormat);
}

TEST_F(DatabaseOpen, FileLockedExclusivelyByAnotherConnectionFailsWith3051) {
    OtherConnection other(path);
    ASSERT_EQ(other.exec("BEGIN EXCLUSIVE"), SQLITE_OK);
    EXPECT_EQ(errorNumberOf([&] { Database::open(path); }), err::CannotAccessDatabase);
    other.exec("COMMIT");
    EXPECT_EQ(errorNumberOf([&] { Database::open(path); }), 0);
}

TEST_F(DatabaseOpen, WritingWhileAnotherConnectionHoldsTheLockFailsWith3051) {
    auto db = Database::open(path);
    auto rs = db->openTable(QStringLiteral("Agents"));
    OtherConnection other(path);
    ASSERT_EQ(other.exec("BEGIN EXCLUSIVE"), SQLITE_OK);
    rs->addNew();
    rs->setField(QStringLiteral("fdName"), QStringLiteral("Ann"));
    EXPECT_EQ(errorNumberOf([&] { rs->update(); }), err::CannotAccessDatabase);
    other.exec("ROLLBACK");
    EXPECT_EQ(errorNumberOf([&] { rs->update(); }), 0);
    EXPECT_EQ(db->openTable(QStringLiteral("Agents"))->recordCount(), 1);
}

TEST_F(DatabaseOpen, CreateRefusesAnExistingFileAndLeavesItAlone) {
    EXPECT_NE(errorNumberOf([&] { Database::create(path, QStringLiteral("CREATE TABLE Other (x);")); }), 0);
    EXPECT_EQ(Database::open(path)->tableNames().size(), 2);
}

TEST_F(DatabaseOpen, TablesAreFoundWithoutRegardToLetterCase) {
    auto db = Database::open(path);
    EXPECT_EQ(db->openTable(QStringLiteral("agents"))->tableName(), QStringLiteral("Agents"));
    EXPECT_EQ(db->openTable(QStringLiteral("SITES"))->tableName(), QStringLiteral("Sites"));
    EXPECT_EQ(errorNumberOf([&] { db->openTable(QStringLiteral("Agent")); }), err::TableNotFound);
}
