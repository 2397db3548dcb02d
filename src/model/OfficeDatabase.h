#pragma once

#include "platform/Database.h"
#include "platform/ErrorReport.h"

#include <QString>
#include <QStringList>

namespace rp {

class Ui;

// The office database: table Agents (one record per agent or team) and table Sites (at most nine).
namespace office {
inline const QString kAgents = QStringLiteral("Agents");
inline const QString kSites = QStringLiteral("Sites");
QStringList agentFields();
QStringList siteFields();
// The SQL that creates both tables with their unique keys (fdName, fdInitial, fdSNum).
QString schemaSql();
} // namespace office

// Creates a new, empty office database file.
void CreateOfficeDatabase(const QString& path);

// Field values as the program's readers take them: text trimmed of blanks, Null as empty.
QString textField(const Recordset& rs, const QString& name);
// A number field: Null or blank text is missing (nothing); other text reads by its leading number.
std::optional<qint64> numberField(const Recordset& rs, const QString& name);

} // namespace rp
