#include "diary_printout.h"

#include "diary/base/japanese_texts.h"
#include "report/model/user_dataset.h"
#include "store/diary_sql.h"
#include "store/sqlite_rows.h"

#include <sqlite3.h>

namespace {

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
    SqliteRows rows(connection, DiarySql::PrintoutSelect(first, last).toUtf8());
    const int date = rows.ColumnIndex("date");
    const int diary = rows.ColumnIndex("diary");
    while (rows.Next()) {
        // A date that reads as no day prints as day 0, as an empty date field does.
        const TDateTime day = ColumnDateTime(rows.Statement(), date).value_or(0);
        entries.append(FormatDateTime(dayFormat, day).toUtf8(), rows.Text(diary));
    }
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
