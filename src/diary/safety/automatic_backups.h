#pragma once

#include "platform/timer.h"

#include <QString>

class SqliteConnection;

// The main window's backups of the diary: one when the window closes and one every hour while it
// runs, each only when the diary changed since the last one. A backup that fails is reported once
// in the error box and otherwise changes nothing: closing goes on.
class AutomaticBackups {
public:
    static constexpr int kIntervalMs = 60 * 60 * 1000;

    // Starts the hourly timer. `diary` must outlive this object; it may be closed.
    AutomaticBackups(SqliteConnection& diary, QString diaryPath);

    void BackUpIfChanged();
    void Stop() { hourly_.Stop(); }

private:
    SqliteConnection& diary_;
    QString diaryPath_;
    TTimer hourly_;
    qint64 changesBackedUp_ = 0;  // the connection's count of changed rows at the last backup
    bool failureShown_ = false;
};

// The error box text for a diary that SQLite finds damaged: what it said, that nothing was changed,
// and the newest good backup with the command that puts it in the diary's place.
QString DamagedDiaryMessage(const QString& diaryPath, const QString& sqliteMessage);
