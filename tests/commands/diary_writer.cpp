// Writes to the diary without end, the way the window's Insert Record, Post and Delete Record do, a
// few rows at a time, until it is killed: the busy diary of the fault injection test.
#include "diary_rows.h"

#include <QString>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 2;
    SqliteConnection diary;
    DiarySql::ConfigureConnection(diary);
    diary.Database = QString::fromLocal8Bit(argv[1]);
    diary.Open();
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
