#pragma once

#include "platform/date_time.h"

#include <QString>
#include <QStringList>

class SqliteConnection;

// Backups of the diary in the folder "backups" beside it, each named by the local time it was made
// (Kalvo-2026-12-10T221530.db), so that their names sort as their times do.

QString BackupFolderOf(const QString& diaryPath);  // with a trailing separator
QString BackupName(TDateTime moment);
bool IsBackupName(const QString& fileName);

// Of the files named, the backups that may go: all but the newest 10 and the newest of each of the
// last 12 months (the month of `today` and the 11 before it). Names of other files are never among
// them.
QStringList BackupsToDelete(const QStringList& fileNames, TDateTime today);

// Writes a copy of the diary open on `diary` to `target`: under a hidden name beside it, checked,
// then given its name in one step, so that `target` is a complete, checked copy or stays as it was.
// Raises an Exception that says why when it cannot.
void WriteBackup(SqliteConnection& diary, const QString& target);

// Makes a backup of the diary open on `diary` (whose file is `diaryPath`) in its backups folder,
// named by `moment` (a second later when that name is taken), then deletes the backups that the
// new one makes superfluous. Answers the new backup's path; raises an Exception when there is none.
QString BackUpDiary(SqliteConnection& diary, const QString& diaryPath, TDateTime moment);

// The names of the backups in the diary's backups folder, oldest first.
QStringList BackupNames(const QString& diaryPath);

// The newest backup in the diary's backups folder that passes the quick check; empty when none does.
QString NewestGoodBackup(const QString& diaryPath);
