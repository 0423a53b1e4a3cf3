#include "diary_check.h"

#include "sqlite_query.h"

#include <QFile>
#include <sqlite3.h>

#include <algorithm>

#include <optional>

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

// The columns `table` lacks of those named; none at all when the table itself is missing.
std::optional<QStringList> MissingColumns(SqliteConnection& connection, const QString& table, QStringList columns)
{
    SqliteQuery info(connection);
    info.SetSQL(QStringLiteral("PRAGMA table_info(%1)").arg(table));
    info.Open();
    if (info.Eof())
        return std::nullopt;
    for (info.First(); !info.Eof(); info.Next()) {
        const QString name = info.AsString(QStringLiteral("name"));
        columns.removeIf([&name](const QString& column) { return column.compare(name, Qt::CaseInsensitive) == 0; });
    }
    return columns;
}

QStringList TableProblems(SqliteConnection& connection)
{
    struct Table {
        QString name;
        QStringList columns;
        bool required;
    };
    // Earlier comes with the first write of a newer Kalvo: a diary without it is sound.
    const Table tables[] = {
        {QStringLiteral("MyDb"), {QStringLiteral("ID"), QStringLiteral("date"), QStringLiteral("diary")}, true},
        {QStringLiteral("Earlier"), {QStringLiteral("day"), QStringLiteral("text"), QStringLiteral("kept"), QStringLiteral("why")}, false},
    };
    QStringList problems;
    for (const Table& table : tables) {
        const std::optional<QStringList> missing = MissingColumns(connection, table.name, table.columns);
        if (!missing && table.required)
            problems << QStringLiteral("the table %1 is missing").arg(table.name);
        for (const QString& column : missing.value_or(QStringList()))
            problems << QStringLiteral("the table %1 has no column %2").arg(table.name, column);
    }
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

bool CopyDatabaseFile(SqliteConnection& source, const QString& target)
{
    sqlite3_file* file = nullptr;
    if (sqlite3_file_control(source.Handle(), "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK || !file ||
        !file->pMethods)
        return false;
    sqlite3_int64 size = 0;
    if (file->pMethods->xFileSize(file, &size) != SQLITE_OK)
        return false;
    QFile copy(target);
    if (!copy.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    constexpr sqlite3_int64 kChunk = 1 << 20;
    QByteArray chunk;
    for (sqlite3_int64 offset = 0; offset < size; offset += kChunk) {
        chunk.resize(qsizetype(std::min(kChunk, size - offset)));
        if (file->pMethods->xRead(file, chunk.data(), int(chunk.size()), offset) != SQLITE_OK ||
            copy.write(chunk) != chunk.size()) {
            copy.remove();
            return false;
        }
    }
    if (!copy.flush()) {
        copy.remove();
        return false;
    }
    return true;
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

QStringList DiaryNotes(SqliteConnection& connection)
{
    // Only TEXT keys: the day statements compare texts, so only those rows make up a day.
    SqliteQuery days(connection);
    days.SetSQL(QStringLiteral("SELECT date || '' AS day, count(*) AS entries FROM MyDb WHERE typeof(date) = 'text'"
                               " GROUP BY date HAVING count(*) > 1 ORDER BY date"));
    days.Open();
    QStringList notes;
    for (days.First(); !days.Eof(); days.Next())
        notes << QStringLiteral("%1 has %2 entries").arg(days.AsString(QStringLiteral("day"))).arg(days.AsInteger(QStringLiteral("entries")));
    return notes;
}

QStringList IntegrityFindings(SqliteConnection& connection, CheckDepth depth) { return CheckFindings(connection, depth); }

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
