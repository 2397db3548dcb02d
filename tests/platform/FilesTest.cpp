// File helpers: wildcard deletes of generated files and atomic writes.
#include "platform/Files.h"

#include "ErrorNumber.h"
#include "TestFolder.h"

#include <QDir>
#include <QFile>

using namespace rp;
using rp::test::errorNumberOf;

TEST(WildcardDelete, RemovesOnlyRegularFilesOfThePatternsLengthIgnoringCase) {
    test::TestFolder folder(false);
    for (const char* name : {"0308.1", "0308.2", "ABCD.e", "0308.1D", "0308.1d", "0308.10", "308.1",
                             "12345.1", "0308_1", "floor.mdb", "@LINKA", "@linkb", "@LINKAB", "target.txt"})
        folder.write(QString::fromLatin1(name), "x");
    QDir(folder.path()).mkdir(QStringLiteral("0308.3"));
    ASSERT_TRUE(
        QFile::link(folder.file(QStringLiteral("target.txt")), folder.file(QStringLiteral("0308.4"))));

    EXPECT_EQ(deleteMatchingFiles(folder.path(), QStringLiteral("????.?")), 3);
    EXPECT_EQ(deleteMatchingFiles(folder.path(), QStringLiteral("????.?D")), 2);
    EXPECT_EQ(deleteMatchingFiles(folder.path(), QStringLiteral("@link?")), 2);

    EXPECT_EQ(folder.files(),
              (QStringList{QStringLiteral("0308.10"), QStringLiteral("0308.4"), QStringLiteral("0308_1"),
                           QStringLiteral("12345.1"), QStringLiteral("308.1"), QStringLiteral("@LINKAB"),
                           QStringLiteral("floor.mdb"), QStringLiteral("target.txt")}));
    EXPECT_TRUE(QDir(folder.file(QStringLiteral("0308.3"))).exists());
}

TEST(WildcardDelete, MissingFolderDeletesNothing) {
    EXPECT_EQ(deleteMatchingFiles(QStringLiteral("/nonexistent/rotaplan"), QStringLiteral("????.?")), 0);
}

TEST(WildcardMatch, QuestionMarkStandsForExactlyOneCharacter) {
    EXPECT_TRUE(matchesWildcard(QStringLiteral("0308.1d"), QStringLiteral("????.?D")));
    EXPECT_FALSE(matchesWildcard(QStringLiteral("0308.1"), QStringLiteral("????.?D")));
    EXPECT_FALSE(matchesWildcard(QStringLiteral("0308x1"), QStringLiteral("????.?")));
    EXPECT_FALSE(matchesWildcard(QString(), QStringLiteral("?")));
}

TEST(AtomicWrite, ReplacesContentAndLeavesNoTemporaryFiles) {
    test::TestFolder folder(false);
    const QString path = folder.file(QStringLiteral("AutoTune.dat"));
    folder.write(QStringLiteral("AutoTune.dat"), "old contents that are longer");
    writeTextFileAtomic(path, crlfLines({QStringLiteral("1"), QStringLiteral("two")}));
    EXPECT_EQ(folder.read(QStringLiteral("AutoTune.dat")), QByteArray("1\r\ntwo\r\n"));
    writeBinaryFileAtomic(path, QByteArray("\x01\x00", 2));
    EXPECT_EQ(folder.read(QStringLiteral("AutoTune.dat")), QByteArray("\x01\x00", 2));
    writeTransientTextFileAtomic(path, QStringLiteral("x"));
    EXPECT_EQ(folder.read(QStringLiteral("AutoTune.dat")), QByteArray("x"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("AutoTune.dat")});
}

TEST(AtomicWrite, ReadOnlyFileFailsWith70AndKeepsItsContent) {
    test::TestFolder folder(false);
    const QString path = folder.file(QStringLiteral("month.dat"));
    folder.write(QStringLiteral("month.dat"), "keep");
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    EXPECT_TRUE(isMarkedReadOnly(path));
    EXPECT_EQ(errorNumberOf([&] { writeBinaryFileAtomic(path, "new"); }), err::PermissionDenied);
    EXPECT_EQ(errorNumberOf([&] { writeTextFileAtomic(path, QStringLiteral("new")); }),
              err::PermissionDenied);
    EXPECT_EQ(errorNumberOf([&] { writeTransientTextFileAtomic(path, QStringLiteral("new")); }),
              err::PermissionDenied);
    EXPECT_EQ(folder.read(QStringLiteral("month.dat")), QByteArray("keep"));
}

TEST(AtomicWrite, MissingFolderFailsWith76) {
    test::TestFolder folder(false);
    EXPECT_EQ(errorNumberOf([&] { writeTextFileAtomic(folder.file(QStringLiteral("no/x.txt")), QString()); }),
              err::PathNotFound);
}

TEST(FileRead, MissingFileGivesNothingAndEmptyFileGivesEmptyContent) {
    test::TestFolder folder(false);
    EXPECT_FALSE(readBinaryFile(folder.file(QStringLiteral("none"))).has_value());
    folder.write(QStringLiteral("empty"), QByteArray());
    ASSERT_TRUE(readTextFile(folder.file(QStringLiteral("empty"))).has_value());
    EXPECT_TRUE(readTextFile(folder.file(QStringLiteral("empty")))->isEmpty());
}

TEST(FixedLatin1, CutsOrPadsWithBlanks) {
    EXPECT_EQ(fixedLatin1(QStringLiteral("Arial"), 8), QByteArray("Arial   "));
    EXPECT_EQ(fixedLatin1(QStringLiteral("Times New Roman"), 5), QByteArray("Times"));
    EXPECT_EQ(fixedLatin1(QStringLiteral("Caf\u00e9"), 5), QByteArray("Caf\xe9 "));
    EXPECT_EQ(fixedLatin1(QString(), 3), QByteArray("   "));
}
