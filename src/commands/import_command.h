#pragma once

#include "command_output.h"
#include "diary/formats/diary_import.h"

#include <QString>
#include <QStringList>
#include <optional>

// `Kalvo --import FILE.json [--replace]`: the days of a JSON export put into the diary.

using ImportCommandParse = CommandParse<ImportRequest>;

// None when the arguments do not name --import.
std::optional<ImportCommandParse> ParseImportCommand(const QStringList& arguments);

// Needs no display and no widgets: only the executable's folder.
int RunImportCommand(const ImportRequest& request, int argc, char** argv);

QString ImportUsageText();
