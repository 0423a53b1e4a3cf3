#pragma once

#include "sqlite_connection.h"
#include "platform/date_time.h"

#include <QString>
#include <QVariant>
#include <QVector>
#include <map>
#include <memory>
#include <optional>

struct sqlite3_stmt;

struct SqliteStatementDeleter {
    void operator()(sqlite3_stmt* stmt) const;
};
using SqliteStatement = std::unique_ptr<sqlite3_stmt, SqliteStatementDeleter>;

// How a column is read, decided by its declared type.
enum class FieldKind { Integer, Float, DateTime, String, Blob };

// How a text parameter reaches SQLite.
enum class TextBinding {
    Text,      // TEXT: a column with NUMERIC affinity turns text that reads as a number into that number
    Verbatim,  // the UTF-8 bytes as a BLOB, which no affinity converts: stored byte for byte
};

struct FieldDef {
    QString name;
    QString declaredType;
    FieldKind kind = FieldKind::String;
};

// A statement on a connection with named parameters. Opening prepares it; its rows are read into
// memory on first use, so a result set that nobody looks at costs nothing. Setting a new SQL text
// closes the previous result set.
class SqliteQuery {
public:
    explicit SqliteQuery(SqliteConnection& connection) : connection_(&connection) {}

    void SetSQL(const QString& sql);
    const QString& SQL() const { return sql_; }
    // Parameters by name without the colon: "Val1".
    void SetDateTimeParam(const QString& name, TDateTime value);
    void SetTextParam(const QString& name, const QString& value, TextBinding binding = TextBinding::Text);

    void Open();     // runs a statement that returns rows
    void ExecSQL();  // runs a statement without rows
    void Close();
    bool Active() const { return active_; }

    int RecordCount() const;
    bool Eof() const;
    void First() { current_ = 0; }
    void Next() { ++current_; }

    const QVector<FieldDef>& Fields() const { return fields_; }
    bool IsNull(const QString& field) const;
    // A NULL date-time reads as 0, a NULL text as "".
    TDateTime AsDateTime(const QString& field) const;
    QString AsString(const QString& field) const;
    qint64 AsInteger(const QString& field) const;

private:
    SqliteStatement Prepare() const;
    void BindParams(sqlite3_stmt* stmt) const;
    void ReadFields(sqlite3_stmt* stmt);
    // Steps to the end, keeping the rows when asked; a failed step raises the connection's error.
    void StepAll(sqlite3_stmt* stmt, bool keepRows) const;
    void ReadRow(sqlite3_stmt* stmt) const;
    void FetchPending() const;
    const QVariant& Value(const QString& field) const;

    SqliteConnection* connection_;
    QString sql_;
    struct Param {
        QString value;
        TextBinding binding = TextBinding::Text;
    };
    std::map<QString, Param> params_;
    QVector<FieldDef> fields_;
    // Read lazily, from the const accessors too.
    mutable SqliteStatement pending_;
    mutable QVector<QVector<QVariant>> rows_;
    qsizetype current_ = 0;
    bool active_ = false;
};

// The kind a declared column type is read as.
FieldKind FieldKindOf(const QString& declaredType);

// A column read as a date-time the way a datetime field reads: a Julian day number or a date text;
// none for anything else and for days outside the years 1 to 9999.
std::optional<TDateTime> ColumnDateTime(sqlite3_stmt* stmt, int column);
