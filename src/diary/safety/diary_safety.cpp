#include "diary_safety.h"

#include "diary_backups.h"
#include "diary/base/data_location.h"
#include "diary/formats/partial_file.h"
#include "platform/clock.h"
#include "platform/error_box.h"
#include "platform/paths.h"
#include "store/diary_check.h"
#include "store/diary_sql.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

}  // namespace

void OpenDiaryInUse(SqliteConnection& diary)
{
    const QString path = DiaryFilePath();
    if (!QFileInfo(path).isFile())
        throw Exception(QStringLiteral("no diary at ") + Native(path));
    diary.Database = path;
    diary.Pragmas = DiarySql::ConnectionPragmas();
    diary.LockOnOpen = true;
    diary.CreateIfMissing = false;
    try {
        diary.Open();
    } catch (const SqliteError& error) {
        if (IsLockedDatabase(error))
            throw Exception(QStringLiteral("the diary ") + Native(path) +
                            QStringLiteral(" is open in another Kalvo; close that Kalvo and try again"));
        throw;
    }
}

namespace {

void RefuseTheDiaryItself(const QString& file)
{
    const QString diary = QFileInfo(DiaryFilePath()).canonicalFilePath();
    if (!diary.isEmpty() && QFileInfo(file).canonicalFilePath() == diary)
        throw Exception(Native(file) + QStringLiteral(" is the diary itself"));
}

// A damaged diary is kept byte for byte beside the backups, under a name that no clearing of old
// backups ever takes, with its journal, which may hold what it needs to heal. One that is open on
// `open` is read through that connection's own file handle: opening and closing the file once more
// would drop the connection's lock on it.
QString KeepDamagedDiary(const QString& diaryPath, SqliteConnection& open)
{
    const QString folder = BackupFolderOf(diaryPath);
    QDir().mkpath(folder);
    const QString kept = folder + BackupName(Now()).replace(QStringLiteral(".db"), QStringLiteral("-damaged.db"));
    const bool copied = open.Connected() ? CopyDatabaseFile(open, kept) : QFile::copy(diaryPath, kept);
    if (!copied)
        throw Exception(QStringLiteral("cannot keep the damaged diary as ") + Native(kept) + QStringLiteral(", nothing was changed"));
    const QString journal = diaryPath + QStringLiteral("-journal");
    if (QFileInfo::exists(journal) && !QFile::copy(journal, kept + QStringLiteral("-journal")))
        throw Exception(QStringLiteral("cannot keep the damaged diary's journal beside ") + Native(kept) +
                        QStringLiteral(", nothing was changed"));
    return kept;
}

void RefuseUnsoundFile(const QString& file)
{
    if (!QFileInfo(file).isFile())
        throw Exception(QStringLiteral("no file ") + Native(file) + QStringLiteral(", nothing was changed"));
    QStringList problems;
    try {
        problems = DiaryFileProblems(file);
    } catch (const SqliteError& error) {
        problems = {error.Message()};
    }
    if (!problems.isEmpty())
        throw Exception(Native(file) + QStringLiteral(" is not a sound diary, nothing was changed: ") +
                        problems.join(QStringLiteral("; ")));
}

// Whether the diary open on `diary` can be copied through SQLite: its quick check passes.
bool PassesQuickCheck(SqliteConnection& diary)
{
    try {
        return IntegrityFindings(diary, CheckDepth::Quick).isEmpty();
    } catch (const SqliteError& error) {
        if (!IsDamagedDatabase(error))
            throw;
        return false;
    }
}

// Keeps the diary open on `current` in the backups folder before it is replaced: a checked copy,
// or its bytes when it is damaged.
QString KeepReplacedDiary(SqliteConnection& current, const QString& diaryPath)
{
    if (PassesQuickCheck(current)) {
        try {
            return BackUpDiary(current, diaryPath, Now());
        } catch (const SqliteError& error) {
            if (!IsDamagedDatabase(error))
                throw;
        }
    }
    return KeepDamagedDiary(diaryPath, current);
}

}  // namespace

DiaryCheckResult CheckDiaryInUse()
{
    SqliteConnection diary;
    try {
        OpenDiaryInUse(diary);
        DiaryCheckResult result{DiaryProblems(diary), {}};
        if (result.findings.isEmpty())
            result.notes = DiaryNotes(diary);
        return result;
    } catch (const SqliteError& error) {
        if (!IsDamagedDatabase(error))
            throw;
        return {{PlainMessage(error)}, {}};
    }
}

void BackUpDiaryTo(const QString& file)
{
    RefuseTheDiaryItself(file);
    SqliteConnection diary;
    OpenDiaryInUse(diary);
    WriteBackup(diary, file);
}

QString RestoreDiary(const QString& file)
{
    RefuseTheDiaryItself(file);
    RefuseUnsoundFile(file);
    const QString diaryPath = DiaryFilePath();
    SqliteConnection current;  // holds the diary's lock until the new one is in its place
    bool damaged = false;
    if (QFileInfo::exists(diaryPath)) {
        try {
            OpenDiaryInUse(current);
        } catch (const SqliteError& error) {
            if (!IsDamagedDatabase(error))
                throw;
            damaged = true;
        }
    }
    SqliteConnection source;
    source.Database = file;
    source.ReadOnly = true;
    source.CreateIfMissing = false;
    source.Open();
    PartialFile restored(diaryPath);
    CopyDatabase(source, restored.FileName());
    QString kept;
    if (current.Connected())
        kept = KeepReplacedDiary(current, diaryPath);
    else if (damaged)
        kept = KeepDamagedDiary(diaryPath, current);
    restored.Commit();
    // The journal of a damaged diary was kept with it; beside the restored one it would be taken
    // for the journal of an interrupted change and played into it.
    if (damaged)
        QFile::remove(diaryPath + QStringLiteral("-journal"));
    return kept.isEmpty() ? QStringLiteral("restored ") + Native(file)
                          : QStringLiteral("restored %1; the diary it replaced is kept as %2").arg(Native(file), Native(kept));
}
