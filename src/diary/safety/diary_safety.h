#pragma once

#include <QString>
#include <QStringList>

// The diary in use (see DiaryFilePath) checked, copied or replaced as a whole, for the commands
// --check, --backup and --restore. Each opens the diary as the window does, lock included, so a
// diary another Kalvo has open is refused; a missing diary is never created. Each raises an
// Exception that says why it did nothing.

// What is wrong with the diary, one finding a line; empty when it is sound.
QStringList DiaryFindings();

// Writes a checked copy of the diary to `file`, which ends up the old file or the whole copy.
void BackUpDiaryTo(const QString& file);

// Puts the sound diary `file` in the diary's place; the diary it replaces is kept in the backups
// folder (byte for byte when SQLite cannot open it). Answers the line that says what was done.
QString RestoreDiary(const QString& file);
