#include "backup_commands.h"

#include "diary_backups.h"
#include "partial_file.h"
#include "platform/clock.h"
#include "platform/error_box.h"
#include "data_location.h"
#include "platform/paths.h"
#include "store/diary_check.h"
#include "store/diary_sql.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace {

const QString kCheckOption = QStringLiteral("--check");
const QString kBackupOption = QStringLiteral("--backup");
const QString kRestoreOption = QStringLiteral("--restore");
constexpr int kFailedExitCode = 1;

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }
QString DiaryPath() { return DiaryFilePath(); }

void Say(FILE* stream, const QString& line)
{
    std::fputs((line + QLatin1Char('\n')).toLocal8Bit().constData(), stream);
}

BackupCommandParse Expected(const QString& usage)
{
    return {std::nullopt, QStringLiteral("expected: Kalvo %1 (see Kalvo --help)").arg(usage)};
}

// Opened as the window opens it, lock included, so that a diary another Kalvo has open is refused;
// but a missing diary is not created, and no table either.
void OpenDiary(SqliteConnection& diary)
{
    const QString path = DiaryPath();
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

void RefuseTheDiaryItself(const QString& file)
{
    const QString diary = QFileInfo(DiaryPath()).canonicalFilePath();
    if (!diary.isEmpty() && QFileInfo(file).canonicalFilePath() == diary)
        throw Exception(Native(file) + QStringLiteral(" is the diary itself"));
}

int Check()
{
    SqliteConnection diary;
    QStringList problems;
    try {
        OpenDiary(diary);
        problems = DiaryProblems(diary);
    } catch (const SqliteError& error) {
        if (!IsDamagedDatabase(error))
            throw;
        problems = {PlainMessage(error)};
    }
    if (problems.isEmpty())
        problems = {QStringLiteral("ok")};
    for (const QString& line : problems)
        Say(stdout, line);
    return problems == QStringList{QStringLiteral("ok")} ? 0 : kFailedExitCode;
}

void Backup(const QString& file)
{
    RefuseTheDiaryItself(file);
    SqliteConnection diary;
    OpenDiary(diary);
    WriteBackup(diary, file);
}

// A diary SQLite cannot open is kept byte for byte beside the backups, under a name that no
// clearing of old backups ever takes, with its journal, which may hold what it needs to heal.
QString KeepDamagedDiary(const QString& diaryPath)
{
    const QString folder = BackupFolderOf(diaryPath);
    QDir().mkpath(folder);
    const QString kept = folder + BackupName(Now()).replace(QStringLiteral(".db"), QStringLiteral("-damaged.db"));
    if (!QFile::copy(diaryPath, kept))
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

void Restore(const QString& file)
{
    RefuseTheDiaryItself(file);
    RefuseUnsoundFile(file);
    const QString diaryPath = DiaryPath();
    SqliteConnection current;  // holds the diary's lock until the new one is in its place
    bool damaged = false;
    if (QFileInfo::exists(diaryPath)) {
        try {
            OpenDiary(current);
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
        kept = BackUpDiary(current, diaryPath, Now());
    else if (damaged)
        kept = KeepDamagedDiary(diaryPath);
    restored.Commit();
    // The journal of a damaged diary was kept with it; beside the restored one it would be taken
    // for the journal of an interrupted change and played into it.
    if (damaged)
        QFile::remove(diaryPath + QStringLiteral("-journal"));
    Say(stdout, kept.isEmpty() ? QStringLiteral("restored ") + Native(file)
                               : QStringLiteral("restored %1; the diary it replaced is kept as %2").arg(Native(file), Native(kept)));
}

int Run(const BackupCommand& command)
{
    switch (command.kind) {
    case BackupCommand::Kind::Check: return Check();
    case BackupCommand::Kind::Backup: Backup(command.file); break;
    case BackupCommand::Kind::Restore: Restore(command.file); break;
    }
    return 0;
}

}  // namespace

std::optional<BackupCommandParse> ParseBackupCommand(const QStringList& arguments)
{
    for (const QString& option : {kCheckOption, kBackupOption, kRestoreOption}) {
        if (!arguments.contains(option))
            continue;
        if (option == kCheckOption)
            return arguments == QStringList{kCheckOption} ? BackupCommandParse{BackupCommand{}, {}} : Expected(kCheckOption);
        const QString usage = option + QStringLiteral(" FILE");
        if (arguments.size() != 2 || arguments[0] != option || arguments[1].startsWith(u'-'))
            return Expected(usage);
        const auto kind = option == kBackupOption ? BackupCommand::Kind::Backup : BackupCommand::Kind::Restore;
        return BackupCommandParse{BackupCommand{kind, arguments[1]}, {}};
    }
    return std::nullopt;
}

int RunBackupCommand(const BackupCommand& command, int argc, char** argv)
{
    // Before anything starts a thread: a signal must find the partial files to remove.
    EndOnSignalsRemovingPartialFiles();
    QCoreApplication app(argc, argv);
    try {
        return Run(command);
    } catch (const std::exception& error) {
        Say(stderr, QStringLiteral("Kalvo: ") + ErrorMessage(error).simplified());
        return kFailedExitCode;
    }
}

QString BackupUsageText()
{
    return QStringLiteral(
        "  --check                checks the diary (see --where; SQLite's integrity check and\n"
        "                         the table MyDb with its columns ID, date and diary) and prints\n"
        "                         \"ok\", exit code 0, or what is wrong, one finding a line,\n"
        "                         exit code 1.\n"
        "  --backup FILE          writes a checked copy of the diary to FILE, which is the old\n"
        "                         FILE or the complete copy, never a part of one.\n"
        "  --restore FILE         puts the diary FILE in the place of Kalvo.db: FILE is checked\n"
        "                         first, the diary it replaces is kept in backups/ beside it.\n"
        "                         Refused while another Kalvo has the diary open.\n"
        "                         Kalvo itself keeps backups/Kalvo-<date>T<time>.db whenever it\n"
        "                         closes, and hourly while it runs, after the diary changed: the\n"
        "                         newest 10 and the newest of each of the last 12 months.\n"
        "                         These commands need no display; exit codes as for --export.\n");
}
