#pragma once

#include "platform/date_time.h"

#include <QByteArray>
#include <QList>
#include <QString>

// A day's texts as the diary's backups hold them, for "Earlier versions of this day".
struct BackupText {
    QString backup;   // the backup's file name (Kalvo-2026-12-10T221530.db), which tells its time
    QByteArray text;  // the text's bytes as that backup stores them
};

// The texts of `day` in the backups beside `diaryPath`, newest backup first, each text once (at
// the newest backup that holds it) and none of `current` (the day's texts now). A backup that
// cannot be read is passed over.
QList<BackupText> DayTextsInBackups(const QString& diaryPath, TDateTime day, const QList<QByteArray>& current);
