#pragma once

#include "backup_commands.h"
#include "earlier_commands.h"
#include "information_commands.h"
#include "diary/formats/diary_import.h"
#include "diary/printout/diary_export.h"

#include <QString>
#include <QStringList>
#include <optional>

// Kalvo's command line: which command the arguments ask for, --help, and running the command
// without a window.

struct CommandLine {
    enum class Action { ShowWindow, Help, Export, Backup, Import, Information, Earlier, Invalid };
    Action action = Action::ShowWindow;
    ExportRequest request;  // for Export
    BackupCommand backup;   // for Backup
    ImportRequest import;   // for Import
    EarlierCommand earlier;  // for Earlier
    InformationCommand information = InformationCommand::Version;  // for Information
    QString error;          // for Invalid: one line
};

// Reads the arguments that follow the program's name. Arguments that name no command leave the
// window to start as usual, unless one of them is an option that neither this program nor Qt knows.
CommandLine ParseCommandLine(const QStringList& arguments);

QString UsageText();

// Runs the command the arguments ask for, without a display, and gives its exit code; none when
// they ask for the window. Call it before creating the application object.
std::optional<int> RunCommandLine(int argc, char** argv);
