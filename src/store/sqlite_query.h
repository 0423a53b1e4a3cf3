#pragma once

#include "sqlite_connection.h"
#include "platform/date_time.h"

#include <QString>
#include <QVariant>
#include <QVector>
#include <map>

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

// A statement on a connection with named parameters, whose result set is read into memory when
// opened. Setting a new SQL text closes the previous result set.
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

    int RecordCount() const { return static_cast<int>(rows_.size()); }
    bool Eof() const { return current_ >= rows_.size(); }
    void First() { current_ = 0; }
    void Next() { ++current_; }

    const QVector<FieldDef>& Fields() const { return fields_; }
    bool IsNull(const QString& field) const;
    // A NULL date-time reads as 0, a NULL text as "".
    TDateTime AsDateTime(const QString& field) const;
    QString AsString(const QString& field) const;
    qint64 AsInteger(const QString& field) const;

private:
    void Run(bool wantRows);
    void BindParams(struct sqlite3_stmt* stmt) const;
    void ReadRow(struct sqlite3_stmt* stmt);
    const QVariant& Value(const QString& field) const;

    SqliteConnection* connection_;
    QString sql_;
    struct Param {
        QString value;
        TextBinding binding = TextBinding::Text;
    };
    std::map<QString, Param> params_;
    QVector<FieldDef> fields_;
    QVector<QVector<QVariant>> rows_;
    qsizetype current_ = 0;
    bool active_ = false;
};

// The kind a declared column type is read as.
FieldKind FieldKindOf(const QString& declaredType);
