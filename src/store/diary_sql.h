#pragma once

#include "sqlite_connection.h"
#include "sqlite_query.h"
#include "platform/date_time.h"

#include <QList>
#include <QString>
#include <vector>

// The diary table and every statement the program sends, text for text.
namespace DiarySql {

inline const QString kCreateTable =
    QStringLiteral("CREATE TABLE IF NOT EXISTS MyDb(ID integer PRIMARY KEY,date datetime , diary string)");
inline const QString kSelectAll = QStringLiteral("SELECT * FROM MyDb order by date asc");
inline const QString kInsert = QStringLiteral("INSERT INTO MyDb (\"date\", \"diary\") VALUES (:Val1, :Val2)");
inline const QString kUpdate = QStringLiteral("update MyDb set diary =:Val2  where date = :Val1");
inline const QString kDelete = QStringLiteral("DELETE FROM MyDb WHERE date = :Val1");
// Find in the diary reads every row once and matches in memory: SQLite's LIKE ignores case for
// ASCII letters only.
inline const QString kSearchSelect = QStringLiteral("SELECT date, diary FROM MyDb");

// Connection settings, in the order they are sent. Writes are synced in full so that a crash or
// power loss cannot corrupt the diary.
std::vector<Pragma> ConnectionPragmas();

// Gives a connection the diary's settings: the pragmas, the lock taken at open and the table
// created after connecting.
void ConfigureConnection(SqliteConnection& connection);

// "2021-06-30": the day key the `date` column holds; never depends on the locale.
QString DayKey(TDateTime day);

// Binds the diary text of Insert and Post (`Val2`) byte for byte: bound as TEXT, the column's
// NUMERIC affinity would store "007" as the number 7 and "12.50" as 12.5.
void SetDiaryParam(SqliteQuery& query, const QString& text);

QString DaySelect(TDateTime day);
QString FilledDaysSelect(TDateTime first, TDateTime last);
QString PrintoutSelect(TDateTime first, TDateTime last);

// The `date` values of the rows between the two days, both included, as FilledDaysSelect gives
// them: a list, so a day with two rows stands in it twice.
QList<TDateTime> FilledDays(SqliteConnection& connection, TDateTime first, TDateTime last);

}  // namespace DiarySql
