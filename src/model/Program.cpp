#include "model/Program.h"

#include "platform/Ui.h"

namespace rp {

void Program::ShowHelp(const QString& fileName) const {
    if (showHelp)
        showHelp(paths.file(QStringLiteral("help/") + fileName));
    else
        ui.message(QStringLiteral("Not available yet."));
}

} // namespace rp
