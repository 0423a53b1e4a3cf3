#pragma once

#include "sqlite_connection.h"
#include "platform/date_time.h"

#include <QString>

// The table Earlier, beside the diary's own: the texts that writes replaced or deleted, each kept
// once, as its bytes were stored, with the day key, when it was kept (UTC) and why. MyDb and its
// statements are left as they are; a diary gets this table with its first write.
namespace EarlierSql {

inline const QString kCreateTable = QStringLiteral("CREATE TABLE IF NOT EXISTS Earlier(day TEXT, text BLOB, kept TEXT, why TEXT)");
inline const QString kCreateIndex = QStringLiteral("CREATE INDEX IF NOT EXISTS EarlierByDay ON Earlier(day)");

// One text kept: `:Day` the day key, `:Text` its bytes (NULL for a NULL text).
inline const QString kKeep = QStringLiteral("INSERT INTO Earlier(day, text, kept, why) VALUES (:Day, :Text, :Kept, :Why)");

// Keeps the texts of the day's rows that the diary's UPDATE, bound the same way (`Val1` the day,
// `Val2` the new text), replaces by other bytes, before it runs.
inline const QString kKeepReplaced = QStringLiteral(
    "INSERT INTO Earlier(day, text, kept, why) SELECT :Val1, CAST(diary AS BLOB), :Kept, :Why FROM MyDb"
    " WHERE date = :Val1 AND COALESCE(CAST(diary AS BLOB), x'') <> CAST(:Val2 AS BLOB) ORDER BY ID");

// A day's kept texts, newest first; texts kept within one second in the order they were kept.
inline const QString kDayTexts =
    QStringLiteral("SELECT text, kept, why FROM Earlier WHERE day = :Day ORDER BY kept DESC, rowid DESC");

// The texts deleted since `:Since` from days that have no row now (compared as the day statements
// compare), newest first.
inline const QString kDeletedTexts = QStringLiteral(
    "SELECT day, text, kept, why FROM Earlier AS e WHERE why = 'delete' AND kept >= :Since"
    " AND NOT EXISTS (SELECT 1 FROM MyDb WHERE date = e.day) ORDER BY kept DESC, rowid DESC");

inline const QString kPrune = QStringLiteral("DELETE FROM Earlier WHERE kept < :Since");

// Creates the table and its index when the diary lacks them; part of a write's transaction.
void CreateTable(SqliteConnection& connection);

// Whether the diary has the table: one that never had a write has not.
bool HasTable(const SqliteConnection& connection);

// "2026-12-11T09:30:00Z": the local time `moment` in UTC, to the second. Stamps of this form sort
// as their moments do.
QString Stamp(TDateTime moment);

// The `why` of a text that --import --replace replaced; the day's writes keep theirs for "post"
// and "delete".
inline const QString kWhyImport = QStringLiteral("import");

}  // namespace EarlierSql
