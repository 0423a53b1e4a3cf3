#pragma once

#include "store/diary_sql.h"
#include "store/sqlite_query.h"

// Writes a diary row straight through the store, the way Insert Record does.
inline void StoreDiaryRow(SqliteConnection& connection, TDateTime day, const QString& text)
{
    SqliteQuery q(connection);
    q.SetSQL(DiarySql::kInsert);
    q.SetDateTimeParam(QStringLiteral("Val1"), day);
    DiarySql::SetDiaryParam(q, text);
    q.ExecSQL();
}

// The text stored for `day` in the diary file at `file`, read without taking its lock for long;
// "<none>" when the day has no row.
inline QString StoredDayText(const QString& file, TDateTime day)
{
    SqliteConnection connection;
    connection.Database = file;
    connection.ReadOnly = true;
    connection.Open();
    SqliteQuery query(connection);
    query.SetSQL(DiarySql::DaySelect(day));
    query.Open();
    return query.Eof() ? QStringLiteral("<none>") : query.AsString(QStringLiteral("diary"));
}
