#pragma once

#include <QString>

namespace rp {

// The program folder and the paths built from it.
struct AppPaths {
    QString AppFolder;
    QString DatabasePath;  // the office database in use; examples point it elsewhere
    QString MonthFilePath; // settings/month.dat
    QString TuneFilePath;  // settings/tune.dat

    static AppPaths forFolder(const QString& appFolder);
    // AppFolder + "/" + a relative path.
    QString file(const QString& relative) const { return AppFolder + QLatin1Char('/') + relative; }
    QString settingsFile(const QString& name) const { return file(QStringLiteral("settings/") + name); }
    QString officeDatabase() const { return file(QStringLiteral("floor.mdb")); }
};

} // namespace rp
