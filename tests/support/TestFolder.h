#pragma once

#include "UiChecks.h"

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <optional>

namespace rp::test {

// A fresh program folder in a temporary directory, with the settings and Times folders the
// installation provides; removed with the object.
class TestFolder {
public:
    explicit TestFolder(bool withInstalledSettings = true);
    QString path() const { return dir_.path(); }
    QString file(const QString& relative) const { return dir_.path() + QLatin1Char('/') + relative; }
    // Writes raw bytes to a file of the folder, creating sub-folders as needed.
    void write(const QString& relative, const QByteArray& bytes) const;
    QByteArray read(const QString& relative) const;
    bool exists(const QString& relative) const;
    // File names of the folder (not recursive), sorted.
    QStringList files() const;

private:
    QTemporaryDir dir_;
};

// The bytes of a file; none when it cannot be read.
QByteArray readFile(const QString& path);
// Writes bytes to a file, replacing it; fails the running test when the file cannot be written.
void writeFile(const QString& path, const QByteArray& bytes);

// pdftotext, which scripts/setup-deps.sh installs with poppler-utils; empty when it is missing.
QString pdfToTextTool();
// The text of a PDF file laid out as on the page, ligatures such as "ffi" split into their letters;
// nothing when pdftotext is missing or does not finish.
std::optional<QString> pdfText(const QString& pdf);

// The folder of the installed resources in the build tree.
QString buildResources();
// The office database of an example ("OneOffice") in the build tree.
QString exampleOffice(const QString& name);

} // namespace rp::test
