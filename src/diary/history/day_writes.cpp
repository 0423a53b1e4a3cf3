#include "day_writes.h"

#include "earlier_texts.h"
#include "stored_values.h"
#include "store/diary_sql.h"
#include "store/earlier_sql.h"
#include "store/sqlite_rows.h"
#include "store/sqlite_values.h"

#include <sqlite3.h>

#include <functional>

namespace {

// What the day's statements select: `date` compared with the day bound as they bind it. The "+"
// takes the column's NUMERIC affinity off the comparison; it selects the same rows (the day is no
// number, so that affinity leaves it TEXT) without trying to read the day as a number at each row.
const QByteArray kDayRows = "SELECT ID, date, diary FROM MyDb WHERE +date = :Val1 ORDER BY ID";
// A row put back as it was: its own ID, both values with their own storage classes.
const QByteArray kPutRow = "INSERT INTO MyDb (ID, \"date\", \"diary\") VALUES (:ID, :Date, :Text)";

// The day as the diary's statements bind `Val1`: the TEXT "2026-12-02".
QByteArray DayParam(TDateTime day) { return DateTimeParamText(day).toUtf8(); }

DayRows RowsOf(const SqliteConnection& diary, TDateTime day)
{
    SqliteRows rows(diary, kDayRows);
    BindValue(diary, rows.Statement(), ":Val1", SQLITE_TEXT, DayParam(day));
    DayRows result;
    while (rows.Next()) {
        StoredRow row;
        row.id = sqlite3_column_int64(rows.Statement(), 0);
        row.dateType = sqlite3_column_type(rows.Statement(), 1);
        row.date = ValueBytes(rows.Statement(), 1);
        row.textType = sqlite3_column_type(rows.Statement(), 2);
        row.text = ValueBytes(rows.Statement(), 2);
        result.append(row);
    }
    return result;
}

// Insert Record's, Post's and Delete Record's own statements, bound as the window binds them.
void RunDiaryStatement(SqliteConnection& diary, const QString& sql, TDateTime day, const QString* text = nullptr)
{
    SqliteQuery query(diary);
    query.SetSQL(sql);
    query.SetDateTimeParam(QStringLiteral("Val1"), day);
    if (text)
        DiarySql::SetDiaryParam(query, *text);
    query.ExecSQL();
}

void Run(SqliteRows& statement)
{
    while (statement.Next()) {
    }
}

void KeepText(SqliteConnection& diary, TDateTime day, const StoredRow& row, const QString& why, TDateTime now)
{
    SqliteRows keep(diary, EarlierSql::kKeep.toUtf8());
    sqlite3_stmt* statement = keep.Statement();
    BindValue(diary, statement, ":Day", SQLITE_TEXT, DiarySql::DayKey(day).toUtf8());
    BindValue(diary, statement, ":Text", row.textType == SQLITE_NULL ? SQLITE_NULL : SQLITE_BLOB, row.text);
    BindValue(diary, statement, ":Kept", SQLITE_TEXT, KeptStamp(now).toUtf8());
    BindValue(diary, statement, ":Why", SQLITE_TEXT, why.toUtf8());
    Run(keep);
}

// Keeps each text of `before` that `after` no longer holds. Texts are matched by their bytes, each
// row of `after` standing for one, so a text that stays on the day, in whatever row, is not kept
// again; a NULL text counts as the empty one.
void KeepLostTexts(SqliteConnection& diary, const DayChange& change, TDateTime now)
{
    const QString& why = change.after.isEmpty() ? kKeptForDelete : kKeptForPost;
    QList<QByteArray> remaining;
    for (const StoredRow& row : change.after)
        remaining.append(row.text);
    for (const StoredRow& row : change.before) {
        if (!remaining.removeOne(row.text))
            KeepText(diary, change.day, row, why, now);
    }
}

// One write of the day, whole or not at all: the rows before it, the write, which answers the rows
// it leaves, and the texts it lost kept, in one transaction. The table has no index on `date`, so
// each look at a day's rows reads all of it: the rows after are told by the write rather than read.
DayChange Write(SqliteConnection& diary, DayChange::Kind kind, TDateTime day, TDateTime now,
                const std::function<DayRows(const DayRows& before)>& write)
{
    DayChange change;
    change.kind = kind;
    change.day = DateOf(day);
    WriteTransaction(diary, [&] {
        EarlierSql::CreateTable(diary);
        change.before = RowsOf(diary, change.day);
        change.after = write(change.before);
        KeepLostTexts(diary, change, now);
    });
    return change;
}

// A row as the diary's INSERT leaves it: the day bound as TEXT, which the column's affinity keeps
// as it is, and the text as the BLOB its bytes were bound as.
StoredRow InsertedRow(const SqliteConnection& diary, TDateTime day, const QByteArray& text)
{
    return StoredRow{sqlite3_last_insert_rowid(diary.Handle()), SQLITE_TEXT, DayParam(day), SQLITE_BLOB, text};
}

void RefuseADayWithRows(const DayRows& before)
{
    if (!before.isEmpty())
        throw DuplicateDay();
}

}  // namespace

DayWrites::DayWrites(SqliteConnection& diary) : diary_(diary) {}

DayRows DayWrites::Rows(TDateTime day) const { return RowsOf(diary_, DateOf(day)); }

DayChange DayWrites::Insert(TDateTime day, const QString& text, TDateTime now)
{
    return Write(diary_, DayChange::Kind::Insert, day, now, [&](const DayRows& before) {
        RefuseADayWithRows(before);
        RunDiaryStatement(diary_, DiarySql::kInsert, DateOf(day), &text);
        return DayRows{InsertedRow(diary_, DateOf(day), text.toUtf8())};
    });
}

DayChange DayWrites::Post(TDateTime day, const QString& text, TDateTime now)
{
    return Write(diary_, DayChange::Kind::Post, day, now, [&](const DayRows& before) {
        RunDiaryStatement(diary_, before.isEmpty() ? DiarySql::kInsert : DiarySql::kUpdate, DateOf(day), &text);
        if (before.isEmpty())
            return DayRows{InsertedRow(diary_, DateOf(day), text.toUtf8())};
        DayRows after = before;
        for (StoredRow& row : after) {
            row.textType = SQLITE_BLOB;
            row.text = text.toUtf8();
        }
        return after;
    });
}

DayChange DayWrites::Delete(TDateTime day, TDateTime now)
{
    return Write(diary_, DayChange::Kind::Delete, day, now, [&](const DayRows&) {
        RunDiaryStatement(diary_, DiarySql::kDelete, DateOf(day));
        return DayRows();
    });
}

DayChange DayWrites::Restore(TDateTime day, const QByteArray& text, TDateTime now)
{
    return Write(diary_, DayChange::Kind::Restore, day, now, [&](const DayRows& before) {
        RefuseADayWithRows(before);
        // Bound as Post binds its text, a BLOB, so that no affinity turns a kept "007" into 7; the
        // bytes themselves, which need not be UTF-8.
        SqliteRows insert(diary_, DiarySql::kInsert.toUtf8());
        BindValue(diary_, insert.Statement(), ":Val1", SQLITE_TEXT, DayParam(DateOf(day)));
        BindValue(diary_, insert.Statement(), ":Val2", SQLITE_BLOB, text);
        Run(insert);
        return DayRows{InsertedRow(diary_, DateOf(day), text)};
    });
}

DayChange DayWrites::PutRows(TDateTime day, const DayRows& rows, TDateTime now)
{
    return Write(diary_, DayChange::Kind::Post, day, now, [&](const DayRows& before) {
        if (before == rows)
            return before;
        RunDiaryStatement(diary_, DiarySql::kDelete, DateOf(day));
        for (const StoredRow& row : rows) {
            SqliteRows put(diary_, kPutRow);
            BindValue(diary_, put.Statement(), ":ID", SQLITE_INTEGER, QByteArray::number(row.id));
            BindValue(diary_, put.Statement(), ":Date", row.dateType, row.date);
            BindValue(diary_, put.Statement(), ":Text", row.textType, row.text);
            Run(put);
        }
        return rows;
    });
}
