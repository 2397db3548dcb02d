#include "TestFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace rp::test {

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path;
    f.write(bytes);
}

QString pdfToTextTool() {
    return QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
}

std::optional<QString> pdfText(const QString& pdf) {
    const QString tool = pdfToTextTool();
    if (tool.isEmpty())
        return std::nullopt;
    QProcess p;
    p.start(tool, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(20000))
        return std::nullopt;
    // Compatibility normalisation splits ligatures into their letters.
    return QString::fromUtf8(p.readAllStandardOutput()).normalized(QString::NormalizationForm_KC);
}

QString buildResources() {
    return QStringLiteral(ROTAPLAN_BUILD_RESOURCES);
}

QString exampleOffice(const QString& name) {
    return buildResources() + QStringLiteral("/Examples/") + name + QStringLiteral(".mdb");
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
    QDir().mkpath(QFileInfo(file(relative)).absolutePath());
    writeFile(file(relative), bytes);
}

QByteArray TestFolder::read(const QString& relative) const {
    return readFile(file(relative));
}

bool TestFolder::exists(const QString& relative) const {
    return QFileInfo::exists(file(relative));
}

QStringList TestFolder::files() const {
    return QDir(dir_.path()).entryList(QDir::Files, QDir::Name);
}

} // namespace rp::test
