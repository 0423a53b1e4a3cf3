#include "backup_texts.h"

#include "diary_backups.h"
#include "store/diary_sql.h"
#include "store/sqlite_rows.h"

#include <QDir>
#include <algorithm>
#include <sqlite3.h>

namespace {

// The day's texts in one backup, read without creating or changing anything in it.
QList<QByteArray> DayTextsIn(const QString& backup, TDateTime day)
{
    SqliteConnection connection;
    connection.Database = backup;
    connection.ReadOnly = true;
    connection.CreateIfMissing = false;
    connection.Open();
    SqliteRows rows(connection, DiarySql::DaySelect(day).toUtf8());
    const int diary = rows.ColumnIndex("diary");
    QList<QByteArray> texts;
    while (rows.Next()) {
        sqlite3_stmt* stmt = rows.Statement();
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(stmt, diary));
        texts << QByteArray(bytes, sqlite3_column_bytes(stmt, diary));
    }
    return texts;
}

}  // namespace

QList<BackupText> DayTextsInBackups(const QString& diaryPath, TDateTime day, const QList<QByteArray>& current)
{
    QStringList names = BackupNames(diaryPath);
    std::reverse(names.begin(), names.end());
    const QDir folder(BackupFolderOf(diaryPath));
    QList<QByteArray> seen = current;
    QList<BackupText> found;
    for (const QString& name : names) {
        QList<QByteArray> texts;
        try {
            texts = DayTextsIn(folder.filePath(name), day);
        } catch (const std::exception&) {
            continue;  // a damaged or unreadable backup has nothing to offer
        }
        for (const QByteArray& text : texts) {
            if (seen.contains(text))
                continue;
            seen << text;
            found << BackupText{name, text};
        }
    }
    return found;
}
