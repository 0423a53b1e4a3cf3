#pragma once

#include "command_output.h"

#include <QString>
#include <QStringList>
#include <optional>

// `Kalvo --where` and `Kalvo --version`: what the program can tell about itself, no window.
enum class InformationCommand { Where, Version };

using InformationCommandParse = CommandParse<InformationCommand>;

// None when the arguments name neither option.
std::optional<InformationCommandParse> ParseInformationCommand(const QStringList& arguments);

// "diary: <path>" and "settings: <path>", one a line.
QString WhereText();
QString VersionText();
QString InformationUsageText();

// Call it before creating the application object.
int RunInformationCommand(InformationCommand command, int argc, char** argv);
