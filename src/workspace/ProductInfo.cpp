#include "workspace/ProductInfo.h"

namespace rp {

QString VersionLine() {
    return QStringLiteral("Version %1  %2")
        .arg(QStringLiteral(ROTAPLAN_VERSION), QStringLiteral(ROTAPLAN_BUILD_DATE));
}

} // namespace rp
