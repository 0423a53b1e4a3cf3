#pragma once

#include "command_output.h"
#include "diary/printout/diary_export.h"

#include <QString>
#include <QStringList>
#include <optional>

// `Kalvo --export FROM TO FILE`: the printout of a range of days written to a file, with no window.

using ExportCommandParse = CommandParse<ExportRequest>;

// None when the arguments do not name --export.
std::optional<ExportCommandParse> ParseExportCommand(const QStringList& arguments);

// Call it before creating the application object.
int RunExportCommand(const ExportRequest& request, int argc, char** argv);

QString ExportUsageText();
