#include "model/Program.h"

#include "platform/Ui.h"

namespace rp {

void Program::openHelp(const QString& fileName) const {
    if (showHelp)
        showHelp(paths.file(QStringLiteral("help/") + fileName));
    else
        ui.message(QStringLiteral("Not available yet."));
}

} // namespace rp
