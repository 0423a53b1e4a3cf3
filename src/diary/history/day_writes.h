#pragma once

#include "platform/date_time.h"

#include <QByteArray>
#include <QList>
#include <QString>

class SqliteConnection;

// The writes of a day's entry (Insert Record, Post, Delete Record, their undo and redo, Restore of
// a deleted day, --undelete), each in one transaction that also keeps, in the table Earlier, every
// text it replaces or deletes. A kill at any moment leaves either the old rows, or the new rows
// with the old texts kept: never neither.

// One row of MyDb exactly as stored: the `date` and `diary` values keep their SQLite type and
// bytes, so that putting a row back gives the row that was there.
struct StoredRow {
    qint64 id = 0;
    int dateType = 0;   // SQLITE_TEXT, SQLITE_INTEGER, ... (SQLITE_NULL for NULL)
    QByteArray date;    // the value's bytes: text as UTF-8, a number as its text
    int textType = 0;
    QByteArray text;
    bool operator==(const StoredRow&) const = default;
};
using DayRows = QList<StoredRow>;

// What one write did to a day: its rows before and after. Undo puts `before` back, redo `after`.
struct DayChange {
    enum class Kind { Insert, Post, Delete, Restore };
    Kind kind = Kind::Post;
    TDateTime day = 0;
    DayRows before;
    DayRows after;
    bool Changed() const { return before != after; }
};

// Why a text was kept; the `why` column's values.
inline const QString kKeptForPost = QStringLiteral("post");
inline const QString kKeptForDelete = QStringLiteral("delete");
inline const QString kKeptForImport = QStringLiteral("import");

class DayWrites {
public:
    // `diary` must stay open for as long as this object is used.
    explicit DayWrites(SqliteConnection& diary);

    // The rows the day's statements select (`date` equal to the day key), in ID order.
    DayRows Rows(TDateTime day) const;

    // Each raises the connection's error and changes nothing when it fails. `now` is when the
    // replaced texts are kept.
    //
    // Insert Record: a new row through the diary's INSERT. A day that has a row already is refused
    // with DuplicateDay, and nothing is written.
    DayChange Insert(TDateTime day, const QString& text, TDateTime now);
    // Post: every row of the day gets `text` through the diary's UPDATE; a day without a row gets
    // one through the INSERT. Each text it replaces by other bytes is kept ("post"); a Post that
    // stores the same bytes keeps nothing.
    DayChange Post(TDateTime day, const QString& text, TDateTime now);
    // Delete Record: every row of the day goes, through the diary's DELETE; each text is kept
    // ("delete").
    DayChange Delete(TDateTime day, TDateTime now);
    // "Restore" of a deleted day and `--undelete`: a new row through the diary's INSERT holding the
    // kept `text`'s bytes, byte for byte (bound as Post binds its text: a BLOB, which no affinity
    // turns into a number). A day that has a row is refused with DuplicateDay.
    DayChange Restore(TDateTime day, const QByteArray& text, TDateTime now);
    // Replaces the day's rows by `rows` exactly, IDs included (undo, redo). Texts that go or
    // change are kept: "delete" when the day has no row afterwards, else "post".
    DayChange PutRows(TDateTime day, const DayRows& rows, TDateTime now);

private:
    SqliteConnection& diary_;
};

// Insert Record on a day that has an entry already.
class DuplicateDay : public std::exception {
public:
    const char* what() const noexcept override { return "the day has an entry already"; }
};
