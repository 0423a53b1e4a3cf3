#pragma once

#include "store/diary_sql.h"

#include <QString>

#include <functional>

// Opens the diary file at `path` as the program does and writes `entries` days from 1900-01-01 on,
// in one transaction, the way Insert Record writes each; `text` gives the text of entry number i.
inline void WriteDiaryDays(SqliteConnection& connection, const QString& path, int entries,
                           const std::function<QString(int)>& text)
{
    connection.Database = path;
    DiarySql::ConfigureConnection(connection);
    connection.Open();
    connection.ExecSQL(QStringLiteral("BEGIN"));
    SqliteQuery insert(connection);
    insert.SetSQL(DiarySql::kInsert);
    const TDateTime firstDay = EncodeDate(1900, 1, 1);
    for (int i = 0; i < entries; ++i) {
        insert.SetDateTimeParam(QStringLiteral("Val1"), firstDay + i);
        DiarySql::SetDiaryParam(insert, text(i));
        insert.ExecSQL();
    }
    connection.ExecSQL(QStringLiteral("COMMIT"));
}
