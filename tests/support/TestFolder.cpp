#include "TestFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace rp::test {

QString buildResources() {
    return QStringLiteral(ROTAPLAN_BUILD_RESOURCES);
}

TestFolder::TestFolder(bool withInstalledSettings) {
    QDir root(dir_.path());
    root.mkpath(QStringLiteral("settings"));
    root.mkpath(QStringLiteral("Times"));
    if (withInstalledSettings) {
        const QDir src(buildResources() + QStringLiteral("/settings"));
        for (const QString& name : src.entryList(QDir::Files))
            QFile::copy(src.filePath(name), root.filePath(QStringLiteral("settings/") + name));
    }
}

void TestFolder::write(const QString& relative, const QByteArray& bytes) const {
    const QString p = file(relative);
    QDir().mkpath(QFileInfo(p).absolutePath());
    QFile f(p);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << p.toStdString();
    f.write(bytes);
}

QByteArray TestFolder::read(const QString& relative) const {
    QFile f(file(relative));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

bool TestFolder::exists(const QString& relative) const {
    return QFileInfo::exists(file(relative));
}

QStringList TestFolder::files() const {
    return QDir(dir_.path()).entryList(QDir::Files, QDir::Name);
}

void expectNoUnexpectedPrompts(const ScriptedUi& ui) {
    EXPECT_TRUE(ui.unexpected().isEmpty()) << ui.unexpected().join(QStringLiteral("\n")).toStdString();
}

} // namespace rp::test
