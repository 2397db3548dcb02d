#include "platform/Database.h"

#include "platform/Files.h"

#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace rp {

namespace {

constexpr int kBusyTimeoutMs = 250;

QString quoted(const QString& name) {
    QString q = name;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

Error cannotAccess(const QString& path) {
    return {err::CannotAccessDatabase,
            QStringLiteral("The database engine cannot open the file '%1'. It is already opened exclusively "
                           "by another user, or you need permission to view its data.")
                .arg(path)};
}

// RAII wrapper of a prepared statement.
class Statement {
public:
    Statement(const Database& db, const QString& sql) : db_(db) {
        const QByteArray utf8 = sql.toUtf8();
        const int rc = sqlite3_prepare_v2(db.handle(), utf8.constData(), int(utf8.size()), &stmt_, nullptr);
        if (rc != SQLITE_OK)
            throw db.lastError(rc);
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int index, const QVariant& v) {
        int rc = SQLITE_OK;
        if (v.isNull()) {
            rc = sqlite3_bind_null(stmt_, index);
        } else {
            switch (v.typeId()) {
            case QMetaType::Int:
            case QMetaType::LongLong:
            case QMetaType::Short:
            case QMetaType::UInt:
            case QMetaType::Bool:
                rc = sqlite3_bind_int64(stmt_, index, v.toLongLong());
                break;
            case QMetaType::Double:
            case QMetaType::Float:
                rc = sqlite3_bind_double(stmt_, index, v.toDouble());
                break;
            default: {
                const QByteArray utf8 = v.toString().toUtf8();
                rc = sqlite3_bind_text(stmt_, index, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
            }
            }
        }
        if (rc != SQLITE_OK)
            throw db_.lastError(rc);
    }
    // Steps once; returns true while a row is available.
    bool step() {
        const int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW)
            return true;
        if (rc == SQLITE_DONE)
            return false;
        throw db_.lastError(rc);
    }
    QVariant value(int col) const {
        switch (sqlite3_column_type(stmt_, col)) {
        case SQLITE_NULL:
            return {};
        case SQLITE_INTEGER:
            return QVariant(qlonglong(sqlite3_column_int64(stmt_, col)));
        case SQLITE_FLOAT:
            return QVariant(sqlite3_column_double(stmt_, col));
        default:
            return QVariant(QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt_, col)),
                                              sqlite3_column_bytes(stmt_, col)));
        }
    }
    int columnCount() const { return sqlite3_column_count(stmt_); }
    QString columnName(int col) const { return QString::fromUtf8(sqlite3_column_name(stmt_, col)); }

private:
    const Database& db_;
    sqlite3_stmt* stmt_ = nullptr;
};

} // namespace

std::unique_ptr<Database> Database::connect(const QString& path, int flags) {
    if (!QFileInfo(path).isFile())
        throw Error{err::FileNotFoundDb, QStringLiteral("Could not find file '%1'.").arg(path)};
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close(db);
        throw cannotAccess(path);
    }
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    // Extended codes tell a unique-key refusal apart from other constraint failures.
    sqlite3_extended_result_codes(db, 1);
    return std::unique_ptr<Database>(new Database(db, path));
}

std::unique_ptr<Database> Database::open(const QString& path) {
    if (QFileInfo(path).isFile() && isMarkedReadOnly(path))
        throw cannotAccess(path);
    std::unique_ptr<Database> result = connect(path, SQLITE_OPEN_READWRITE);
    if (sqlite3_db_readonly(result->db_, "main") == 1)
        throw cannotAccess(path);
    // Reading the schema proves the file is a database and not locked by another program.
    result->tables_ = result->tableNames();
    return result;
}

std::unique_ptr<Database> Database::openReadOnly(const QString& path) {
    std::unique_ptr<Database> result = connect(path, SQLITE_OPEN_READONLY);
    result->tables_ = result->tableNames();
    return result;
}

void Database::create(const QString& path, const QString& sql) {
    if (QFileInfo::exists(path))
        throw Error{err::PathFileAccess, QStringLiteral("The file '%1' already exists.").arg(path)};
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db,
                             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close(db);
        throw cannotAccess(path);
    }
    std::unique_ptr<Database> holder(new Database(db, path));
    holder->execute(sql);
}

Database::~Database() {
    sqlite3_close(db_);
}

Error Database::lastError(int code) const {
    const int primary = code & 0xff;
    switch (primary) {
    case SQLITE_READONLY:
    case SQLITE_CANTOPEN:
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return cannotAccess(path_);
    case SQLITE_NOTADB:
        return {err::UnrecognizedFormat, QStringLiteral("Unrecognized database format '%1'.").arg(path_)};
    case SQLITE_CONSTRAINT:
        if (code == SQLITE_CONSTRAINT_UNIQUE || code == SQLITE_CONSTRAINT_PRIMARYKEY)
            return {err::DuplicateKey,
                    QStringLiteral("The changes you requested to the table were not successful because they "
                                   "would create duplicate values in the index.")};
        break;
    default:
        break;
    }
    return {err::DatabaseEngine, QString::fromUtf8(sqlite3_errmsg(db_))};
}

QStringList Database::tableNames() {
    Statement st(*this, QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid"));
    QStringList names;
    while (st.step())
        names << st.value(0).toString();
    return names;
}

void Database::execute(const QString& sql) {
    tables_.clear(); // the statements may create or drop tables
    char* message = nullptr;
    const int rc = sqlite3_exec(db_, sql.toUtf8().constData(), nullptr, nullptr, &message);
    sqlite3_free(message);
    if (rc != SQLITE_OK)
        throw lastError(rc);
}

std::vector<QVariantList> Database::query(const QString& sql) {
    Statement st(*this, sql);
    std::vector<QVariantList> rows;
    while (st.step()) {
        QVariantList row;
        for (int c = 0; c < st.columnCount(); ++c)
            row << st.value(c);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::unique_ptr<Recordset> Database::openTable(const QString& name) {
    // The names known are looked at first; a name not among them sends for the list afresh, so that a
    // table made since is found.
    for (int fresh = tables_.isEmpty() ? 1 : 0; fresh < 2; ++fresh) {
        if (fresh)
            tables_ = tableNames();
        for (const QString& t : std::as_const(tables_)) {
            if (t.compare(name, Qt::CaseInsensitive) == 0)
                return std::make_unique<Recordset>(*this, t);
        }
    }
    throw Error{err::TableNotFound,
                QStringLiteral("The database engine cannot find the input table or query '%1'. Make sure it "
                               "exists and that its name is spelled correctly.")
                    .arg(name)};
}

// ---------------------------------------------------------------------------------------------------------

namespace {

// Closes its connection however the backup ends.
struct Connection {
    sqlite3* db = nullptr;
    ~Connection() { sqlite3_close(db); }
};

SqliteFailure failureOf(int code, sqlite3* db, sqlite3* other = nullptr) {
    int systemErrno = db ? sqlite3_system_errno(db) : 0;
    if (systemErrno == 0 && other)
        systemErrno = sqlite3_system_errno(other);
    return {code, systemErrno, QString::fromUtf8(sqlite3_errstr(code))};
}

} // namespace

std::optional<SqliteFailure> backupDatabase(const QString& source, const QString& target) {
    Connection from, to;
    int rc = sqlite3_open_v2(QFile::encodeName(source).constData(), &from.db, SQLITE_OPEN_READONLY, nullptr);
    if (rc != SQLITE_OK)
        return failureOf(rc, from.db);
    sqlite3_busy_timeout(from.db, kBusyTimeoutMs);
    rc = sqlite3_open_v2(QFile::encodeName(target).constData(), &to.db,
                         SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (rc != SQLITE_OK)
        return failureOf(rc, to.db);
    sqlite3_backup* backup = sqlite3_backup_init(to.db, "main", from.db, "main");
    if (!backup)
        return failureOf(sqlite3_errcode(to.db), to.db);
    rc = sqlite3_backup_step(backup, -1);
    // A writer that holds the source for a moment is waited for.
    for (int tries = 0; (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) && tries < 40; ++tries) {
        sqlite3_sleep(kBusyTimeoutMs / 5);
        rc = sqlite3_backup_step(backup, -1);
    }
    const int finished = sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE)
        return failureOf(rc, to.db, from.db);
    if (finished != SQLITE_OK)
        return failureOf(finished, to.db);
    rc = sqlite3_close(to.db);
    to.db = nullptr;
    if (rc != SQLITE_OK)
        return failureOf(rc, nullptr);
    return std::nullopt;
}

bool Criterion::matches(const QVariant& value) const {
    if (value.isNull())
        return false;
    const QString v = value.toString();
    if (kind == Kind::Contains)
        return v.contains(text, Qt::CaseInsensitive);
    return v.compare(text, Qt::CaseInsensitive) == 0;
}

Recordset::Recordset(Database& db, QString table) : db_(db), table_(std::move(table)) {
    Statement st(db_, QStringLiteral("SELECT rowid, * FROM %1 ORDER BY rowid").arg(quoted(table_)));
    for (int c = 1; c < st.columnCount(); ++c)
        fields_ << st.columnName(c);
    while (st.step()) {
        Row row;
        row.rowid = st.value(0).toLongLong();
        row.values.reserve(fields_.size());
        for (int c = 1; c < st.columnCount(); ++c)
            row.values.push_back(st.value(c));
        rows_.push_back(std::move(row));
    }
}

int Recordset::column(const QString& name) const {
    for (int i = 0; i < fields_.size(); ++i) {
        if (fields_[i] == name)
            return i;
    }
    for (int i = 0; i < fields_.size(); ++i) {
        if (fields_[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    throw Error::runtime(err::ItemNotFound);
}

void Recordset::requireCurrent() const {
    if (deleted_)
        throw Error::runtime(err::RecordDeleted);
    if (eof() || pos_ < 0)
        throw Error::runtime(err::NoCurrentRecord);
}

void Recordset::moveFirst() {
    if (rows_.empty())
        throw Error::runtime(err::NoCurrentRecord);
    mode_ = Mode::None;
    deleted_ = false;
    pos_ = 0;
}

void Recordset::moveLast() {
    if (rows_.empty())
        throw Error::runtime(err::NoCurrentRecord);
    mode_ = Mode::None;
    deleted_ = false;
    pos_ = recordCount() - 1;
}

void Recordset::moveNext() {
    mode_ = Mode::None;
    if (deleted_) {
        deleted_ = false; // the following record (or the end) has moved into the deleted one's place
        return;
    }
    if (eof())
        throw Error::runtime(err::NoCurrentRecord);
    ++pos_;
}

void Recordset::movePrevious() {
    if (pos_ < 0 || rows_.empty())
        throw Error::runtime(err::NoCurrentRecord);
    mode_ = Mode::None;
    deleted_ = false;
    --pos_;
}

void Recordset::moveTo(int position) {
    if (position < 0 || position >= recordCount())
        throw Error::runtime(err::NoCurrentRecord);
    mode_ = Mode::None;
    deleted_ = false;
    pos_ = position;
}

QVariant Recordset::field(const QString& name) const {
    const int c = column(name);
    if (mode_ != Mode::None && touched_[size_t(c)])
        return buffer_[size_t(c)];
    if (mode_ == Mode::Add)
        return {};
    requireCurrent();
    return rows_[size_t(pos_)].values[size_t(c)];
}

void Recordset::edit() {
    requireCurrent();
    mode_ = Mode::Edit;
    buffer_ = rows_[size_t(pos_)].values;
    touched_.assign(size_t(fields_.size()), false);
}

void Recordset::addNew() {
    mode_ = Mode::Add;
    buffer_.assign(size_t(fields_.size()), QVariant());
    touched_.assign(size_t(fields_.size()), false);
}

void Recordset::setField(const QString& name, const QVariant& value) {
    const int c = column(name);
    if (mode_ == Mode::None)
        throw Error::runtime(err::UpdateWithoutEdit);
    buffer_[size_t(c)] = value;
    touched_[size_t(c)] = true;
}

void Recordset::update() {
    if (mode_ == Mode::None)
        throw Error::runtime(err::UpdateWithoutEdit);
    QStringList names;
    std::vector<QVariant> values;
    for (int c = 0; c < fields_.size(); ++c) {
        if (touched_[size_t(c)]) {
            names << fields_[c];
            values.push_back(buffer_[size_t(c)]);
        }
    }
    if (mode_ == Mode::Add) {
        QStringList cols, marks;
        for (const QString& n : names) {
            cols << quoted(n);
            marks << QStringLiteral("?");
        }
        const QString sql =
            names.isEmpty()
                ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quoted(table_))
                : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(quoted(table_), cols.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
        Statement st(db_, sql);
        for (size_t i = 0; i < values.size(); ++i)
            st.bind(int(i) + 1, values[i]);
        st.step();
        Row row;
        row.rowid = sqlite3_last_insert_rowid(db_.handle());
        // Read the stored row back so that column affinities are applied as the table holds them.
        Statement back(db_, QStringLiteral("SELECT * FROM %1 WHERE rowid = ?").arg(quoted(table_)));
        back.bind(1, row.rowid);
        if (back.step()) {
            for (int c = 0; c < back.columnCount(); ++c)
                row.values.push_back(back.value(c));
        }
        rows_.push_back(std::move(row));
    } else {
        requireCurrent();
        Row& row = rows_[size_t(pos_)];
        if (!names.isEmpty()) {
            QStringList sets;
            for (const QString& n : names)
                sets << quoted(n) + QStringLiteral(" = ?");
            Statement st(db_, QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?")
                                  .arg(quoted(table_), sets.join(QLatin1Char(','))));
            int i = 1;
            for (const QVariant& v : values)
                st.bind(i++, v);
            st.bind(i, row.rowid);
            st.step();
            Statement back(db_, QStringLiteral("SELECT * FROM %1 WHERE rowid = ?").arg(quoted(table_)));
            back.bind(1, row.rowid);
            if (back.step()) {
                for (int c = 0; c < back.columnCount(); ++c)
                    row.values[size_t(c)] = back.value(c);
            }
        }
    }
    mode_ = Mode::None;
}

void Recordset::cancelUpdate() {
    mode_ = Mode::None;
}

void Recordset::deleteCurrent() {
    requireCurrent();
    mode_ = Mode::None;
    Statement st(db_, QStringLiteral("DELETE FROM %1 WHERE rowid = ?").arg(quoted(table_)));
    st.bind(1, rows_[size_t(pos_)].rowid);
    st.step();
    rows_.erase(rows_.begin() + pos_);
    deleted_ = true;
}

bool Recordset::findFrom(int start, const Criterion& c) {
    const int col = column(c.field);
    for (int i = std::max(start, 0); i < recordCount(); ++i) {
        if (c.matches(rows_[size_t(i)].values[size_t(col)])) {
            mode_ = Mode::None;
            deleted_ = false;
            pos_ = i;
            noMatch_ = false;
            return true;
        }
    }
    noMatch_ = true;
    return false;
}

bool Recordset::findFirst(const Criterion& c) {
    return findFrom(0, c);
}

bool Recordset::findNext(const Criterion& c) {
    return findFrom(deleted_ ? pos_ : pos_ + 1, c);
}

} // namespace rp
