#include "model/OfficeDatabase.h"

#include "platform/Text.h"
#include "platform/Ui.h"

namespace rp {

namespace office {

QStringList agentFields() {
    return {QStringLiteral("fdName"),     QStringLiteral("fdInitial"), QStringLiteral("fdMaxTimes"),
            QStringLiteral("fdAssigned"), QStringLiteral("fdOffAll"),  QStringLiteral("fdOffAM"),
            QStringLiteral("fdOffPM1"),   QStringLiteral("fdOffPM2"),  QStringLiteral("fdManOn1"),
            QStringLiteral("fdManSite1"), QStringLiteral("fdManOn2"),  QStringLiteral("fdManSite2")};
}

QStringList siteFields() {
    QStringList f{QStringLiteral("fdSNum"), QStringLiteral("fdSName")};
    for (const char* period : {"fdAM", "fdPM", "fdEV"}) {
        for (int w = 1; w <= 7; ++w)
            f << QLatin1String(period) + QString::number(w);
    }
    f << QStringLiteral("fdSClose") << QStringLiteral("fdLink");
    return f;
}

QString schemaSql() {
    QString sql = QStringLiteral("CREATE TABLE Agents (\n"
                                 "  fdName VARCHAR(24) COLLATE NOCASE UNIQUE,\n"
                                 "  fdInitial VARCHAR(4) COLLATE NOCASE UNIQUE,\n"
                                 "  fdMaxTimes INTEGER,\n"
                                 "  fdAssigned VARCHAR(22),\n"
                                 "  fdOffAll VARCHAR(43),\n"
                                 "  fdOffAM VARCHAR(43),\n"
                                 "  fdOffPM1 VARCHAR(43),\n"
                                 "  fdOffPM2 VARCHAR(43),\n"
                                 "  fdManOn1 VARCHAR(27),\n"
                                 "  fdManSite1 INTEGER,\n"
                                 "  fdManOn2 VARCHAR(27),\n"
                                 "  fdManSite2 INTEGER\n"
                                 ");\n"
                                 "CREATE TABLE Sites (\n"
                                 "  fdSNum INTEGER UNIQUE,\n"
                                 "  fdSName VARCHAR(14),\n");
    for (const char* period : {"fdAM", "fdPM", "fdEV"}) {
        for (int w = 1; w <= 7; ++w)
            sql += QStringLiteral("  %1%2 INTEGER,\n").arg(QLatin1String(period)).arg(w);
    }
    sql += QStringLiteral("  fdSClose VARCHAR(24),\n"
                          "  fdLink VARCHAR(1)\n"
                          ");\n");
    return sql;
}

} // namespace office

void CreateOfficeDatabase(const QString& path) {
    Database::create(path, office::schemaSql());
}

QString textField(const Recordset& rs, const QString& name) {
    const QVariant v = rs.field(name);
    return v.isNull() ? QString() : trimBlanks(v.toString());
}

std::optional<qint64> numberField(const Recordset& rs, const QString& name) {
    const QVariant v = rs.field(name);
    if (v.isNull())
        return std::nullopt;
    if (v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Int)
        return v.toLongLong();
    if (v.typeId() == QMetaType::Double)
        return qint64(v.toDouble());
    const QString t = trimBlanks(v.toString());
    if (t.isEmpty())
        return std::nullopt;
    return leadingNumber(t);
}

} // namespace rp
