#pragma once

#include <QStringList>
#include <cstdio>

namespace rp {

// Runs rotaplan-cli with its arguments (without the program name); returns the exit status.
int RunCli(const QStringList& args, const QString& executableDir, FILE* out, FILE* err);

} // namespace rp
