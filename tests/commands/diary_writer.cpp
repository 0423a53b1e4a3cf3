// Writes to the diary without end until it is killed: the busy diary of the fault injection test.
// By default the way the window's Insert Record, Post and Delete Record once wrote, a few rows at a
// time; with --day-writes through the day's writes, Post and Delete Record on the versioned days,
// each next text one version above the newest its day holds or keeps.
#include "diary/history/day_writes.h"
#include "diary/history/earlier_texts.h"
#include "diary_rows.h"
#include "platform/clock.h"
#include "versioned_days.h"

#include <QString>

#include <algorithm>
#include <random>

namespace {

[[noreturn]] void WriteRows(SqliteConnection& diary)
{
    const TDateTime first = EncodeDate(2020, 1, 1);
    for (int i = 0;; ++i) {
        const TDateTime day = first + i % 700;
        const QString text = QStringLiteral("Written in round %1 of the writer.\r\n").arg(i).repeated(1 + i % 40);
        diary.ExecSQL(QStringLiteral("BEGIN"));
        StoreDiaryRow(diary, day, text);
        StoreDiaryRow(diary, day + 1, text);
        diary.ExecSQL(QStringLiteral("COMMIT"));
        SqliteQuery change(diary);
        change.SetSQL(i % 3 == 0 ? DiarySql::kDelete : DiarySql::kUpdate);
        change.SetDateTimeParam(QStringLiteral("Val1"), first + (i * 7) % 700);
        DiarySql::SetDiaryParam(change, text);
        change.ExecSQL();
    }
}

[[noreturn]] void WriteDays(SqliteConnection& diary)
{
    DayWrites writes(diary);
    std::mt19937 random(std::random_device{}());
    for (;;) {
        const TDateTime day = VersionedDay(int(random() % kVersionedDays));
        const DayRows rows = writes.Rows(day);
        int newest = 0;
        for (const StoredRow& row : rows)
            newest = std::max(newest, VersionOf(row.text));
        for (const EarlierText& kept : EarlierTextsOf(diary, day))
            newest = std::max(newest, VersionOf(kept.text));
        if (!rows.isEmpty() && random() % 4 == 0)
            writes.Delete(day, Now());
        else
            writes.Post(day, VersionedText(newest + 1), Now());
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const bool dayWrites = argc == 3 && QByteArray(argv[2]) == "--day-writes";
    if (argc != 2 && !dayWrites)
        return 2;
    SqliteConnection diary;
    DiarySql::ConfigureConnection(diary);
    diary.Database = QString::fromLocal8Bit(argv[1]);
    diary.Open();
    if (dayWrites)
        WriteDays(diary);
    WriteRows(diary);
}
