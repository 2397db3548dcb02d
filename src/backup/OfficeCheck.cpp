#include "backup/OfficeCheck.h"

#include "model/OfficeDatabase.h"
#include "platform/Database.h"

#include <QFileInfo>

namespace rp {

namespace {

QString quoted(QString name) {
    name.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + name + QLatin1Char('"');
}

std::optional<QString> tableProblem(Database& db, const QString& table, const QStringList& fields) {
    QString stored;
    for (const QString& t : db.tableNames()) {
        if (t.compare(table, Qt::CaseInsensitive) == 0)
            stored = t;
    }
    if (stored.isEmpty())
        return QStringLiteral("The database has no table '%1'.").arg(table);
    QStringList columns;
    for (const QVariantList& row : db.query(QStringLiteral("PRAGMA table_info(%1)").arg(quoted(stored))))
        columns << row.value(1).toString();
    for (const QString& f : fields) {
        if (!columns.contains(f, Qt::CaseInsensitive))
            return QStringLiteral("The table '%1' has no field '%2'.").arg(table, f);
    }
    return std::nullopt;
}

} // namespace

std::optional<QString> OfficeFileProblem(const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile())
        return QStringLiteral("The file is missing.");
    if (info.size() == 0)
        return QStringLiteral("The file is empty.");
    std::unique_ptr<Database> db;
    try {
        db = Database::openReadOnly(path);
    } catch (const Error& e) {
        if (e.number == err::UnrecognizedFormat)
            return QStringLiteral("The file is not a database.");
        return QStringLiteral("The database is damaged or incomplete.");
    }
    try {
        const auto check = db->query(QStringLiteral("PRAGMA quick_check"));
        const qint64 pages = db->query(QStringLiteral("PRAGMA page_count")).at(0).value(0).toLongLong();
        const qint64 pageSize = db->query(QStringLiteral("PRAGMA page_size")).at(0).value(0).toLongLong();
        if (check.empty() || check[0].value(0).toString() != QLatin1String("ok") ||
            pages * pageSize > info.size())
            return QStringLiteral("The database is damaged or incomplete.");
        if (auto problem = tableProblem(*db, office::kAgents, office::agentFields()))
            return problem;
        return tableProblem(*db, office::kSites, office::siteFields());
    } catch (const Error&) {
        return QStringLiteral("The database is damaged or incomplete.");
    }
}

} // namespace rp
