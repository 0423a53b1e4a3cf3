#include "diary_check.h"

#include "sqlite_query.h"

#include <sqlite3.h>

namespace {

// One text column per row: what the check pragmas answer.
QStringList Rows(SqliteConnection& connection, const QString& sql)
{
    SqliteQuery query(connection);
    query.SetSQL(sql);
    query.Open();
    QStringList rows;
    for (query.First(); !query.Eof(); query.Next())
        rows << query.AsString(query.Fields().first().name);
    return rows;
}

QStringList CheckFindings(SqliteConnection& connection, CheckDepth depth)
{
    QStringList findings =
        Rows(connection, depth == CheckDepth::Full ? QStringLiteral("PRAGMA integrity_check") : QStringLiteral("PRAGMA quick_check"));
    if (findings == QStringList{QStringLiteral("ok")})
        return {};
    return findings;
}

QStringList TableProblems(SqliteConnection& connection)
{
    SqliteQuery columns(connection);
    columns.SetSQL(QStringLiteral("PRAGMA table_info(MyDb)"));
    columns.Open();
    if (columns.Eof())
        return {QStringLiteral("the table MyDb is missing")};
    QStringList missing = {QStringLiteral("ID"), QStringLiteral("date"), QStringLiteral("diary")};
    for (columns.First(); !columns.Eof(); columns.Next()) {
        const QString name = columns.AsString(QStringLiteral("name"));
        missing.removeIf([&name](const QString& column) { return column.compare(name, Qt::CaseInsensitive) == 0; });
    }
    QStringList problems;
    for (const QString& column : missing)
        problems << QStringLiteral("the table MyDb has no column %1").arg(column);
    return problems;
}

int Primary(int resultCode) { return resultCode & 0xFF; }

}  // namespace

void CopyDatabase(SqliteConnection& source, const QString& target)
{
    SqliteConnection copy;
    copy.Database = target;
    // The copy is written under a name nobody else uses and thrown away when anything fails, so it
    // needs no rollback journal; it is synced in full before it is given its own name.
    copy.Pragmas = {{"journal_mode", "Off"}, {"synchronous", "Full"}};
    copy.Open();
    sqlite3_backup* backup = sqlite3_backup_init(copy.Handle(), "main", source.Handle(), "main");
    if (!backup)
        copy.Fail();
    // All pages in one step: the copy matches the diary at one moment. Finishing answers the
    // step's error, if any, and leaves its message on the copy's connection.
    sqlite3_backup_step(backup, -1);
    if (sqlite3_backup_finish(backup) != SQLITE_OK)
        copy.Fail();
    const QStringList findings = CheckFindings(copy, CheckDepth::Quick);
    if (!findings.isEmpty())
        throw SqliteError(SqliteErrorText(QStringLiteral("the copy fails its check: ") + findings.join(QStringLiteral("; "))),
                          SQLITE_CORRUPT);
}

QStringList DiaryProblems(SqliteConnection& connection, CheckDepth depth)
{
    QStringList problems = CheckFindings(connection, depth);
    try {
        problems << TableProblems(connection);
    } catch (const SqliteError& error) {
        problems << error.Message();
    }
    return problems;
}

QStringList DiaryFileProblems(const QString& path, CheckDepth depth)
{
    SqliteConnection connection;
    connection.Database = path;
    connection.ReadOnly = true;
    connection.CreateIfMissing = false;
    try {
        connection.Open();
        return DiaryProblems(connection, depth);
    } catch (const SqliteError& error) {
        if (!IsDamagedDatabase(error))
            throw;
        return {PlainMessage(error)};
    }
}

bool IsDamagedDatabase(const SqliteError& error)
{
    return Primary(error.ResultCode()) == SQLITE_CORRUPT || Primary(error.ResultCode()) == SQLITE_NOTADB;
}

QString PlainMessage(const SqliteError& error) { return QString::fromUtf8(sqlite3_errstr(Primary(error.ResultCode()))); }

bool IsLockedDatabase(const SqliteError& error) { return Primary(error.ResultCode()) == SQLITE_BUSY; }
