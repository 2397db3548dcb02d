#pragma once

#include "platform/Error.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <optional>
#include <vector>

struct sqlite3;

namespace rp {

class Recordset;

// One office database file (SQLite 3). Opening checks that the file exists, may be written and is a
// database; failures are thrown as Error with the numbers the program's messages use:
// 3024 missing file, 3051 read-only / no permission / locked, 3343 not a database.
class Database {
public:
    static std::unique_ptr<Database> open(const QString& path);
    // Opens a database file for reading only; a file marked read-only is no failure here.
    static std::unique_ptr<Database> openReadOnly(const QString& path);
    // Creates a new file from the given SQL statements; fails if the file exists.
    static void create(const QString& path, const QString& sql);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    const QString& path() const { return path_; }
    // Opens the whole of a table, found by name without regard to letter case.
    std::unique_ptr<Recordset> openTable(const QString& name);
    QStringList tableNames();
    void execute(const QString& sql);
    // Every row of a statement's result, its columns in order.
    std::vector<QVariantList> query(const QString& sql);

    sqlite3* handle() const { return db_; }
    // Turns the last SQLite failure into the program's Error.
    Error lastError(int code) const;

private:
    Database(sqlite3* db, QString path) : db_(db), path_(std::move(path)) {}
    // Opens an existing file with the given SQLite flags (missing file 3024, failure 3051).
    static std::unique_ptr<Database> connect(const QString& path, int flags);
    sqlite3* db_;
    QString path_;
    QStringList tables_; // the tables' names as last read
};

// What SQLite and the system reported for a failed call: SQLite's result code, the errno of the system
// call behind it (0 when there was none) and SQLite's text.
struct SqliteFailure {
    int code = 0;
    int systemErrno = 0;
    QString message;
};

// Writes a consistent copy of the database at `source` into the file `target` with SQLite's online
// backup. The source is opened for reading only and may be open, and written, through other connections:
// the copy holds every change committed before it was taken. Returns what failed, nothing on success.
std::optional<SqliteFailure> backupDatabase(const QString& source, const QString& target);

// Search criteria of the editors: a field that contains the text, or equals it, letter case ignored.
// The text is taken literally (no wildcards).
struct Criterion {
    enum class Kind { Contains, Equals };
    QString field;
    Kind kind = Kind::Contains;
    QString text;

    static Criterion contains(QString field, QString text) {
        return {std::move(field), Kind::Contains, std::move(text)};
    }
    static Criterion equals(QString field, QString text) {
        return {std::move(field), Kind::Equals, std::move(text)};
    }
    bool matches(const QVariant& value) const;
};

// A cursor over the whole of one table in its stored order (insertion order). The rows are read once
// when the table is opened; changes are written through at once.
//
// Position rules: after opening, the cursor is on the first record (or at both ends of an empty table);
// stepping past the last record sets eof(), before the first bof(); reading a field without a current
// record fails with 3021.
class Recordset {
public:
    Recordset(Database& db, QString table);

    const QString& tableName() const { return table_; }
    const QStringList& fieldNames() const { return fields_; }
    int recordCount() const { return int(rows_.size()); }
    int position() const { return pos_; } // 0-based; -1 before the first, count after the last
    bool eof() const { return pos_ >= recordCount(); }
    bool bof() const { return pos_ < 0 || rows_.empty(); }
    bool hasCurrent() const { return !eof() && pos_ >= 0 && !deleted_; }

    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();
    void moveTo(int position);

    // The field's value, or a null QVariant for Null.
    QVariant field(const QString& name) const;
    bool isNull(const QString& name) const { return field(name).isNull(); }

    void edit();
    void addNew();
    void setField(const QString& name, const QVariant& value);
    void update();
    void cancelUpdate();
    bool editing() const { return mode_ != Mode::None; }
    bool addingNew() const { return mode_ == Mode::Add; }
    void deleteCurrent();

    // Finds the first matching record from the start, or the next one after the current record.
    // Returns whether one was found; the cursor stays put when none was.
    bool findFirst(const Criterion& c);
    bool findNext(const Criterion& c);
    bool noMatch() const { return noMatch_; }

private:
    enum class Mode { None, Edit, Add };
    struct Row {
        qint64 rowid = 0;
        std::vector<QVariant> values;
    };
    int column(const QString& name) const;
    void requireCurrent() const;
    bool findFrom(int start, const Criterion& c);

    Database& db_;
    QString table_;
    QStringList fields_;
    std::vector<Row> rows_;
    int pos_ = 0;
    bool deleted_ = false;
    bool noMatch_ = false;
    Mode mode_ = Mode::None;
    std::vector<QVariant> buffer_;
    std::vector<bool> touched_;
};

} // namespace rp
