#pragma once

#include "platform/Database.h"

#include <QList>
#include <QString>
#include <functional>
#include <memory>

class QLineEdit;

namespace rp {

// A record cursor over one table with entry boxes tied to its columns: the boxes show the current
// record, and what the user typed is written back whenever the cursor leaves the record. A new record
// (started with startNew, or shown when the table is empty) is added to the table when it is left.
// Failures are thrown as Error; after a failed write the cursor stays where it was and the boxes keep
// what the user typed.
class BoundCursor {
public:
    void open(const QString& databasePath, const QString& table);
    void close();
    bool isOpen() const { return rs_ != nullptr; }
    Recordset& rs() { return *rs_; }
    const Recordset& rs() const { return *rs_; }

    // number: the column holds a number; a blank box stores Null, digits a number.
    void bind(QLineEdit* box, const QString& field, bool number);

    // Boxes from the current record; empty when there is none.
    void show();
    // Writes the shown record when a box differs from what was shown, or when it is a new record.
    void write();
    // Writes the shown record, then shows a new, empty one that is added when it is left.
    void startNew();
    bool pendingNew() const { return pendingNew_; }
    // Whether the box differs from what the record held when it was shown.
    bool changed(const QLineEdit* box) const;
    // What the record held for the box when it was shown (or last written).
    QString shownText(const QLineEdit* box) const;
    // Called after a change of the shown record was written (not a new record), while shownText() still
    // gives what the record held before.
    std::function<void()> afterUpdate;
    // Records in the table, counting a new record not yet written.
    int count() const;
    // Forget the shown record (it was deleted): nothing is written for it.
    void forgetShown();

    // Moves that write the shown record first, then show the record moved to.
    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();

private:
    struct Binding {
        QLineEdit* box;
        QString field;
        bool number;
        QString shown;
    };
    QVariant storedValue(const Binding& b) const;
    void clearBoxes();

    std::unique_ptr<Database> db_;
    std::unique_ptr<Recordset> rs_;
    QList<Binding> bindings_;
    bool pendingNew_ = false;
};

} // namespace rp
