// The office database file: its tables and fields, unique keys, field reading and the access message.
#include "model/OfficeDatabase.h"

#include "ErrorNumber.h"
#include "TestFolder.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

using namespace rp;
using rp::test::errorNumberOf;

namespace {

const QStringList kAgentFields{
    QStringLiteral("fdName"),     QStringLiteral("fdInitial"), QStringLiteral("fdMaxTimes"),
    QStringLiteral("fdAssigned"), QStringLiteral("fdOffAll"),  QStringLiteral("fdOffAM"),
    QStringLiteral("fdOffPM1"),   QStringLiteral("fdOffPM2"),  QStringLiteral("fdManOn1"),
    QStringLiteral("fdManSite1"), QStringLiteral("fdManOn2"),  QStringLiteral("fdManSite2")};

QStringList siteFieldsAsDocumented() {
    QStringList f{QStringLiteral("fdSNum"), QStringLiteral("fdSName")};
    for (const QString& period : {QStringLiteral("fdAM"), QStringLiteral("fdPM"), QStringLiteral("fdEV")})
        for (int w = 1; w <= 7; ++w)
            f << period + QString::number(w);
    return f << QStringLiteral("fdSClose") << QStringLiteral("fdLink");
}

const QString kSqliteTool = QStringLiteral("/usr/bin/sqlite3");

QString runSqliteTool(const QString& path, const QString& command) {
    QProcess p;
    p.start(kSqliteTool, {path, command});
    if (!p.waitForFinished(30000))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

class OfficeDatabaseTest : public ::testing::Test {
protected:
    test::TestFolder folder{false};
    QString path = folder.file(QStringLiteral("floor.mdb"));
    std::unique_ptr<Database> db;
    void SetUp() override {
        CreateOfficeDatabase(path);
        db = Database::open(path);
    }
    // Adds an agent and returns the error number of the update (0 when stored).
    int addAgent(const QString& name, const QString& initials) {
        auto rs = db->openTable(QStringLiteral("agents"));
        rs->addNew();
        rs->setField(QStringLiteral("fdName"), name);
        rs->setField(QStringLiteral("fdInitial"), initials);
        return errorNumberOf([&] { rs->update(); });
    }
    int addSite(const QVariant& number) {
        auto rs = db->openTable(QStringLiteral("Sites"));
        rs->addNew();
        rs->setField(QStringLiteral("fdSNum"), number);
        return errorNumberOf([&] { rs->update(); });
    }
};

} // namespace

TEST_F(OfficeDatabaseTest, NewFileHoldsBothTablesWithEveryField) {
    EXPECT_TRUE(db->tableNames().contains(QStringLiteral("Agents")));
    EXPECT_TRUE(db->tableNames().contains(QStringLiteral("Sites")));
    EXPECT_EQ(db->openTable(QStringLiteral("agents"))->fieldNames(), kAgentFields);
    EXPECT_EQ(db->openTable(QStringLiteral("Sites"))->fieldNames(), siteFieldsAsDocumented());
    EXPECT_EQ(db->openTable(QStringLiteral("Agents"))->recordCount(), 0);
}

TEST_F(OfficeDatabaseTest, CreatingOverAnExistingFileFailsAndKeepsIt) {
    ASSERT_EQ(addAgent(QStringLiteral("Ann Lee"), QStringLiteral("AL")), 0);
    EXPECT_NE(errorNumberOf([&] { CreateOfficeDatabase(path); }), 0);
    EXPECT_EQ(db->openTable(QStringLiteral("Agents"))->recordCount(), 1);
}

TEST_F(OfficeDatabaseTest, TheSqliteToolReadsTheFile) {
    ASSERT_TRUE(QFileInfo(kSqliteTool).isExecutable()) << "scripts/setup-deps.sh installs sqlite3";
    const QStringList tables = runSqliteTool(path, QStringLiteral(".tables"))
                                   .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    EXPECT_TRUE(tables.contains(QStringLiteral("Agents")));
    EXPECT_TRUE(tables.contains(QStringLiteral("Sites")));
    auto columnsOf = [&](const QString& table) {
        QStringList names;
        const QString out = runSqliteTool(path, QStringLiteral("PRAGMA table_info(%1);").arg(table));
        for (const QString& line : out.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
            names << line.section(QLatin1Char('|'), 1, 1);
        return names;
    };
    EXPECT_EQ(columnsOf(QStringLiteral("Agents")), kAgentFields);
    EXPECT_EQ(columnsOf(QStringLiteral("Sites")), siteFieldsAsDocumented());
}

TEST_F(OfficeDatabaseTest, NamesAndInitialsAreUniqueWithoutRegardToCase) {
    ASSERT_EQ(addAgent(QStringLiteral("Ann Lee"), QStringLiteral("AL")), 0);
    EXPECT_EQ(addAgent(QStringLiteral("Ann Lee"), QStringLiteral("XX")), err::DuplicateKey);
    EXPECT_EQ(addAgent(QStringLiteral("ann lee"), QStringLiteral("XY")), err::DuplicateKey);
    EXPECT_EQ(addAgent(QStringLiteral("Al Bo"), QStringLiteral("al")), err::DuplicateKey);
    EXPECT_EQ(addAgent(QStringLiteral("Al Bo"), QStringLiteral("AB")), 0);
    EXPECT_EQ(db->openTable(QStringLiteral("Agents"))->recordCount(), 2);
}

TEST_F(OfficeDatabaseTest, SiteNumbersAreUnique) {
    ASSERT_EQ(addSite(3), 0);
    EXPECT_EQ(addSite(3), err::DuplicateKey);
    EXPECT_EQ(addSite(QStringLiteral("3")), err::DuplicateKey); // stored as the number 3
    EXPECT_EQ(addSite(4), 0);
}

TEST_F(OfficeDatabaseTest, TextFieldsAreTrimmedAndNullReadsEmpty) {
    auto rs = db->openTable(QStringLiteral("Agents"));
    rs->addNew();
    rs->setField(QStringLiteral("fdName"), QStringLiteral("  Ann Lee "));
    rs->setField(QStringLiteral("fdOffAll"), QStringLiteral(" "));
    rs->update();
    rs = db->openTable(QStringLiteral("Agents"));
    EXPECT_EQ(textField(*rs, QStringLiteral("fdName")), QStringLiteral("Ann Lee"));
    EXPECT_EQ(textField(*rs, QStringLiteral("fdOffAll")), QString());
    EXPECT_EQ(textField(*rs, QStringLiteral("fdInitial")), QString());
    EXPECT_TRUE(rs->isNull(QStringLiteral("fdInitial")));
}

TEST_F(OfficeDatabaseTest, NumberFieldsTellMissingFromZero) {
    auto rs = db->openTable(QStringLiteral("Agents"));
    const std::pair<QVariant, std::optional<qint64>> cases[] = {
        {QVariant(), std::nullopt}, {QStringLiteral(" "), std::nullopt}, {0, 0}, {12, 12},
        {QStringLiteral("7x"), 7},  {QStringLiteral(" 5 "), 5},
    };
    for (const auto& [stored, expected] : cases) {
        rs->addNew();
        rs->setField(QStringLiteral("fdMaxTimes"), stored);
        rs->update();
        rs->moveLast();
        EXPECT_EQ(numberField(*rs, QStringLiteral("fdMaxTimes")), expected) << stored.toString();
    }
}

TEST(DatabaseAccessMessage, NamesTheFileInUseAndItsOwnerAndWritePermission) {
    const QString path = QStringLiteral("/home/pat/.local/share/Rotaplan/floor.mdb");
    const QStringList lines = DatabaseAccessMessageText(path).split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines,
              (QStringList{QStringLiteral("The database file cannot be accessed.       "),
                           QStringLiteral("The file's properties may be set to 'Read-only'.   "),
                           QStringLiteral("This can happen as a result of using a CD to "),
                           QStringLiteral("copy or transfer the file.  "), QString(),
                           QStringLiteral("To check the file's owner and write permission: "), QString(),
                           QStringLiteral("The file's name and path is ") + path + QStringLiteral(".   "),
                           QStringLiteral("It must belong to your user, who needs write "),
                           QStringLiteral("permission on the file and on its folder. In a "),
                           QStringLiteral("terminal, ls -l shows the owner and permissions; "),
                           QStringLiteral("chmod u+w gives the owner write permission. "), QString(),
                           QStringLiteral("If the file belongs to another user, ask your system "),
                           QStringLiteral("administrator about your permissions to access "),
                           QStringLiteral("this file, or contact us using the help menu."), QString(),
                           QStringLiteral("This program will now exit.")}));
}

TEST(DatabaseAccessMessage, IsShownCriticalAndEndsTheProgram) {
    ScriptedUi ui;
    ui.setBusy(true);
    const QString path = QStringLiteral("/tmp/office/floor.mdb");
    EXPECT_THROW(ShowDatabaseAccessMessage(ui, path), ProgramEnded);
    ASSERT_EQ(ui.messages().size(), 1u);
    test::expectMessage(ui.messages()[0], DatabaseAccessMessageText(path),
                        "See Latest Help for more information", Icon::Critical, Buttons::Ok);
    EXPECT_TRUE(ui.ended());
    EXPECT_FALSE(ui.busy());
    test::expectNoUnexpectedPrompts(ui);
}

TEST(DatabaseAccessMessage, FollowsAReadOnlyOfficeFile) {
    test::TestFolder folder(false);
    const QString path = folder.file(QStringLiteral("floor.mdb"));
    CreateOfficeDatabase(path);
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    ScriptedUi ui;
    try {
        Database::open(path);
        ADD_FAILURE() << "a read-only office file opened";
    } catch (const Error& e) {
        EXPECT_EQ(e.number, err::CannotAccessDatabase);
        EXPECT_THROW(ShowDatabaseAccessMessage(ui, path), ProgramEnded);
    }
    ASSERT_EQ(ui.messages().size(), 1u);
    test::expectMessage(ui.messages()[0], DatabaseAccessMessageText(path), kDatabaseAccessTitle);
    EXPECT_TRUE(ui.ended());
}
