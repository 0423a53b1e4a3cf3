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
