#pragma once

#include "ScriptedUi.h"

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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

// The folder of the installed resources in the build tree.
QString buildResources();

// Fails the running test when the scripted Ui met a prompt it had no answer for.
void expectNoUnexpectedPrompts(const ScriptedUi& ui);

} // namespace rp::test
