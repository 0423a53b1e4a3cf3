#pragma once

#include <QString>
#include <QStringList>

// The diary in use (see DiaryFilePath) checked, copied or replaced as a whole, for the commands
// --check, --backup and --restore, and opened for the other commands that work on it. Each opens the diary as the window does, lock included, so a
// diary another Kalvo has open is refused; a missing diary is never created. Each raises an
// Exception that says why it did nothing.

class SqliteConnection;

// Opens the diary in use on `diary` as the window opens it, lock included, but neither creates a
// missing diary nor adds a table to it. A diary another Kalvo has open is refused with an
// Exception that says so.
void OpenDiaryInUse(SqliteConnection& diary);

struct DiaryCheckResult {
    QStringList findings;  // what is wrong, one finding a line; empty when the diary is sound
    QStringList notes;     // what is no damage but worth knowing: days that hold two or more rows
};
DiaryCheckResult CheckDiaryInUse();

// Writes a checked copy of the diary to `file`, which ends up the old file or the whole copy.
void BackUpDiaryTo(const QString& file);

// Puts the sound diary `file` in the diary's place; the diary it replaces is kept in the backups
// folder: as a checked copy when it is sound, else byte for byte (when SQLite cannot open it, when
// it fails its quick check, or when copying it through SQLite fails). Answers the line that says
// what was done.
QString RestoreDiary(const QString& file);
