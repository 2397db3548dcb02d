#pragma once

#include <QString>

namespace rp {

// The product's web address, opened by the web help and printed at the end of calendar titles once it is
// a real one.
inline const QString kProductWebAddress = QStringLiteral("www.rotaplan.example");

// "Version major.minor.revision  MM-DD-YYYY" of this build.
QString VersionLine();

} // namespace rp
