#pragma once

#include "sqlite_connection.h"

#include <QStringList>

// Consistent copies of a database and checks of the diary, what its backups are made and judged by.

// Copies the database open on `source` into the file `target` through SQLite's online backup. The
// copy is read through `source` itself: the diary's connection keeps its file locked for as long as
// it is open, so no second connection could read it, and a copy of the file's bytes could catch a
// change half-written. The copy is then checked with quick_check. `target` must be new or empty.
// Raises SqliteError when the copy or its check fails; `target` may then hold a part of a copy, so
// write it under a temporary name and give it its own name only after this returns.
void CopyDatabase(SqliteConnection& source, const QString& target);

// Copies the bytes of the database file open on `source` to the new file `target` as they are,
// damage and all, through the connection's own file handle: opening and closing the file once more
// in this process would drop the connection's lock on it. For a file that cannot be copied page by
// page. False when the file cannot be read or the copy written.
bool CopyDatabaseFile(SqliteConnection& source, const QString& target);

// What is wrong with the diary open on `connection`: the findings of SQLite's integrity_check (or
// of the quicker quick_check), whatever the diary's table lacks, and the columns the table of
// earlier texts lacks when there is one. Empty when the diary is sound.
enum class CheckDepth { Quick, Full };
QStringList DiaryProblems(SqliteConnection& connection, CheckDepth depth = CheckDepth::Full);

// SQLite's own check alone (integrity_check, or quick_check), without the diary's tables: what
// tells whether the file can be copied page by page.
QStringList IntegrityFindings(SqliteConnection& connection, CheckDepth depth);

// What is worth knowing about a sound diary but is no damage, one line each: the days that hold
// two or more rows ("2026-12-02 has 2 entries"), which every reader and writer keeps as they are.
QStringList DiaryNotes(SqliteConnection& connection);

// Opens `path` only for reading, without creating it or its table, and gives what DiaryProblems
// finds; a file SQLite cannot read as a database at all is a problem too, in SQLite's own words.
QStringList DiaryFileProblems(const QString& path, CheckDepth depth = CheckDepth::Full);

// Whether SQLite says the file is damaged ("database disk image is malformed") or no database at
// all ("file is not a database").
bool IsDamagedDatabase(const SqliteError& error);
// SQLite's own words for the kind of error ("file is not a database"), without this layer's tags.
QString PlainMessage(const SqliteError& error);
// Whether another connection holds the file's lock.
bool IsLockedDatabase(const SqliteError& error);
