#pragma once

#include "store/diary_sql.h"

#include <QString>

#include <functional>
#include <map>
#include <memory>

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

// One diary of each size for the whole run, made on first use: writing 50,000 days takes longer
// than any measurement made on them.
template <class Diary>
Diary& SharedDiary(int entries)
{
    static std::map<int, std::unique_ptr<Diary>> diaries;
    auto& diary = diaries[entries];
    if (!diary)
        diary = std::make_unique<Diary>(entries);
    return *diary;
}
