#pragma once

#include "diary_import.h"
#include "backup_commands.h"
#include "information_commands.h"
#include "platform/date_time.h"

#include <QString>
#include <QStringList>
#include <optional>

// `Kalvo --export FROM TO FILE` and `Kalvo --help`: the diary printout of a range of days written
// to a file, with no window.

enum class ExportFormat { Pdf, PreparedReport, Text, Json };

struct ExportRequest {
    TDateTime first = 0;
    TDateTime last = 0;
    QString fileName;
    ExportFormat format = ExportFormat::Pdf;
};

struct CommandLine {
    enum class Action { ShowWindow, Help, Export, Backup, Import, Information, Invalid };
    Action action = Action::ShowWindow;
    ExportRequest request;  // for Export
    BackupCommand backup;   // for Backup
    ImportRequest import;   // for Import
    InformationCommand information = InformationCommand::Version;  // for Information
    QString error;          // for Invalid: one line
};

// Reads the arguments that follow the program's name. Arguments that name neither --export nor
// --help leave the window to start as usual, unless one of them is an option that neither this
// program nor Qt knows.
CommandLine ParseCommandLine(const QStringList& arguments);

QString UsageText();

// Writes the printout of the diary beside the executable. Empty on success, else the one line
// that says why nothing was written.
QString ExportDiary(const ExportRequest& request);

// Runs the command the arguments ask for, without a display, and gives its exit code; none when
// they ask for the window. Call it before creating the application object.
std::optional<int> RunCommandLine(int argc, char** argv);
