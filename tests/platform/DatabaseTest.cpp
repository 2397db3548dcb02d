#include "platform/Database.h"

#include "../support/TestFolder.h"

using namespace rp;

TEST(DatabaseSmoke, CreateAndReadBack) {
    test::TestFolder folder;
    const QString path = folder.file(QStringLiteral("t.db"));
    Database::create(path, QStringLiteral("CREATE TABLE Things (fdName TEXT UNIQUE);"));
    auto db = Database::open(path);
    auto rs = db->openTable(QStringLiteral("things"));
    rs->addNew();
    rs->setField(QStringLiteral("FDNAME"), QStringLiteral("a"));
    rs->update();
    EXPECT_EQ(rs->recordCount(), 1);
}
