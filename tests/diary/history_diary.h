#pragma once

// A diary file opened as the window opens it, for the tests of the day's writes and the texts they
// keep, with what they need to look at it through SQL of their own rather than through the code
// under test.
#include "store/diary_sql.h"
#include "store/sqlite_rows.h"

#include <QStringList>
#include <QTemporaryDir>
#include <sqlite3.h>

#include <ostream>

// Failures show the lines as text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

// A value as another program may have stored it: its storage class and bytes.
struct RawValue {
    int type = SQLITE_BLOB;
    QByteArray bytes;
};

class HistoryDiary {
public:
    HistoryDiary()
    {
        DiarySql::ConfigureConnection(connection);
        connection.Database = dir_.filePath(QStringLiteral("Kalvo.db"));
        connection.Open();
    }

    // A row written straight into MyDb, the day as the TEXT key.
    void StoreRaw(const char* dayKey, const RawValue& text)
    {
        SqliteRows insert(connection, "INSERT INTO MyDb (date, diary) VALUES (?1, ?2)");
        sqlite3_stmt* s = insert.Statement();
        sqlite3_bind_text(s, 1, dayKey, -1, SQLITE_TRANSIENT);
        switch (text.type) {
        case SQLITE_NULL: sqlite3_bind_null(s, 2); break;
        case SQLITE_TEXT: sqlite3_bind_text(s, 2, text.bytes.constData(), int(text.bytes.size()), SQLITE_TRANSIENT); break;
        case SQLITE_INTEGER: sqlite3_bind_int64(s, 2, text.bytes.toLongLong()); break;
        case SQLITE_FLOAT: sqlite3_bind_double(s, 2, text.bytes.toDouble()); break;
        default: sqlite3_bind_blob(s, 2, text.bytes.constData(), int(text.bytes.size()), SQLITE_TRANSIENT); break;
        }
        while (insert.Next()) {
        }
    }

    // Each row of a query as its columns joined by " | ".
    QStringList Lines(const char* sql) const
    {
        SqliteRows rows(connection, sql);
        QStringList lines;
        while (rows.Next()) {
            QStringList columns;
            for (int c = 0; c < sqlite3_column_count(rows.Statement()); ++c) {
                const std::string_view text = rows.Text(c);
                columns << QString::fromUtf8(text.data(), qsizetype(text.size()));
            }
            lines << columns.join(QStringLiteral(" | "));
        }
        return lines;
    }

    // Every row of MyDb exactly: ID, and the storage class and bytes of both values.
    QStringList Table() const
    {
        return Lines("SELECT ID, typeof(date), hex(date), typeof(diary), hex(diary) FROM MyDb ORDER BY ID");
    }
    // Every kept text in the order kept: day, storage class, bytes, when, why.
    QStringList Kept() const
    {
        return HasEarlier() ? Lines("SELECT day, typeof(text), hex(text), kept, why FROM Earlier ORDER BY rowid") : QStringList();
    }
    bool HasEarlier() const { return !Lines("SELECT name FROM sqlite_master WHERE name = 'Earlier'").isEmpty(); }
    QStringList Schema() const { return Lines("SELECT type, name, sql FROM sqlite_master ORDER BY name"); }

    SqliteConnection connection;

private:
    QTemporaryDir dir_;
};

inline QString Hex(const QByteArray& bytes) { return QString::fromLatin1(bytes.toHex().toUpper()); }

// A row as Table() shows it.
inline QString TableLine(qint64 id, const char* dayKey, const char* type, const QByteArray& bytes)
{
    return QStringLiteral("%1 | text | %2 | %3 | %4").arg(id).arg(Hex(dayKey), QString::fromLatin1(type), Hex(bytes));
}

// A kept text as Kept() shows it.
inline QString KeptLine(const char* dayKey, const QByteArray& bytes, const QString& kept, const QString& why, bool null = false)
{
    return QStringLiteral("%1 | %2 | %3 | %4 | %5")
        .arg(QString::fromLatin1(dayKey), null ? QStringLiteral("null") : QStringLiteral("blob"), Hex(bytes), kept, why);
}
