#include "diary_printout.h"

#include "japanese_texts.h"
#include "report/model/user_dataset.h"
#include "store/diary_sql.h"

#include <sqlite3.h>

namespace {

int ColumnIndex(sqlite3_stmt* statement, const char* name)
{
    for (int c = 0; c < sqlite3_column_count(statement); ++c)
        if (sqlite3_stricmp(sqlite3_column_name(statement, c), name) == 0)
            return c;
    throw SqliteError(QLatin1String(kDataAccessTag) + QStringLiteral(" Field '%1' not found").arg(QLatin1String(name)));
}

// A text column as its UTF-8 bytes, read in place; NULL reads as no text.
QByteArrayView ColumnText(sqlite3_stmt* statement, int column)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return text ? QByteArrayView(text, sqlite3_column_bytes(statement, column)) : QByteArrayView();
}

// While the rows of a printout are read, SQLite would keep every page it reads in the page cache
// and sort the rows in memory up to the cache's size: for a range of years, as much again as the
// texts themselves. A small cache for that one statement keeps both small (the sort spills to a
// temporary file instead); the connection's own size comes back afterwards.
class SmallPageCache {
public:
    explicit SmallPageCache(SqliteConnection& connection) : db_(connection.Handle()), pages_(CacheSize(connection))
    {
        connection.ExecSQL(QStringLiteral("PRAGMA cache_size = %1").arg(kPages));
    }
    ~SmallPageCache()
    {
        const QByteArray restore = QByteArrayLiteral("PRAGMA cache_size = ") + QByteArray::number(pages_);
        sqlite3_exec(db_, restore.constData(), nullptr, nullptr, nullptr);
    }
    SmallPageCache(const SmallPageCache&) = delete;
    SmallPageCache& operator=(const SmallPageCache&) = delete;

private:
    // Also the smallest run SQLite's sorter writes out: 1 MiB with pages of 4 KiB.
    static constexpr int kPages = 250;

    static qint64 CacheSize(SqliteConnection& connection)
    {
        SqliteQuery query(connection);
        query.SetSQL(QStringLiteral("PRAGMA cache_size"));
        query.Open();
        return query.Eof() ? kPages : query.AsInteger(QStringLiteral("cache_size"));
    }

    sqlite3* db_;
    qint64 pages_;
};

}  // namespace

QString PrintoutDayFormat()
{
    return UseJapaneseTexts() ? QStringLiteral("yyyy年MM月dd日 (aaa 曜日)") : QStringLiteral("MM.dd.yyyy");
}

void ReadPrintoutEntries(SqliteConnection& connection, TDateTime first, TDateTime last, const QString& dayFormat,
                         PrintoutEntries& entries)
{
    entries.clear();
    const SmallPageCache smallCache(connection);
    const QByteArray sql = DiarySql::PrintoutSelect(first, last).toUtf8();
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(connection.Handle(), sql.constData(), int(sql.size()), &raw, nullptr) != SQLITE_OK)
        connection.Fail();
    const SqliteStatement statement(raw);
    const int date = ColumnIndex(raw, "date");
    const int diary = ColumnIndex(raw, "diary");
    int rc = SQLITE_ROW;
    while ((rc = sqlite3_step(raw)) == SQLITE_ROW) {
        // A date that reads as no day prints as day 0, as an empty date field does.
        const TDateTime day = ColumnDateTime(raw, date).value_or(0);
        entries.append(FormatDateTime(dayFormat, day).toUtf8(), ColumnText(raw, diary));
    }
    // A failed step is an error, never the end of a shorter printout.
    if (rc != SQLITE_DONE)
        connection.Fail();
    entries.squeeze();
}

void SetPrintoutRecordCount(TfrxUserDataSet& dataSet, int count)
{
    dataSet.SetRangeEnd(frx::reCount);
    dataSet.SetRangeEndCount(count);
}

void PrintoutValue(const PrintoutEntries& entries, int recNo, const QString& varName, QVariant& value)
{
    if (recNo < 0 || recNo >= entries.size())
        return;
    if (varName == QLatin1String("Data1"))
        value = entries.Heading(recNo);
    else if (varName == QLatin1String("Data2"))
        value = entries.Text(recNo);
}
