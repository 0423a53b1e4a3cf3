#pragma once

#include "store/diary_sql.h"
#include "store/sqlite_query.h"
#include "store/sqlite_rows.h"

#include <sqlite3.h>

// Writes a diary row straight through the store, the way Insert Record does.
inline void StoreDiaryRow(SqliteConnection& connection, TDateTime day, const QString& text)
{
    SqliteQuery q(connection);
    q.SetSQL(DiarySql::kInsert);
    q.SetDateTimeParam(QStringLiteral("Val1"), day);
    DiarySql::SetDiaryParam(q, text);
    q.ExecSQL();
}

// The text stored for `day` (its first row) through an open connection; "<none>" when the day
// has no row.
inline QString DayText(SqliteConnection& connection, TDateTime day)
{
    SqliteQuery query(connection);
    query.SetSQL(DiarySql::DaySelect(day));
    query.Open();
    return query.Eof() ? QStringLiteral("<none>") : query.AsString(QStringLiteral("diary"));
}

// The text stored for `day` in the diary file at `file`, read without taking its lock for long;
// "<none>" when the day has no row.
inline QString StoredDayText(const QString& file, TDateTime day)
{
    SqliteConnection connection;
    connection.Database = file;
    connection.ReadOnly = true;
    connection.Open();
    return DayText(connection, day);
}

// The day's `diary` values exactly as SQLite holds them, in row order, each behind its type
// ("3:" for TEXT, "4:" for a BLOB) so that a text that came back as another type shows.
inline QByteArray DayBytes(const SqliteConnection& connection, TDateTime day)
{
    SqliteRows rows(connection, DiarySql::DaySelect(day).toUtf8());
    const int diary = rows.ColumnIndex("diary");
    QByteArray bytes;
    while (rows.Next()) {
        sqlite3_stmt* stmt = rows.Statement();
        bytes += QByteArray::number(sqlite3_column_type(stmt, diary)) + ':';
        bytes += QByteArray(static_cast<const char*>(sqlite3_column_blob(stmt, diary)), sqlite3_column_bytes(stmt, diary));
        bytes += '|';
    }
    return bytes;
}
