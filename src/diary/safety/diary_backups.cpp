#include "diary_backups.h"

#include "diary/formats/partial_file.h"
#include "platform/errors.h"
#include "store/diary_check.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

namespace {

constexpr int kNewestKept = 10;
constexpr int kMonthsKept = 12;
constexpr double kSecond = 1.0 / 86400.0;

const QRegularExpression& BackupPattern()
{
    static const QRegularExpression pattern(QStringLiteral("^Kalvo-\\d{4}-\\d{2}-\\d{2}T\\d{6}\\.db$"));
    return pattern;
}

// "2026-12" of "Kalvo-2026-12-10T221530.db".
QString MonthOf(const QString& backupName) { return backupName.mid(6, 7); }

QSet<QString> LastMonths(TDateTime today)
{
    QSet<QString> months;
    for (int back = 0; back < kMonthsKept; ++back) {
        const DateParts d = DecodeDate(IncMonth(DateOf(today), -back));
        months.insert(QString::asprintf("%.4d-%.2d", d.year, d.month));
    }
    return months;
}

// A backup left half-written by a process that ended before it was complete: the hidden name that
// PartialFile gives a backup. Only a process holding the diary's lock writes backups of it, so the
// one that holds it now may clear them.
bool IsAbandonedBackup(const QString& fileName)
{
    static const QRegularExpression pattern(QStringLiteral("^\\.Kalvo-\\d{4}-\\d{2}-\\d{2}T\\d{6}\\.db\\.[A-Za-z0-9]{6}$"));
    return pattern.match(fileName).hasMatch();
}

QStringList BackupNamesIn(const QDir& folder)
{
    return folder.entryList({QStringLiteral("Kalvo-*.db")}, QDir::Files, QDir::Name).filter(BackupPattern());
}

void RemoveAbandonedBackups(QDir folder)
{
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden))
        if (IsAbandonedBackup(name))
            folder.remove(name);
}

}  // namespace

QString BackupFolderOf(const QString& diaryPath)
{
    return QFileInfo(diaryPath).absolutePath() + QStringLiteral("/backups/");
}

QString BackupName(TDateTime moment)
{
    const DateParts d = DecodeDate(moment);
    const TimeParts t = DecodeTime(moment);
    return QString::asprintf("Kalvo-%.4d-%.2d-%.2dT%.2d%.2d%.2d.db", d.year, d.month, d.day, t.hour, t.minute, t.second);
}

bool IsBackupName(const QString& fileName) { return BackupPattern().match(fileName).hasMatch(); }

QStringList BackupsToDelete(const QStringList& fileNames, TDateTime today)
{
    QStringList backups = fileNames.filter(BackupPattern());
    std::sort(backups.begin(), backups.end(), std::greater<>());
    const QSet<QString> months = LastMonths(today);
    QSet<QString> monthsSeen;
    QStringList doomed;
    for (qsizetype i = 0; i < backups.size(); ++i) {
        const QString month = MonthOf(backups[i]);
        const bool newestOfItsMonth = months.contains(month) && !monthsSeen.contains(month);
        monthsSeen.insert(month);
        if (i >= kNewestKept && !newestOfItsMonth)
            doomed << backups[i];
    }
    return doomed;
}

void WriteBackup(SqliteConnection& diary, const QString& target)
{
    PartialFile partial(target);
    try {
        CopyDatabase(diary, partial.FileName());
    } catch (const SqliteError& error) {
        // Still SQLite's error, so that a caller can tell a damaged diary from a full disk.
        throw SqliteError(QStringLiteral("cannot write the backup ") + QDir::toNativeSeparators(target) +
                              QStringLiteral(": ") + error.Message(),
                          error.ResultCode());
    }
    partial.Commit();
}

QString BackUpDiary(SqliteConnection& diary, const QString& diaryPath, TDateTime moment)
{
    const QString folderPath = BackupFolderOf(diaryPath);
    if (!QDir().mkpath(folderPath))
        throw Exception(QStringLiteral("cannot create the folder ") + QDir::toNativeSeparators(folderPath));
    QDir folder(folderPath);
    RemoveAbandonedBackups(folder);
    QString target = folder.filePath(BackupName(moment));
    while (QFileInfo::exists(target)) {
        moment += kSecond;
        target = folder.filePath(BackupName(moment));
    }
    WriteBackup(diary, target);
    for (const QString& old : BackupsToDelete(BackupNamesIn(folder), moment))
        folder.remove(old);
    return target;
}

QStringList BackupNames(const QString& diaryPath) { return BackupNamesIn(QDir(BackupFolderOf(diaryPath))); }

QString NewestGoodBackup(const QString& diaryPath)
{
    const QDir folder(BackupFolderOf(diaryPath));
    QStringList names = BackupNamesIn(folder);
    std::sort(names.begin(), names.end(), std::greater<>());
    for (const QString& name : names) {
        try {
            if (DiaryFileProblems(folder.filePath(name), CheckDepth::Quick).isEmpty())
                return folder.filePath(name);
        } catch (const SqliteError&) {
            // Unreadable: not a good backup.
        }
    }
    return QString();
}
