#include "help/HelpFiles.h"

#include "TestFolder.h"
#include "platform/Files.h"
#include "workspace/ProgramFolder.h"

#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <QSet>

namespace rp::test {
namespace {

const QString kSourceHelp = QStringLiteral(ROTAPLAN_SOURCE_RESOURCES "/help");

// Every help text the program's windows name: the bare file names ending in ".txt" in the code of the
// sources (the other text files are named with their folder), and the texts of windows still being built.
QSet<QString> helpTextsNamedInTheSources() {
    QSet<QString> names{QStringLiteral("Examphlp.txt")};
    const QRegularExpression bareName(QStringLiteral("\"([A-Za-z0-9_]+\\.txt)\""));
    QDirIterator it(QStringLiteral(ROTAPLAN_SOURCE_RESOURCES "/../src"),
                    {QStringLiteral("*.cpp"), QStringLiteral("*.h")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        for (const QString& line : QString::fromUtf8(readFile(it.next())).split(QLatin1Char('\n'))) {
            if (line.trimmed().startsWith(QLatin1String("//")))
                continue;
            for (const auto& m : bareName.globalMatch(line))
                names << m.captured(1);
        }
    }
    return names;
}

TEST(HelpFiles, EveryTextNamedInTheSourcesIsBundledLinkedAndInstalled) {
    const QSet<QString> named = helpTextsNamedInTheSources();
    ASSERT_TRUE(named.contains(QStringLiteral("agthlp.txt")) &&
                named.contains(QStringLiteral("NEWUSER.txt")));
    const QStringList bundledList = QDir(kSourceHelp).entryList({QStringLiteral("*.txt")}, QDir::Files);
    const QSet<QString> bundled(bundledList.begin(), bundledList.end());
    // Exact case: the program folder lies on a file system that tells Kalhlp.txt from kalhlp.txt.
    QSet<QString> missing = named;
    EXPECT_TRUE(missing.subtract(bundled).isEmpty()) << missing.values().join(QLatin1Char(' '));

    const QString index = QString::fromUtf8(readFile(kSourceHelp + QStringLiteral("/index.html")));
    QSet<QString> linked;
    for (const auto& m : QRegularExpression(QStringLiteral("href=\"([^\"#]+)\"")).globalMatch(index))
        linked << m.captured(1);
    for (const QString& name : bundled)
        EXPECT_TRUE(linked.contains(name)) << name;

    // The build lays the texts out with the resources, and a new program folder receives them.
    TestFolder folder(false);
    ASSERT_TRUE(PrepareAppFolder(folder.path(), buildResources(), false));
    for (const QString& name : bundled + QSet<QString>{QStringLiteral("index.html")})
        EXPECT_EQ(folder.read(QStringLiteral("help/") + name),
                  readFile(kSourceHelp + QLatin1Char('/') + name))
            << name;
}

TEST(HelpFiles, EitherLineEndGivesTheSameLines) {
    TestFolder folder(false);
    for (const QByteArray& text :
         {QByteArray("HELP\r\n\r\n  A, B   morning\r\n"), QByteArray("HELP\n\n  A, B   morning\n"),
          QByteArray("HELP\n\n  A, B   morning")}) {
        folder.write(QStringLiteral("help/x.txt"), text);
        EXPECT_EQ(ReadHelpLines(folder.file(QStringLiteral("help/x.txt"))),
                  (QStringList{"HELP", "", "  A, B   morning"}))
            << text;
    }
}

TEST(HelpFiles, AddressesLeadToHelpPagesOrTheDesktopOrNowhere) {
    TestFolder folder(false);
    folder.write(QStringLiteral("help/agthlp.txt"), "AGENTS\r\n");
    folder.write(QStringLiteral("settings/x.dat"), "x");
    const QString help = folder.file(QStringLiteral("help"));
    const struct {
        const char* typed;
        HelpLink::Kind kind;
    } cases[] = {
        {"agthlp.txt", HelpLink::Page},
        {"https://www.rotaplan.example/", HelpLink::External},
        {"www.rotaplan.example", HelpLink::External},
        {"none.txt", HelpLink::Refused},
        {"../settings/x.dat", HelpLink::Refused},
        {"/etc/hostname", HelpLink::Refused},
        {"file:///etc/hostname", HelpLink::Refused},
        {".", HelpLink::Refused},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ResolveHelpAddress(QLatin1String(c.typed), help).kind, c.kind) << c.typed;
}

} // namespace
} // namespace rp::test
