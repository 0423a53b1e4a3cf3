#include "diary_import.h"

#include "diary_formats.h"
#include "diary/base/data_location.h"
#include "platform/clock.h"
#include "platform/paths.h"
#include "store/diary_sql.h"
#include "store/earlier_sql.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace {

// Each day's texts by the exact key its rows hold, in ID order, read in one pass: the table has no
// index, so a query per imported day would read the whole table once per day. Only TEXT keys are
// kept, the only ones the day statements (which compare texts) can match.
const QString kKeyedRowsSelect =
    QStringLiteral("SELECT date || '' AS day, diary FROM MyDb WHERE typeof(date) = 'text' ORDER BY ID");

// A fault of the file that shows only beside the diary; like any fault of the file, nothing is
// imported.
class FileRefused : public Exception {
public:
    using Exception::Exception;
};

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

// The entries of one day, in the file's order, with their numbers in the file (from 1).
struct DayEntries {
    QString day;
    QStringList texts;
    QList<qsizetype> numbers;
};

// The file's days in the order they first come.
QList<DayEntries> ByDay(const QList<TReportData>& entries)
{
    QList<DayEntries> days;
    QHash<QString, qsizetype> indexOfDay;
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const TReportData& entry = entries[i];
        const auto found = indexOfDay.constFind(entry.Data1);
        const qsizetype index = found == indexOfDay.cend() ? days.size() : *found;
        if (index == days.size()) {
            indexOfDay.insert(entry.Data1, index);
            days.append({entry.Data1, {}, {}});
        }
        days[index].texts.append(entry.Data2);
        days[index].numbers.append(i + 1);
    }
    return days;
}

// Insert Record's and Post's own statements, the day bound as they bind it.
void Write(SqliteConnection& connection, const QString& sql, const QString& day, const QString& text)
{
    SqliteQuery query(connection);
    query.SetSQL(sql);
    query.SetDateTimeParam(QStringLiteral("Val1"), *ParseDayKey(day));
    DiarySql::SetDiaryParam(query, text);
    query.ExecSQL();
}

// Keeps, before Post's UPDATE gives the day `text`, each of its texts that the UPDATE replaces by
// other bytes, exactly as stored.
void KeepReplaced(SqliteConnection& connection, const QString& day, const QString& text, TDateTime now)
{
    EarlierSql::CreateTable(connection);
    SqliteQuery keep(connection);
    keep.SetSQL(EarlierSql::kKeepReplaced);
    keep.SetDateTimeParam(QStringLiteral("Val1"), *ParseDayKey(day));
    DiarySql::SetDiaryParam(keep, text);
    keep.SetTextParam(QStringLiteral("Kept"), EarlierSql::Stamp(now));
    keep.SetTextParam(QStringLiteral("Why"), EarlierSql::kWhyImport);
    keep.ExecSQL();
}

QStringList Sorted(QStringList texts)
{
    texts.sort();
    return texts;
}

// A day the file gives more than once comes from the export of a diary that holds several rows
// for it: it is added as those rows to a diary that lacks it, and passed by in one that holds
// just those texts. Anywhere else which entry should go where is anybody's guess.
void PutRepeatedDay(SqliteConnection& connection, const DayEntries& entries, const QStringList* diaryTexts,
                    ImportCounts& counts)
{
    if (!diaryTexts) {
        for (const QString& text : entries.texts)
            Write(connection, DiarySql::kInsert, entries.day, text);
        ++counts.added;
    } else if (Sorted(*diaryTexts) == Sorted(entries.texts)) {
        ++counts.same;
    } else {
        throw FileRefused(QStringLiteral("entry %1: %2 is already given by entry %3, and the diary holds other texts for that day")
                              .arg(entries.numbers[1])
                              .arg(entries.day)
                              .arg(entries.numbers[0]));
    }
}

void PutDay(SqliteConnection& connection, const DayEntries& entries, const QStringList* diaryTexts, bool replace,
            TDateTime now, ImportCounts& counts)
{
    const QString& day = entries.day;
    const QString& text = entries.texts.first();
    if (!diaryTexts) {
        Write(connection, DiarySql::kInsert, day, text);
        ++counts.added;
    } else if (diaryTexts->count(text) == diaryTexts->size()) {
        ++counts.same;
    } else if (replace) {
        KeepReplaced(connection, day, text, now);
        Write(connection, DiarySql::kUpdate, day, text);
        ++counts.replaced;
        counts.differing << day + QStringLiteral(": the diary's text differed; it now holds the file's");
    } else {
        ++counts.kept;
        counts.differing << day + QStringLiteral(": the diary's text differs from the file's; kept (--replace takes the file's)");
    }
}

void PutEntries(SqliteConnection& connection, const QList<TReportData>& entries, bool replace, TDateTime now,
                ImportCounts& counts)
{
    const QHash<QString, QStringList> texts = TextsByDay(connection);
    for (const DayEntries& day : ByDay(entries)) {
        const auto found = texts.constFind(day.day);
        const QStringList* diaryTexts = found == texts.cend() ? nullptr : &*found;
        if (day.texts.size() > 1)
            PutRepeatedDay(connection, day, diaryTexts, counts);
        else
            PutDay(connection, day, diaryTexts, replace, now, counts);
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

ImportCounts ImportEntries(SqliteConnection& connection, const QList<TReportData>& entries, bool replace, TDateTime now)
{
    ImportCounts counts;
    WriteTransaction(connection, [&] { PutEntries(connection, entries, replace, now, counts); });
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
        return {Summary(ImportEntries(connection, entries, request.replace, Now())), QString()};
    } catch (const FileRefused& error) {
        if (created)
            RemoveCreated(path);
        return {{}, QStringLiteral("nothing imported from %1: %2").arg(Native(request.fileName), error.Message())};
    } catch (const Exception& error) {
        if (created)
            RemoveCreated(path);
        return {{}, QStringLiteral("nothing imported into the diary %1: %2").arg(Native(path), error.Message())};
    }
}
