#include "diary_sql.h"

namespace DiarySql {

namespace {

QString Quoted(TDateTime day) { return QLatin1Char('"') + DayKey(day) + QLatin1Char('"'); }

QString RangeSelect(const QString& columns, TDateTime first, TDateTime last)
{
    return QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM MyDb  WHERE date BETWEEN ") + Quoted(first) +
           QStringLiteral(" AND ") + Quoted(last) + QStringLiteral(" order by date asc");
}

}  // namespace

std::vector<Pragma> ConnectionPragmas()
{
    return {{"cache_size", "10000"},
            {"locking_mode", "Exclusive"},
            {"synchronous", "FULL"},
            {"journal_mode", "Delete"},
            {"foreign_keys", "On"}};
}

void ConfigureConnection(SqliteConnection& connection)
{
    connection.Pragmas = ConnectionPragmas();
    connection.LockOnOpen = true;
    connection.AfterConnect = [&connection] { connection.ExecSQL(kCreateTable); };
}

QString DayKey(TDateTime day) { return FormatDateTime(QStringLiteral("yyyy-MM-dd"), day); }

void SetDiaryParam(SqliteQuery& query, const QString& text)
{
    query.SetTextParam(QStringLiteral("Val2"), text, TextBinding::Verbatim);
}

QString DaySelect(TDateTime day) { return QStringLiteral("SELECT *  FROM MyDb WHERE date = ") + Quoted(day); }

QString FilledDaysSelect(TDateTime first, TDateTime last) { return RangeSelect(QStringLiteral("date"), first, last); }

QString PrintoutSelect(TDateTime first, TDateTime last) { return RangeSelect(QStringLiteral("*"), first, last); }

QList<TDateTime> FilledDays(SqliteConnection& connection, TDateTime first, TDateTime last)
{
    SqliteQuery query(connection);
    query.SetSQL(FilledDaysSelect(first, last));
    query.Open();
    QList<TDateTime> days;
    for (query.First(); !query.Eof(); query.Next())
        days.append(query.AsDateTime(QStringLiteral("date")));
    return days;
}

}  // namespace DiarySql
