// The day SELECT and the month-range SELECT on a diary of 10 000 written days.
#include "store/diary_sql.h"
#include "store/sqlite_query.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kRows = 10000;
const TDateTime kFirstDay = EncodeDate(2000, 1, 1);

struct Diary {
    QTemporaryDir dir;
    SqliteConnection connection;

    Diary()
    {
        connection.Database = dir.filePath(QStringLiteral("Kalvo.db"));
        connection.Pragmas = DiarySql::ConnectionPragmas();
        connection.LockOnOpen = true;
        connection.Open();
        connection.ExecSQL(DiarySql::kCreateTable);
        connection.ExecSQL(QStringLiteral("BEGIN"));
        SqliteQuery insert(connection);
        insert.SetSQL(DiarySql::kInsert);
        for (int i = 0; i < kRows; ++i) {
            insert.SetDateTimeParam(QStringLiteral("Val1"), kFirstDay + i);
            DiarySql::SetDiaryParam(insert, QStringLiteral("Entry %1\r\nSecond line of the day.\r\n").arg(i));
            insert.ExecSQL();
        }
        connection.ExecSQL(QStringLiteral("COMMIT"));
    }
};

Diary& SharedDiary()
{
    static Diary diary;
    return diary;
}

void BM_DaySelect(benchmark::State& state)
{
    SqliteQuery query(SharedDiary().connection);
    int day = 0;
    for (auto _ : state) {
        query.SetSQL(DiarySql::DaySelect(kFirstDay + (day++ % kRows)));
        query.Open();
        benchmark::DoNotOptimize(query.AsString(QStringLiteral("diary")));
    }
}
BENCHMARK(BM_DaySelect)->Unit(benchmark::kMicrosecond);

void BM_MonthRangeSelect(benchmark::State& state)
{
    SqliteQuery query(SharedDiary().connection);
    int month = 0;
    for (auto _ : state) {
        const TDateTime first = kFirstDay + (month++ % 300) * 31;
        query.SetSQL(DiarySql::FilledDaysSelect(first, first + 31));
        query.Open();
        benchmark::DoNotOptimize(query.RecordCount());
    }
}
BENCHMARK(BM_MonthRangeSelect)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
