#pragma once

#include <QString>

namespace rp {

// The product's web address, printed at the end of every calendar title and opened by the web help.
inline const QString kProductWebAddress = QStringLiteral("www.rotaplan.example");

// "Version major.minor.revision  MM-DD-YYYY" of this build.
QString VersionLine();

} // namespace rp
