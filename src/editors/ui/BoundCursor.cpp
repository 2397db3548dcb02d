#include "editors/ui/BoundCursor.h"

#include "platform/Text.h"

#include <QLineEdit>

namespace rp {

namespace {
QString displayText(const QVariant& v) {
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::Double)
        return QString::number(v.toDouble());
    return v.toString();
}
} // namespace

void BoundCursor::open(const QString& databasePath, const QString& table) {
    close();
    db_ = Database::open(databasePath);
    rs_ = db_->openTable(table);
    pendingNew_ = rs_->recordCount() == 0;
}

void BoundCursor::close() {
    rs_.reset();
    db_.reset();
    pendingNew_ = false;
}

void BoundCursor::bind(QLineEdit* box, const QString& field, bool number) {
    bindings_.append({box, field, number, QString()});
}

void BoundCursor::clearBoxes() {
    for (Binding& b : bindings_) {
        b.box->setText(QString());
        b.shown.clear();
    }
}

void BoundCursor::show() {
    if (!rs_ || pendingNew_ || !rs_->hasCurrent()) {
        clearBoxes();
        return;
    }
    for (Binding& b : bindings_) {
        b.shown = displayText(rs_->field(b.field));
        b.box->setText(b.shown);
    }
}

QVariant BoundCursor::storedValue(const Binding& b) const {
    const QString text = b.box->text();
    if (b.number) {
        if (trimBlanks(text).isEmpty())
            return {};
        if (isNumeric(text))
            return QVariant(qlonglong(leadingNumber(text)));
        return text;
    }
    return text.isEmpty() ? QVariant() : QVariant(text);
}

bool BoundCursor::changed(const QLineEdit* box) const {
    for (const Binding& b : bindings_) {
        if (b.box == box)
            return pendingNew_ || b.box->text() != b.shown;
    }
    return false;
}

QString BoundCursor::shownText(const QLineEdit* box) const {
    for (const Binding& b : bindings_) {
        if (b.box == box)
            return b.shown;
    }
    return {};
}

void BoundCursor::write() {
    if (!rs_)
        return;
    if (pendingNew_) {
        rs_->addNew();
        for (const Binding& b : bindings_)
            rs_->setField(b.field, storedValue(b));
        try {
            rs_->update();
        } catch (const Error&) {
            rs_->cancelUpdate();
            throw;
        }
        pendingNew_ = false;
        for (Binding& b : bindings_)
            b.shown = b.box->text();
        return;
    }
    if (!rs_->hasCurrent())
        return;
    bool any = false;
    for (const Binding& b : bindings_)
        any = any || b.box->text() != b.shown;
    if (!any)
        return;
    rs_->edit();
    for (const Binding& b : bindings_) {
        if (b.box->text() != b.shown)
            rs_->setField(b.field, storedValue(b));
    }
    try {
        rs_->update();
    } catch (const Error&) {
        rs_->cancelUpdate();
        throw;
    }
    if (afterUpdate)
        afterUpdate();
    for (Binding& b : bindings_)
        b.shown = b.box->text();
}

void BoundCursor::startNew() {
    write();
    pendingNew_ = true;
    clearBoxes();
}

int BoundCursor::count() const {
    return (rs_ ? rs_->recordCount() : 0) + (pendingNew_ ? 1 : 0);
}

void BoundCursor::forgetShown() {
    pendingNew_ = false;
    for (Binding& b : bindings_)
        b.shown = b.box->text();
}

void BoundCursor::moveFirst() {
    write();
    rs_->moveFirst();
    show();
}

void BoundCursor::moveLast() {
    write();
    rs_->moveLast();
    show();
}

void BoundCursor::moveNext() {
    write();
    rs_->moveNext();
    show();
}

void BoundCursor::movePrevious() {
    write();
    rs_->movePrevious();
    show();
}

} // namespace rp
