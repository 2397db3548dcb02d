#include "model/AppPaths.h"

namespace rp {

AppPaths AppPaths::forFolder(const QString& appFolder) {
    AppPaths p;
    p.AppFolder = appFolder;
    p.DatabasePath = p.officeDatabase();
    p.MonthFilePath = p.settingsFile(QStringLiteral("month.dat"));
    p.TuneFilePath = p.settingsFile(QStringLiteral("tune.dat"));
    return p;
}

} // namespace rp
