#include "earlier_sql.h"

#include "sqlite_rows.h"

#include <QDateTime>

namespace EarlierSql {

void CreateTable(SqliteConnection& connection)
{
    connection.ExecSQL(kCreateTable);
    connection.ExecSQL(kCreateIndex);
}

bool HasTable(const SqliteConnection& connection)
{
    SqliteRows rows(connection, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'Earlier' COLLATE NOCASE");
    return rows.Next();
}

QString Stamp(TDateTime moment)
{
    const DateParts d = DecodeDate(moment);
    const TimeParts t = DecodeTime(moment);
    const QDateTime local(QDate(d.year, d.month, d.day), QTime(t.hour, t.minute, t.second), Qt::LocalTime);
    return local.toUTC().toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss'Z'"));
}

}  // namespace EarlierSql
