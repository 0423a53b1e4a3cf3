// The writes of a day's entry: what each leaves in MyDb and which texts it keeps in Earlier, over a
// table of texts as the window or another program stored them; undo and redo through PutRows.
#include "diary/history/day_writes.h"
#include "diary/history/earlier_texts.h"
#include "history_diary.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

const char* const kDay = "2026-12-02";
const TDateTime kDayValue = EncodeDate(2026, 12, 2);
const TDateTime kNow = EncodeDate(2026, 12, 11) + EncodeTime(9, 30, 0, 0);

// What a day may hold before a write: no row, one or two rows of texts that a careless write would
// change or lose.
struct DayCase {
    const char* name;
    QList<RawValue> rows;
};

const QList<DayCase>& DayCases()
{
    static const QList<DayCase> cases = {
        {"no row", {}},
        {"the empty text", {{SQLITE_BLOB, ""}}},
        {"abc", {{SQLITE_BLOB, "abc"}}},
        {"abc and CR LF", {{SQLITE_BLOB, "abc\r\n"}}},
        {"abc stored as TEXT by an older writer", {{SQLITE_TEXT, "abc"}}},
        {"a NUL inside, as TEXT by another program", {{SQLITE_TEXT, QByteArray("a\0b\r\n", 5)}}},
        {"bytes that are no UTF-8, as BLOB by another program", {{SQLITE_BLOB, "\xff\xfe" "abc\x80"}}},
        {"a number another program stored", {{SQLITE_INTEGER, "7"}}},
        {"two rows", {{SQLITE_BLOB, "abc"}, {SQLITE_BLOB, "x\xffy\r\n"}}},
    };
    return cases;
}

// A diary holding the case's rows for the day, a row of the day before and one of the day after
// around them: every write must leave those as they were.
struct CaseDiary : HistoryDiary {
    explicit CaseDiary(const DayCase& c)
    {
        StoreRaw("2026-12-01", {SQLITE_BLOB, "the day before"});
        for (const RawValue& row : c.rows)
            StoreRaw(kDay, row);
        StoreRaw("2026-12-03", {SQLITE_BLOB, "the day after"});
    }

    QStringList Neighbours() const { return Lines("SELECT ID, date, diary FROM MyDb WHERE date <> '2026-12-02' ORDER BY ID"); }
    QStringList DayRows() const
    {
        return Lines("SELECT ID, typeof(date), hex(date), typeof(diary), hex(diary) FROM MyDb WHERE date = '2026-12-02' ORDER BY ID");
    }
};

TEST(DayWrites, PostGivesEveryRowTheTextAndKeepsEachTextItReplacesByOtherBytes)
{
    const QByteArray posted = "abc";
    for (const DayCase& c : DayCases()) {
        SCOPED_TRACE(c.name);
        CaseDiary diary(c);
        const QStringList neighbours = diary.Neighbours();
        DayWrites writes(diary.connection);
        const DayRows before = writes.Rows(kDayValue);

        const DayChange change = writes.Post(kDayValue, QString::fromUtf8(posted), kNow);

        QStringList rows, kept;
        for (qsizetype i = 0; i < c.rows.size(); ++i) {
            rows << TableLine(2 + i, kDay, "blob", posted);
            if (c.rows[i].bytes != posted)
                kept << KeptLine(kDay, c.rows[i].bytes, QStringLiteral("2026-12-11T09:30:00Z"), kKeptForPost);
        }
        if (c.rows.isEmpty())
            rows << TableLine(3, kDay, "blob", posted);  // a day without a row gets one
        EXPECT_EQ(diary.DayRows(), rows);
        EXPECT_EQ(diary.Kept(), kept);
        EXPECT_EQ(diary.Neighbours(), neighbours);
        EXPECT_EQ(change.kind, DayChange::Kind::Post);
        EXPECT_EQ(change.day, kDayValue);
        EXPECT_EQ(change.before, before);
        EXPECT_EQ(change.after, writes.Rows(kDayValue));
    }
}

TEST(DayWrites, DeleteRemovesEveryRowOfTheDayAndKeepsEachText)
{
    for (const DayCase& c : DayCases()) {
        SCOPED_TRACE(c.name);
        CaseDiary diary(c);
        const QStringList neighbours = diary.Neighbours();
        DayWrites writes(diary.connection);

        const DayChange change = writes.Delete(kDayValue, kNow);

        QStringList kept;
        for (const RawValue& row : c.rows)
            kept << KeptLine(kDay, row.bytes, QStringLiteral("2026-12-11T09:30:00Z"), kKeptForDelete);
        EXPECT_EQ(diary.DayRows(), QStringList());
        EXPECT_EQ(diary.Kept(), kept);
        EXPECT_EQ(diary.Neighbours(), neighbours);
        EXPECT_EQ(change.before.size(), c.rows.size());
        EXPECT_TRUE(change.after.isEmpty());
    }
}

TEST(DayWrites, InsertAddsARowToAnEmptyDayAndRefusesADayWithOneWritingNothing)
{
    for (const DayCase& c : DayCases()) {
        SCOPED_TRACE(c.name);
        CaseDiary diary(c);
        const QStringList table = diary.Table(), schema = diary.Schema();
        DayWrites writes(diary.connection);
        if (c.rows.isEmpty()) {
            const DayChange change = writes.Insert(kDayValue, QStringLiteral("007\r\n"), kNow);
            EXPECT_EQ(diary.DayRows(), QStringList{TableLine(3, kDay, "blob", "007\r\n")}) << "stored byte for byte, not as 7";
            EXPECT_EQ(change.after, writes.Rows(kDayValue));
            EXPECT_EQ(diary.Kept(), QStringList());
        } else {
            EXPECT_THROW(writes.Insert(kDayValue, QStringLiteral("new"), kNow), DuplicateDay);
            EXPECT_EQ(diary.Table(), table);
            EXPECT_EQ(diary.Schema(), schema) << "not even the table Earlier is made";
        }
    }
}

TEST(DayWrites, PostingTheSameBytesKeepsNothingAndAnOlderDiaryGetsTheTableWithItsFirstWrite)
{
    CaseDiary diary({"", {{SQLITE_BLOB, "same\r\n"}}});
    ASSERT_FALSE(diary.HasEarlier());
    DayWrites writes(diary.connection);
    const DayChange change = writes.Post(kDayValue, QStringLiteral("same\r\n"), kNow);
    EXPECT_FALSE(change.Changed());
    EXPECT_TRUE(diary.HasEarlier());
    EXPECT_EQ(diary.Kept(), QStringList());
    EXPECT_EQ(diary.Lines("SELECT name FROM sqlite_master WHERE type = 'index'"), QStringList{QStringLiteral("EarlierByDay")});
}

// Undo puts `before` back and redo `after`: the whole table, IDs, storage classes and bytes, is
// what it was at each point.
TEST(DayWrites, UndoAndRedoThroughPutRowsGiveTheTableBackByteForByte)
{
    QList<DayCase> cases = DayCases();
    cases.append({"a real number another program stored", {{SQLITE_FLOAT, "0.30000000000000004"}}});
    cases.append({"a NULL text", {{SQLITE_NULL, ""}}});
    using Write = std::function<DayChange(DayWrites&)>;
    const std::pair<const char*, Write> writes[] = {
        {"post", [](DayWrites& w) { return w.Post(kDayValue, QStringLiteral("new words\r\n"), kNow); }},
        {"delete", [](DayWrites& w) { return w.Delete(kDayValue, kNow); }},
    };
    for (const DayCase& c : cases) {
        for (const auto& [name, write] : writes) {
            SCOPED_TRACE(std::string(c.name) + ", " + name);
            CaseDiary diary(c);
            DayWrites dayWrites(diary.connection);
            const QStringList original = diary.Table();
            const DayChange change = write(dayWrites);
            const QStringList written = diary.Table();

            const DayChange undo = dayWrites.PutRows(kDayValue, change.before, kNow + 1);
            EXPECT_EQ(diary.Table(), original);
            EXPECT_EQ(undo.after, change.before);
            const DayChange redo = dayWrites.PutRows(kDayValue, change.after, kNow + 2);
            EXPECT_EQ(diary.Table(), written);
            EXPECT_EQ(redo.after, change.after);
        }
    }
}

TEST(DayWrites, PutRowsKeepsTheTextsItTakesAway)
{
    CaseDiary diary({"", {{SQLITE_BLOB, "first"}}});
    DayWrites writes(diary.connection);
    const DayChange post = writes.Post(kDayValue, QStringLiteral("second"), kNow);
    const QString undoStamp = KeptStamp(kNow + 1), redoStamp = KeptStamp(kNow + 2);

    writes.PutRows(kDayValue, post.before, kNow + 1);  // undo: "second" goes
    writes.PutRows(kDayValue, post.before, kNow + 2);  // the same rows again: nothing goes
    writes.PutRows(kDayValue, {}, kNow + 2);           // the day emptied: "first" is deleted

    EXPECT_EQ(diary.Kept(), (QStringList{KeptLine(kDay, "first", KeptStamp(kNow), kKeptForPost),
                                         KeptLine(kDay, "second", undoStamp, kKeptForPost),
                                         KeptLine(kDay, "first", redoStamp, kKeptForDelete)}));
}

TEST(DayWrites, RestorePutsKeptBytesBackOnADayWithoutARowAndRefusesOneWithARow)
{
    CaseDiary diary({"", {}});
    DayWrites writes(diary.connection);
    const QByteArray kept("12.50\r\n\xff", 8);
    const DayChange change = writes.Restore(kDayValue, kept, kNow);
    EXPECT_EQ(change.kind, DayChange::Kind::Restore);
    EXPECT_EQ(diary.DayRows(), QStringList{TableLine(3, kDay, "blob", kept)});
    const QStringList table = diary.Table();
    EXPECT_THROW(writes.Restore(kDayValue, "again", kNow), DuplicateDay);
    EXPECT_EQ(diary.Table(), table);
}

TEST(DayWrites, AFailedWriteChangesNothing)
{
    CaseDiary diary({"", {{SQLITE_BLOB, "kept as it is"}}});
    DayWrites writes(diary.connection);
    // A row of another day holds the ID that the undo would put back.
    DayRows rows = writes.Rows(kDayValue);
    rows.first().id = 1;
    rows.first().text = "changed";
    const QStringList table = diary.Table(), schema = diary.Schema();
    EXPECT_THROW(writes.PutRows(kDayValue, rows, kNow), SqliteError);
    EXPECT_EQ(diary.Table(), table);
    EXPECT_EQ(diary.Schema(), schema);
    EXPECT_EQ(diary.Kept(), QStringList());
}

}  // namespace
