#include "diary_import.h"

#include "diary_formats.h"
#include "diary/base/data_location.h"
#include "platform/paths.h"
#include "store/diary_sql.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <sqlite3.h>

namespace {

// Each day's texts by the exact key its rows hold, read in one pass: the table has no index, so a
// query per imported day would read the whole table once per day. Only TEXT keys are kept, the
// only ones the day statements (which compare texts) can match.
const QString kKeyedRowsSelect =
    QStringLiteral("SELECT date || '' AS day, diary FROM MyDb WHERE typeof(date) = 'text'");

QHash<QString, QStringList> TextsByDay(SqliteConnection& connection)
{
    QHash<QString, QStringList> texts;
    SqliteQuery query(connection);
    query.SetSQL(kKeyedRowsSelect);
    query.Open();
    for (query.First(); !query.Eof(); query.Next())
        texts[query.AsString(QStringLiteral("day"))].append(query.AsString(QStringLiteral("diary")));
    return texts;
}

// Insert Record's and Post's own statements, the day bound as they bind it.
void Write(SqliteConnection& connection, const QString& sql, const TReportData& entry)
{
    SqliteQuery query(connection);
    query.SetSQL(sql);
    query.SetDateTimeParam(QStringLiteral("Val1"), *ParseDayKey(entry.Data1));
    DiarySql::SetDiaryParam(query, entry.Data2);
    query.ExecSQL();
}

void PutEntries(SqliteConnection& connection, const QList<TReportData>& entries, bool replace, ImportCounts& counts)
{
    const QHash<QString, QStringList> texts = TextsByDay(connection);
    for (const TReportData& entry : entries) {
        const auto found = texts.constFind(entry.Data1);
        if (found == texts.cend()) {
            Write(connection, DiarySql::kInsert, entry);
            ++counts.added;
        } else if (found->count(entry.Data2) == found->size()) {
            ++counts.same;
        } else if (replace) {
            Write(connection, DiarySql::kUpdate, entry);
            ++counts.replaced;
            counts.differing << entry.Data1 + QStringLiteral(": the diary's text differed; it now holds the file's");
        } else {
            ++counts.kept;
            counts.differing << entry.Data1 + QStringLiteral(": the diary's text differs from the file's; kept (--replace takes the file's)");
        }
    }
}

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

QByteArray FileBytes(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception(QStringLiteral("cannot read %1: %2").arg(Native(fileName), file.errorString()));
    return file.readAll();
}

// A diary this import created goes again when the import fails, journal and all.
void RemoveCreated(const QString& path)
{
    for (const QString& suffix : {QString(), QStringLiteral("-journal")})
        QFile::remove(path + suffix);
}

QStringList Summary(const ImportCounts& counts)
{
    return QStringList(counts.differing)
           << QStringLiteral("%1 days added, %2 replaced, %3 differing kept, %4 already the same")
                  .arg(counts.added)
                  .arg(counts.replaced)
                  .arg(counts.kept)
                  .arg(counts.same);
}

}  // namespace

ImportCounts ImportEntries(SqliteConnection& connection, const QList<TReportData>& entries, bool replace)
{
    ImportCounts counts;
    connection.ExecSQL(QStringLiteral("BEGIN IMMEDIATE"));
    try {
        PutEntries(connection, entries, replace, counts);
        connection.ExecSQL(QStringLiteral("COMMIT"));
    } catch (...) {
        // A failed COMMIT may leave the transaction open too.
        if (!sqlite3_get_autocommit(connection.Handle()))
            sqlite3_exec(connection.Handle(), "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    return counts;
}

ImportResult ImportDiary(const ImportRequest& request)
{
    QList<TReportData> entries;
    try {
        entries = DiaryFromJson(FileBytes(request.fileName));
    } catch (const Exception& error) {
        return {{}, QStringLiteral("nothing imported from %1: %2").arg(Native(request.fileName), error.Message())};
    }
    const QString path = DiaryFilePath();
    const bool created = !QFileInfo::exists(path);
    try {
        SqliteConnection connection;
        DiarySql::ConfigureConnection(connection);
        connection.Database = path;
        connection.Open();
        return {Summary(ImportEntries(connection, entries, request.replace)), QString()};
    } catch (const Exception& error) {
        if (created)
            RemoveCreated(path);
        return {{}, QStringLiteral("nothing imported into the diary %1: %2").arg(Native(path), error.Message())};
    }
}
