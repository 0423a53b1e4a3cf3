#include "automatic_backups.h"

#include "diary_backups.h"
#include "platform/clock.h"
#include "platform/error_box.h"
#include "platform/paths.h"
#include "store/sqlite_connection.h"

#include <QDir>

AutomaticBackups::AutomaticBackups(SqliteConnection& diary, QString diaryPath)
    : diary_(diary), diaryPath_(std::move(diaryPath)), hourly_([this] { BackUpIfChanged(); })
{
    if (diary_.Connected())
        changesBackedUp_ = diary_.TotalChanges();
    hourly_.Start(kIntervalMs);
}

void AutomaticBackups::BackUpIfChanged()
{
    if (!diary_.Connected() || diary_.TotalChanges() == changesBackedUp_)
        return;
    const qint64 changes = diary_.TotalChanges();
    try {
        BackUpDiary(diary_, diaryPath_, Now());
        changesBackedUp_ = changes;
    } catch (const std::exception& error) {
        // Tried again every hour and at closing, but said once: the user has heard it.
        if (failureShown_)
            return;
        failureShown_ = true;
        ShowApplicationError(QStringLiteral("The diary could not be backed up, and it is still as you left it: ") +
                             ErrorMessage(error));
    }
}

QString DamagedDiaryMessage(const QString& diaryPath, const QString& sqliteMessage)
{
    const QString text = QStringLiteral("The diary %1 is damaged (%2); Kalvo has not opened it and has changed nothing in it. ")
                             .arg(QDir::toNativeSeparators(diaryPath), sqliteMessage);
    const QString backup = NewestGoodBackup(diaryPath);
    if (backup.isEmpty())
        return text + QStringLiteral("No good backup of it was found in %1; \"%2\" --check tells what is wrong")
                          .arg(QDir::toNativeSeparators(BackupFolderOf(diaryPath)),
                               QDir::toNativeSeparators(ExecutableDir() + ApplicationTitle()));
    return text + QStringLiteral("The newest good backup is %1. To put it in the diary's place, close Kalvo and run: \"%2\" --restore \"%1\"")
                      .arg(QDir::toNativeSeparators(backup), QDir::toNativeSeparators(ExecutableDir() + ApplicationTitle()));
}
