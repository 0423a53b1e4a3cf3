#pragma once

#include "diary_stamp.h"
#include "platform/date_time.h"
#include "store/sqlite_connection.h"

#include <QList>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>

// The filled days of the whole diary kept in a small SQLite file beside it, so that the calendar
// can mark a month without scanning the diary's table (which has no index, and gets none). The
// file holds every row's `date` value as the diary stores it, in a table of the same name and
// column type, and the stamp of the diary state it was copied from. It is believed only while
// that stamp is the diary's present one; anything else (another program changed the diary, the
// file is damaged, no file can be written here) means reading the diary itself, so marks are
// never taken from a stale copy.
class FilledDaysCache {
public:
    FilledDaysCache(SqliteConnection& diary, QString path);
    ~FilledDaysCache();
    FilledDaysCache(const FilledDaysCache&) = delete;
    FilledDaysCache& operator=(const FilledDaysCache&) = delete;

    // Kalvo.db keeps its filled days in Kalvo.days.
    static QString PathBeside(const QString& diaryPath);

    // What the diary's filled-days SELECT returns for the range, in its order and with its
    // repeats, when the copy is current; nothing otherwise.
    std::optional<QList<TDateTime>> FilledDays(TDateTime first, TDateTime last);

    // Copies every day of the diary into a new file, replacing whatever was there; false when
    // no copy can be kept. Reads the whole table, so the window does it when it is idle.
    bool Rebuild();
    void RebuildSoon();  // once, a little after the calendar has been drawn

    // After this program wrote the diary: the copy follows a write it can repeat and goes stale
    // at any other.
    void Inserted(TDateTime day);
    void Deleted(TDateTime day);
    void TextsChanged();
    // A write that left the day with `rows` rows (undo, redo, a restored day).
    void DayHasRows(TDateTime day, qsizetype rows);

private:
    void CheckStoredCopy();
    void Follow(const std::function<void()>& repeatWrite);
    void Discard();

    SqliteConnection& diary_;
    QString path_;
    std::unique_ptr<SqliteConnection> copy_;
    std::optional<DiaryStamp> current_;  // the diary state the copy holds, while it holds it
    bool checked_ = false;
    bool unavailable_ = false;  // no copy can be written here; not tried again in this run
    QTimer rebuildTimer_;
};
