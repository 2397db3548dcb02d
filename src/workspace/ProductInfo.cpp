#include "workspace/ProductInfo.h"

// Defined in the source the build writes each time it runs.
extern const char kBuildDate[];

namespace rp {

QString VersionLine() {
    return QStringLiteral("Version %1  %2").arg(QStringLiteral(ROTAPLAN_VERSION), QLatin1String(kBuildDate));
}

} // namespace rp
