#pragma once

#include "command_output.h"

#include <QString>
#include <QStringList>
#include <optional>

// `Kalvo --check`, `Kalvo --backup FILE` and `Kalvo --restore FILE`: the diary beside the executable
// checked, copied or replaced, with no window. Like --export they say one "Kalvo: ..." line when
// they fail.

struct BackupCommand {
    enum class Kind { Check, Backup, Restore };
    Kind kind = Kind::Check;
    QString file;  // for Backup and Restore
};

// The command the arguments ask for, or the one line that says what is wrong with them; nothing
// when they name none of these options.
using BackupCommandParse = CommandParse<BackupCommand>;
std::optional<BackupCommandParse> ParseBackupCommand(const QStringList& arguments);

// The command's exit code: 0 when done, 1 when the diary is not sound (--check) or nothing was done.
int RunBackupCommand(const BackupCommand& command, int argc, char** argv);

// The usage lines of these commands, for --help.
QString BackupUsageText();
