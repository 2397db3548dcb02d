#pragma once

#include <QString>
#include <optional>

namespace rp {

// Why a file is not an office database: it is empty, not a database, damaged or incomplete, or lacks the
// tables Agents and Sites with their fields. Nothing when it is an office database.
std::optional<QString> OfficeFileProblem(const QString& path);

} // namespace rp
