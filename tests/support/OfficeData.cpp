#include "OfficeData.h"

#include "platform/Database.h"

namespace rp::test {

std::vector<Record> recordsOf(const QString& databasePath, const QString& table) {
    std::vector<Record> records;
    auto db = Database::open(databasePath);
    auto rs = db->openTable(table);
    for (rs->moveFirst(); !rs->eof(); rs->moveNext()) {
        Record r;
        for (const QString& f : rs->fieldNames())
            r[f] = rs->field(f);
        records.push_back(r);
    }
    return records;
}

QStringList rowsOf(const QString& databasePath, const QString& table) {
    auto db = Database::open(databasePath);
    auto rs = db->openTable(table);
    QStringList rows;
    for (; !rs->eof(); rs->moveNext()) {
        QStringList fields;
        for (const QString& f : rs->fieldNames())
            fields << (rs->isNull(f) ? QStringLiteral("<null>") : rs->field(f).toString());
        rows << fields.join(QLatin1Char('|'));
    }
    return rows;
}

QStringList officeRowsOf(const QString& databasePath) {
    return rowsOf(databasePath, QStringLiteral("Agents")) + rowsOf(databasePath, QStringLiteral("Sites"));
}

QString slotLetters(int am, int pm, int ev) {
    QString letters;
    if (am >= 1 && am <= 2)
        letters += QStringLiteral("AB").left(am);
    if (pm >= 1 && pm <= 4)
        letters += QStringLiteral("CDEF").left(pm);
    if (ev >= 1 && ev <= 2)
        letters += QStringLiteral("GH").left(ev);
    return letters;
}

QString dayKey(int day, QChar letter) {
    return QStringLiteral("%1%2").arg(day, 2, 10, QLatin1Char('0')).arg(letter);
}

std::array<QString, 8> slotTexts(std::initializer_list<const char*> texts) {
    std::array<QString, 8> out;
    size_t i = 0;
    for (const char* t : texts)
        out[i++] = QLatin1String(t);
    return out;
}

} // namespace rp::test
