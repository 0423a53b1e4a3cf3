#include "backup_commands.h"

#include "command_output.h"
#include "diary/formats/partial_file.h"
#include "diary/safety/diary_safety.h"
#include "platform/error_box.h"

#include <QCoreApplication>

namespace {

const QString kCheckOption = QStringLiteral("--check");
const QString kBackupOption = QStringLiteral("--backup");
const QString kRestoreOption = QStringLiteral("--restore");
BackupCommandParse Expected(const QString& usage)
{
    return {std::nullopt, QStringLiteral("expected: Kalvo %1 (see Kalvo --help)").arg(usage)};
}

// "ok" or the findings, then the notes: a day with two rows is no damage, so the first line and
// the exit code still say whether the diary is sound.
int Check()
{
    const DiaryCheckResult check = CheckDiaryInUse();
    const bool sound = check.findings.isEmpty();
    for (const QString& line : sound ? QStringList{QStringLiteral("ok")} : check.findings)
        PrintLine(stdout, line);
    for (const QString& note : check.notes)
        PrintLine(stdout, note);
    return sound ? 0 : kFailedExitCode;
}

int Run(const BackupCommand& command)
{
    switch (command.kind) {
    case BackupCommand::Kind::Check: return Check();
    case BackupCommand::Kind::Backup: BackUpDiaryTo(command.file); break;
    case BackupCommand::Kind::Restore: PrintLine(stdout, RestoreDiary(command.file)); break;
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
        PrintLine(stderr, QStringLiteral("Kalvo: ") + ErrorMessage(error).simplified());
        return kFailedExitCode;
    }
}

QString BackupUsageText()
{
    return QStringLiteral(
        "  --check                checks the diary (see --where; SQLite's integrity check, the\n"
        "                         table MyDb with its columns ID, date and diary, and the table\n"
        "                         Earlier, when there is one, with day, text, kept and why) and\n"
        "                         prints \"ok\", exit code 0, or what is wrong, one finding a line,\n"
        "                         exit code 1. Then, one a line, the days that hold two or more\n"
        "                         entries (\"2026-12-02 has 2 entries\"), which are no damage:\n"
        "                         Kalvo keeps them as they are.\n"
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
