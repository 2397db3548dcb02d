#include "generator/RequestCleanup.h"

#include "model/OfficeDatabase.h"
#include "platform/Database.h"
#include "platform/ErrorReport.h"
#include "platform/Ui.h"

namespace rp {

namespace {

const QString kTitle = QStringLiteral("RPRtnsMsbrErase");
const QString kBlank = QStringLiteral(" ");

// Writes one blank into the given fields of every record of a table, in stored order.
void blankFields(Database& db, const QString& table, const QStringList& fields) {
    std::unique_ptr<Recordset> rs = db.openTable(table);
    // A table opens on its first record; an empty one is at its end at once.
    for (; !rs->eof(); rs->moveNext()) {
        rs->edit();
        for (const QString& f : fields)
            rs->setField(f, kBlank);
        rs->update();
    }
}

} // namespace

QStringList AgentRequestFields() {
    return {QStringLiteral("fdOffAll"), QStringLiteral("fdOffAM"),  QStringLiteral("fdOffPM1"),
            QStringLiteral("fdOffPM2"), QStringLiteral("fdManOn1"), QStringLiteral("fdManOn2")};
}

QString SiteRequestField() {
    return QStringLiteral("fdSClose");
}

bool RPRtnsMsbrErase(Ui& ui, const QString& databasePath) {
    ui.setBusy(true);
    try {
        std::unique_ptr<Database> db = Database::open(databasePath);
        blankFields(*db, office::kAgents, AgentRequestFields());
        blankFields(*db, office::kSites, {SiteRequestField()});
    } catch (const Error& e) {
        ReportError(ui, e, kTitle, databasePath);
        return false;
    }
    ui.setBusy(false);
    return true;
}

} // namespace rp
