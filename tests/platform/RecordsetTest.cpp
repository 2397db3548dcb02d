// The record cursor: moving, reading and writing fields, unique keys and finding records.
#include "ErrorNumber.h"
#include "TestFolder.h"
#include "platform/Database.h"

using namespace rp;
using rp::test::errorNumberOf;

namespace {

const QString kName = QStringLiteral("fdName");
const QString kInitial = QStringLiteral("fdInitial");
const QString kMax = QStringLiteral("fdMaxTimes");

class RecordsetTest : public ::testing::Test {
protected:
    test::TestFolder folder{false};
    QString path = folder.file(QStringLiteral("floor.mdb"));
    std::unique_ptr<Database> db;

    void SetUp() override {
        Database::create(path, QStringLiteral("CREATE TABLE Agents (fdName TEXT COLLATE NOCASE UNIQUE, "
                                              "fdInitial TEXT COLLATE NOCASE UNIQUE, fdMaxTimes INTEGER);"));
        db = Database::open(path);
    }
    std::unique_ptr<Recordset> agents() { return db->openTable(QStringLiteral("Agents")); }
    void add(const QStringList& names) {
        auto rs = agents();
        for (const QString& n : names) {
            rs->addNew();
            rs->setField(kName, n);
            rs->update();
        }
    }
    // The names in stored order, read from a freshly opened cursor on a fresh connection.
    QStringList storedNames() {
        auto fresh = Database::open(path);
        auto rs = fresh->openTable(QStringLiteral("agents"));
        QStringList names;
        for (; !rs->eof(); rs->moveNext())
            names << rs->field(kName).toString();
        return names;
    }
};

} // namespace

TEST_F(RecordsetTest, EmptyTableIsAtBothEndsAndHasNoCurrentRecord) {
    auto rs = agents();
    EXPECT_EQ(rs->recordCount(), 0);
    EXPECT_TRUE(rs->eof());
    EXPECT_TRUE(rs->bof());
    EXPECT_EQ(errorNumberOf([&] { rs->field(kName); }), err::NoCurrentRecord);
    EXPECT_EQ(errorNumberOf([&] { rs->moveFirst(); }), err::NoCurrentRecord);
    EXPECT_EQ(errorNumberOf([&] { rs->edit(); }), err::NoCurrentRecord);
    EXPECT_EQ(errorNumberOf([&] { rs->deleteCurrent(); }), err::NoCurrentRecord);
}

TEST_F(RecordsetTest, MovesStopAtTheEndsWith3021) {
    add({QStringLiteral("Ann"), QStringLiteral("Bob"), QStringLiteral("Cy")});
    auto rs = agents();
    EXPECT_EQ(rs->recordCount(), 3);
    EXPECT_FALSE(rs->bof());
    EXPECT_EQ(rs->field(kName).toString(), QStringLiteral("Ann"));
    rs->moveLast();
    EXPECT_EQ(rs->field(kName).toString(), QStringLiteral("Cy"));
    rs->moveNext();
    EXPECT_TRUE(rs->eof());
    EXPECT_EQ(errorNumberOf([&] { rs->field(kName); }), err::NoCurrentRecord);
    EXPECT_EQ(errorNumberOf([&] { rs->moveNext(); }), err::NoCurrentRecord);
    rs->movePrevious();
    EXPECT_EQ(rs->field(kName).toString(), QStringLiteral("Cy"));
    rs->moveFirst();
    rs->movePrevious();
    EXPECT_TRUE(rs->bof());
    EXPECT_FALSE(rs->eof());
    EXPECT_EQ(errorNumberOf([&] { rs->field(kName); }), err::NoCurrentRecord);
    EXPECT_EQ(errorNumberOf([&] { rs->movePrevious(); }), err::NoCurrentRecord);
}

TEST_F(RecordsetTest, FieldsAreFoundWithoutRegardToCaseAndUnknownOnesFail) {
    add({QStringLiteral("Ann")});
    auto rs = agents();
    EXPECT_EQ(rs->field(QStringLiteral("FDNAME")).toString(), QStringLiteral("Ann"));
    EXPECT_EQ(rs->field(QStringLiteral("fdname")).toString(), QStringLiteral("Ann"));
    EXPECT_EQ(errorNumberOf([&] { rs->field(QStringLiteral("fdNam")); }), err::ItemNotFound);
}

TEST_F(RecordsetTest, UnsetFieldsAreNullAndNullCanBeWrittenBack) {
    add({QStringLiteral("Ann")});
    auto rs = agents();
    EXPECT_TRUE(rs->isNull(kInitial));
    EXPECT_TRUE(rs->isNull(kMax));
    rs->edit();
    rs->setField(kMax, 4);
    rs->update();
    EXPECT_EQ(agents()->field(kMax).toLongLong(), 4);
    rs->edit();
    rs->setField(kMax, QVariant());
    rs->update();
    EXPECT_TRUE(agents()->isNull(kMax));
    EXPECT_EQ(agents()->field(kName).toString(), QStringLiteral("Ann"));
}

TEST_F(RecordsetTest, EditShowsPendingValuesAndCancelDropsThem) {
    add({QStringLiteral("Ann")});
    auto rs = agents();
    EXPECT_EQ(errorNumberOf([&] { rs->setField(kName, QStringLiteral("X")); }), err::UpdateWithoutEdit);
    EXPECT_EQ(errorNumberOf([&] { rs->update(); }), err::UpdateWithoutEdit);
    rs->edit();
    rs->setField(kName, QStringLiteral("Anne"));
    EXPECT_EQ(rs->field(kName).toString(), QStringLiteral("Anne"));
    rs->cancelUpdate();
    EXPECT_EQ(rs->field(kName).toString(), QStringLiteral("Ann"));
    EXPECT_EQ(storedNames(), QStringList{QStringLiteral("Ann")});
}

TEST_F(RecordsetTest, StoredOrderIsInsertionOrderAfterDeletesAndAdds) {
    add({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")});
    auto rs = agents();
    rs->moveNext(); // b
    rs->deleteCurrent();
    rs->moveLast(); // d, the record with the highest position
    rs->deleteCurrent();
    add({QStringLiteral("e"), QStringLiteral("f")});
    EXPECT_EQ(storedNames(), (QStringList{QStringLiteral("a"), QStringLiteral("c"), QStringLiteral("e"),
                                          QStringLiteral("f")}));
}

TEST_F(RecordsetTest, AfterADeleteTheNextMoveReachesTheFollowingRecordOrTheEnd) {
    add({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
    auto rs = agents();
    rs->moveNext();
    rs->deleteCurrent();
    EXPECT_EQ(errorNumberOf([&] { rs->field(kName); }), err::RecordDeleted);
    rs->moveNext();
    EXPECT_EQ(rs->field(kName).toString(), QStringLiteral("c"));
    rs->deleteCurrent(); // the last record
    rs->moveNext();
    EXPECT_TRUE(rs->eof());
    rs->moveLast();
    EXPECT_EQ(rs->field(kName).toString(), QStringLiteral("a"));
    EXPECT_EQ(rs->recordCount(), 1);
}

TEST_F(RecordsetTest, DuplicateKeysFailWith3022WithoutRegardToCase) {
    add({QStringLiteral("Ann Lee")});
    auto rs = agents();
    rs->edit();
    rs->setField(kInitial, QStringLiteral("AL"));
    rs->update();

    rs->addNew();
    rs->setField(kName, QStringLiteral("ANN LEE"));
    EXPECT_EQ(errorNumberOf([&] { rs->update(); }), err::DuplicateKey);
    rs->cancelUpdate();
    rs->addNew();
    rs->setField(kName, QStringLiteral("Bob"));
    rs->setField(kInitial, QStringLiteral("al"));
    EXPECT_EQ(errorNumberOf([&] { rs->update(); }), err::DuplicateKey);
    rs->cancelUpdate();
    EXPECT_EQ(rs->recordCount(), 1);

    add({QStringLiteral("Bob")});
    rs = agents();
    rs->moveLast();
    rs->edit();
    rs->setField(kName, QStringLiteral("ann lee"));
    EXPECT_EQ(errorNumberOf([&] { rs->update(); }), err::DuplicateKey);
    EXPECT_EQ(storedNames(), (QStringList{QStringLiteral("Ann Lee"), QStringLiteral("Bob")}));
}

// ---------------------------------------------------------------------------------------------------------

class FindTest : public RecordsetTest {
protected:
    void SetUp() override {
        RecordsetTest::SetUp();
        add({QStringLiteral("Pat O'Neil"), QStringLiteral("Ann \"Red\" Lee"), QStringLiteral("100% Sales"),
             QStringLiteral("A_B"), QStringLiteral("Star*Team"), QStringLiteral("Who? Me"),
             QStringLiteral("Annabel")});
        rs = agents();
        rs->moveLast();
        rs->addNew();
        rs->update(); // a record whose name is Null
    }
    std::unique_ptr<Recordset> rs;
    QString found() const { return rs->field(kName).toString(); }
    QStringList allContaining(const QString& text) {
        QStringList out;
        const auto c = Criterion::contains(kName, text);
        for (bool ok = rs->findFirst(c); ok; ok = rs->findNext(c))
            out << found();
        return out;
    }
};

TEST_F(FindTest, ContainsIgnoresCaseAndFindNextWalksOn) {
    EXPECT_EQ(allContaining(QStringLiteral("ann")),
              (QStringList{QStringLiteral("Ann \"Red\" Lee"), QStringLiteral("Annabel")}));
    EXPECT_TRUE(rs->noMatch());
    EXPECT_EQ(found(), QStringLiteral("Annabel")); // a failed find leaves the cursor where it was
}

TEST_F(FindTest, SpecialCharactersAreTakenLiterally) {
    EXPECT_EQ(allContaining(QStringLiteral("O'Ne")), QStringList{QStringLiteral("Pat O'Neil")});
    EXPECT_EQ(allContaining(QStringLiteral("\"red\"")), QStringList{QStringLiteral("Ann \"Red\" Lee")});
    EXPECT_EQ(allContaining(QStringLiteral("%")), QStringList{QStringLiteral("100% Sales")});
    EXPECT_EQ(allContaining(QStringLiteral("_")), QStringList{QStringLiteral("A_B")});
    EXPECT_EQ(allContaining(QStringLiteral("*")), QStringList{QStringLiteral("Star*Team")});
    EXPECT_EQ(allContaining(QStringLiteral("?")), QStringList{QStringLiteral("Who? Me")});
    EXPECT_TRUE(allContaining(QStringLiteral("A?B")).isEmpty());
    EXPECT_TRUE(allContaining(QStringLiteral("S%s")).isEmpty());
}

TEST_F(FindTest, EqualsMatchesTheWholeTextIgnoringCase) {
    EXPECT_TRUE(rs->findFirst(Criterion::equals(kName, QStringLiteral("pat o'neil"))));
    EXPECT_EQ(found(), QStringLiteral("Pat O'Neil"));
    EXPECT_FALSE(rs->findFirst(Criterion::equals(kName, QStringLiteral("Ann"))));
    EXPECT_FALSE(rs->findFirst(Criterion::equals(kName, QStringLiteral("A%B"))));
    EXPECT_TRUE(rs->noMatch());
    EXPECT_EQ(found(), QStringLiteral("Pat O'Neil"));
}

TEST_F(FindTest, FindNextAfterDeletingAMatchFindsTheFollowingOne) {
    const auto c = Criterion::contains(kName, QStringLiteral("an"));
    ASSERT_TRUE(rs->findFirst(c));
    EXPECT_EQ(found(), QStringLiteral("Ann \"Red\" Lee"));
    rs->deleteCurrent();
    ASSERT_TRUE(rs->findNext(c));
    EXPECT_EQ(found(), QStringLiteral("Annabel"));
}
