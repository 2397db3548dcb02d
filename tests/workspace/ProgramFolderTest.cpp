#include "workspace/ProgramFolder.h"

#include "TestFolder.h"
#include "model/OfficeDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace rp::test {
namespace {

// A resources folder as the build tree lays it out, build system files included.
class PrepareAppFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        resources.write(QStringLiteral("settings/month.dat"), "set");
        resources.write(QStringLiteral("help/Mainhlp.txt"), "help");
        resources.write(QStringLiteral("Examples/OneOffice.mdb"), "office");
        resources.write(QStringLiteral("Examples/OneOffice.sql"), "script");
        resources.write(QStringLiteral("cmake_install.cmake"), "build");
        resources.write(QStringLiteral("CMakeFiles/rules.make"), "build");
    }
    QString app() const { return target.path() + QStringLiteral("/Rotaplan"); }
    QByteArray read(const QString& relative) const { return readFile(app() + QLatin1Char('/') + relative); }

    TestFolder resources{false};
    TestFolder target{false};
};

TEST_F(PrepareAppFolderTest, FillsOnlyTheProgramFoldersAndCopiesTheStarterOffice) {
    ASSERT_TRUE(PrepareAppFolder(app(), resources.path(), true));
    for (const char* sub : {"settings", "help", "Examples", "Times", "Personal", "Saved", "Backup"})
        EXPECT_TRUE(QFileInfo(app() + QLatin1Char('/') + QLatin1String(sub)).isDir()) << sub;
    EXPECT_EQ(read(QStringLiteral("settings/month.dat")), "set");
    EXPECT_EQ(read(QStringLiteral("help/Mainhlp.txt")), "help");
    EXPECT_EQ(read(QStringLiteral("floor.mdb")), "office");
    EXPECT_FALSE(QFileInfo::exists(app() + QStringLiteral("/Examples/OneOffice.sql")));
    EXPECT_FALSE(QFileInfo::exists(app() + QStringLiteral("/cmake_install.cmake")));
    EXPECT_FALSE(QFileInfo::exists(app() + QStringLiteral("/CMakeFiles")));
}

TEST_F(PrepareAppFolderTest, KeepsWhatTheUserAlreadyHas) {
    ASSERT_TRUE(PrepareAppFolder(app(), resources.path(), true));
    QFile office(app() + QStringLiteral("/floor.mdb"));
    ASSERT_TRUE(office.open(QIODevice::WriteOnly));
    office.write("my office");
    office.close();
    QFile settings(app() + QStringLiteral("/settings/month.dat"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write("mine");
    settings.close();

    ASSERT_TRUE(PrepareAppFolder(app(), resources.path(), true));
    EXPECT_EQ(read(QStringLiteral("floor.mdb")), "my office");
    EXPECT_EQ(read(QStringLiteral("settings/month.dat")), "mine");

    // The program's own help texts follow the installed program.
    resources.write(QStringLiteral("help/Mainhlp.txt"), "newer help");
    ASSERT_TRUE(PrepareAppFolder(app(), resources.path(), true));
    EXPECT_EQ(read(QStringLiteral("help/Mainhlp.txt")), "newer help");
}

TEST_F(PrepareAppFolderTest, CopiedFilesAreWritableByTheOwner) {
    QFile::setPermissions(resources.file(QStringLiteral("Examples/OneOffice.mdb")), QFile::ReadOwner);
    ASSERT_TRUE(PrepareAppFolder(app(), resources.path(), true));
    EXPECT_TRUE(QFile::permissions(app() + QStringLiteral("/floor.mdb")) & QFile::WriteOwner);
}

TEST_F(PrepareAppFolderTest, AnExistingFolderWithoutItsOfficeIsReportedNotReseeded) {
    ASSERT_TRUE(PrepareAppFolder(app(), resources.path(), true));
    ASSERT_TRUE(QFile::remove(app() + QStringLiteral("/floor.mdb")));
    ScriptedUi ui;
    EXPECT_THROW(PrepareAppFolderAtStart(ui, app(), resources.path(), false), ProgramEnded);
    EXPECT_FALSE(QFileInfo::exists(app() + QStringLiteral("/floor.mdb")));
    EXPECT_TRUE(ui.ended());
    ASSERT_EQ(ui.messages().size(), 1u);
    expectMessage(ui.messages()[0], DatabaseAccessMessageText(app() + "/floor.mdb"), kDatabaseAccessTitle);

    // A folder made by this start is given the starter office.
    ScriptedUi fresh;
    const QString other = target.path() + QStringLiteral("/Fresh");
    PrepareAppFolderAtStart(fresh, other, resources.path(), true);
    EXPECT_TRUE(fresh.messages().empty());
    EXPECT_TRUE(QFileInfo::exists(other + QStringLiteral("/floor.mdb")));
}

// The resources are found from the executable's own folder: share/rotaplan beside bin/ when installed,
// resources/ at the top of a build tree, and nowhere else.
class LocateResourcesTest : public ::testing::Test {
protected:
    void makeResources(const QString& relative) const {
        tree.write(relative + QStringLiteral("/settings/DefaultSettings.dat"), "defaults");
    }
    QString at(const QString& relative) const { return QDir(tree.file(relative)).canonicalPath(); }

    TestFolder tree{false};
};

TEST_F(LocateResourcesTest, AnInstalledProgramUsesShareBesideItsBinFolder) {
    tree.write(QStringLiteral("usr/bin/rotaplan"), "program");
    makeResources(QStringLiteral("usr/share/rotaplan"));
    EXPECT_EQ(LocateResources(tree.file(QStringLiteral("usr/bin"))),
              at(QStringLiteral("usr/share/rotaplan")));
    // The relative path is resolved, so the folder is the same however the program was started.
    EXPECT_EQ(LocateResources(tree.file(QStringLiteral("usr/bin/../bin"))),
              at(QStringLiteral("usr/share/rotaplan")));
}

TEST_F(LocateResourcesTest, InstalledResourcesComeBeforeAnyOtherFolderBesideTheProgram) {
    makeResources(QStringLiteral("opt/share/rotaplan"));
    makeResources(QStringLiteral("opt/bin/resources"));
    makeResources(QStringLiteral("opt/resources"));
    EXPECT_EQ(LocateResources(tree.file(QStringLiteral("opt/bin"))),
              at(QStringLiteral("opt/share/rotaplan")));
}

TEST_F(LocateResourcesTest, AProgramOfTheBuildTreeUsesTheTreesResources) {
    makeResources(QStringLiteral("build/resources"));
    tree.write(QStringLiteral("build/src/app/rotaplan"), "program");
    tree.write(QStringLiteral("build/src/cli/rotaplan-cli"), "program");
    EXPECT_EQ(LocateResources(tree.file(QStringLiteral("build/src/app"))),
              at(QStringLiteral("build/resources")));
    EXPECT_EQ(LocateResources(tree.file(QStringLiteral("build/src/cli"))),
              at(QStringLiteral("build/resources")));
}

TEST_F(LocateResourcesTest, AFolderWithoutTheDefaultSettingsIsNotTaken) {
    tree.write(QStringLiteral("usr/share/rotaplan/help/Mainhlp.txt"), "help");
    tree.write(QStringLiteral("usr/bin/rotaplan"), "program");
    EXPECT_EQ(LocateResources(tree.file(QStringLiteral("usr/bin"))), QString());
}

TEST_F(LocateResourcesTest, AProgramAwayFromAnyResourcesFindsNone) {
    // No path of the build machine is tried: this test's own build tree is not found from elsewhere.
    tree.write(QStringLiteral("elsewhere/bin/rotaplan"), "program");
    EXPECT_EQ(LocateResources(tree.file(QStringLiteral("elsewhere/bin"))), QString());
}

} // namespace
} // namespace rp::test
