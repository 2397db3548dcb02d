// The schema script the example offices are built from creates the same tables as the program does
// for a new office database, and every built example carries that schema.
#include "TestFolder.h"
#include "model/OfficeDatabase.h"
#include "platform/Database.h"

#include <sqlite3.h>

using namespace rp;

namespace {

const QStringList kExamples{QStringLiteral("OneOffice"),  QStringLiteral("TwoOfficeA"),
                            QStringLiteral("TwoOfficeB"), QStringLiteral("LinkTeam"),
                            QStringLiteral("LinkSub"),    QStringLiteral("LinkSub2")};

QString schemaScriptPath() {
    return QStringLiteral(ROTAPLAN_SOURCE_RESOURCES "/Examples/schema.sql");
}

// The rows of a query, each row's columns joined by "|".
QStringList query(Database& db, const QString& sql) {
    sqlite3_stmt* stmt = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(db.handle(), utf8.constData(), int(utf8.size()), &stmt, nullptr) != SQLITE_OK) {
        ADD_FAILURE() << sql << ": " << sqlite3_errmsg(db.handle());
        return {};
    }
    QStringList rows;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        QStringList cols;
        for (int c = 0; c < sqlite3_column_count(stmt); ++c) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
            cols << (text ? QString::fromUtf8(text) : QStringLiteral("NULL"));
        }
        rows << cols.join(QLatin1Char('|'));
    }
    sqlite3_finalize(stmt);
    return rows;
}

// Everything about a table that the program relies on: its columns (name, declared type, not-null,
// default, key) and its unique indexes with their columns and collations.
QStringList describeTable(Database& db, const QString& table) {
    QStringList lines{QStringLiteral("table ") + table};
    for (const QString& column : query(db, QStringLiteral("PRAGMA table_info(\"%1\")").arg(table)))
        lines << QStringLiteral("  column ") + column;
    QStringList indexes;
    for (const QString& index : query(db, QStringLiteral("PRAGMA index_list(\"%1\")").arg(table))) {
        // seq|name|unique|origin|partial
        const QStringList parts = index.split(QLatin1Char('|'));
        QString text = QStringLiteral("  index unique=%1 origin=%2 partial=%3 on")
                           .arg(parts.value(2), parts.value(3), parts.value(4));
        // seqno|cid|name|desc|coll|key: key columns only
        for (const QString& column :
             query(db, QStringLiteral("PRAGMA index_xinfo(\"%1\")").arg(parts.value(1)))) {
            const QStringList c = column.split(QLatin1Char('|'));
            if (c.value(5) == QLatin1String("1"))
                text += QStringLiteral(" %1 %2 desc=%3").arg(c.value(2), c.value(4), c.value(3));
        }
        indexes << text;
    }
    indexes.sort();
    return lines + indexes;
}

// Reports each line in which two descriptions differ.
void expectSameDescription(const QStringList& actual, const QStringList& expected) {
    for (qsizetype i = 0; i < std::max(actual.size(), expected.size()); ++i) {
        EXPECT_EQ(actual.value(i), expected.value(i)) << "line " << i + 1;
    }
}

QStringList describe(Database& db) {
    QStringList lines;
    for (const QString& table : db.tableNames())
        lines += describeTable(db, table);
    return lines;
}

// The column names of one table as the description lists them.
QStringList columnNames(Database& db, const QString& table) {
    QStringList names;
    for (const QString& column : query(db, QStringLiteral("PRAGMA table_info(\"%1\")").arg(table)))
        names << column.section(QLatin1Char('|'), 1, 1);
    return names;
}

class SchemaScript : public ::testing::Test {
protected:
    test::TestFolder folder{false};
    std::unique_ptr<Database> program;
    std::unique_ptr<Database> script;

    void SetUp() override {
        const QString sql = QString::fromUtf8(test::readFile(schemaScriptPath()));
        ASSERT_FALSE(sql.isEmpty()) << schemaScriptPath();
        CreateOfficeDatabase(folder.file(QStringLiteral("program.mdb")));
        Database::create(folder.file(QStringLiteral("script.mdb")), sql);
        program = Database::open(folder.file(QStringLiteral("program.mdb")));
        script = Database::open(folder.file(QStringLiteral("script.mdb")));
    }
};

} // namespace

TEST_F(SchemaScript, CreatesTheSameTablesColumnsAndKeysAsTheProgram) {
    const QStringList expected = describe(*program);
    ASSERT_GT(expected.size(), office::agentFields().size() + office::siteFields().size());
    expectSameDescription(describe(*script), expected);
}

TEST_F(SchemaScript, HoldsExactlyTheOfficeTablesWithTheirFieldsInOrder) {
    EXPECT_EQ(script->tableNames(), (QStringList{office::kAgents, office::kSites}));
    EXPECT_EQ(columnNames(*script, office::kAgents), office::agentFields());
    EXPECT_EQ(columnNames(*script, office::kSites), office::siteFields());
}

TEST_F(SchemaScript, UniqueKeysIgnoreLetterCaseOfNamesAndInitials) {
    // Three unique keys: fdName and fdInitial without regard to letter case, fdSNum.
    const QStringList agents = describeTable(*script, office::kAgents);
    EXPECT_TRUE(
        agents.contains(QStringLiteral("  index unique=1 origin=u partial=0 on fdName NOCASE desc=0")))
        << agents.join(QLatin1Char('\n'));
    EXPECT_TRUE(
        agents.contains(QStringLiteral("  index unique=1 origin=u partial=0 on fdInitial NOCASE desc=0")))
        << agents.join(QLatin1Char('\n'));
    const QStringList sites = describeTable(*script, office::kSites);
    EXPECT_TRUE(sites.contains(QStringLiteral("  index unique=1 origin=u partial=0 on fdSNum BINARY desc=0")))
        << sites.join(QLatin1Char('\n'));
    script->execute(QStringLiteral("INSERT INTO Agents (fdName, fdInitial) VALUES ('Ann Lee', 'AL')"));
    try {
        script->execute(QStringLiteral("INSERT INTO Agents (fdName, fdInitial) VALUES ('Al Baker', 'al')"));
        ADD_FAILURE() << "initials differing only in letter case were accepted";
    } catch (const Error& e) {
        EXPECT_EQ(e.number, err::DuplicateKey);
    }
}

TEST_F(SchemaScript, EveryBuiltExampleHasTheProgramsSchema) {
    const QStringList expected = describe(*program);
    for (const QString& name : kExamples) {
        SCOPED_TRACE(test::exampleOffice(name));
        auto db = Database::open(test::exampleOffice(name));
        expectSameDescription(describe(*db), expected);
    }
}
