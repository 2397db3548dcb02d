#pragma once

#include "platform/Error.h"

#include <QString>

namespace rp {

class Ui;

// The one text shown whenever the office database cannot be accessed; it names the file in use.
QString DatabaseAccessMessageText(const QString& databasePath);
inline const QString kDatabaseAccessTitle = QStringLiteral("See Latest Help for more information");
// Shows that message, ends the program and throws ProgramEnded.
[[noreturn]] void ShowDatabaseAccessMessage(Ui& ui, const QString& databasePath);

// The text of an unexpected failure: "Error: " description ". #" number ".".
QString ErrorReportText(const Error& e);

// Reports an unexpected failure of a routine: a database that cannot be accessed shows the shared
// message and ends the program (throws ProgramEnded); any other failure shows ErrorReportText with a
// critical icon under the routine's title, and the caller carries on.
void ReportError(Ui& ui, const Error& e, const QString& title, const QString& databasePath);

} // namespace rp
