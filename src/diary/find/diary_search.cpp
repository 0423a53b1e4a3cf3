#include "diary_search.h"

#include "row_day.h"

#include "store/diary_sql.h"
#include "store/sqlite_rows.h"

#include <sqlite3.h>

namespace {

// The diary file's size: more than its texts take, so the folded texts need no second allocation.
size_t FileBytes(sqlite3* db)
{
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db, "SELECT page_count * page_size FROM pragma_page_count(), pragma_page_size()", -1, &raw,
                           nullptr) != SQLITE_OK)
        return 0;
    const SqliteStatement stmt(raw);
    return sqlite3_step(raw) == SQLITE_ROW ? size_t(std::max<sqlite3_int64>(sqlite3_column_int64(raw, 0), 0)) : 0;
}

}  // namespace

QVector<DiaryHit> DiarySearch::Find(const QString& text)
{
    if (text.isEmpty())
        return {};
    if (readAtChanges_ != connection_.TotalChanges())
        return Refresh(text);
    return index_.Find(text);
}

// The rows are folded as SQLite hands them over, without a copy of the table in between.
QVector<DiaryHit> DiarySearch::Refresh(const QString& text)
{
    index_ = {};
    readAtChanges_.reset();
    sqlite3* db = connection_.Handle();
    DiaryIndex index;
    index.Reserve(FileBytes(db));
    index.FindWhileAdding(text);
    {
        SqliteRows rows(connection_, DiarySql::kSearchSelect.toUtf8());
        while (rows.Next()) {
            if (const TDateTime day = RowDay(rows.Statement(), 0); day != 0)
                index.Add(day, rows.Text(1));
        }
    }
    QVector<DiaryHit> hits = index.Finish();
    index_ = std::move(index);
    readAtChanges_ = connection_.TotalChanges();
    return hits;
}
