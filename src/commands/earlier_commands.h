#pragma once

#include "command_output.h"
#include "diary/history/earlier_texts.h"

#include <QString>
#include <QStringList>
#include <optional>

// `Kalvo --earlier DATE` and `Kalvo --undelete DATE`: the texts the diary keeps of a day that were
// replaced or deleted, listed, and the newest deleted one written back. Both open the diary as
// --check does, lock included.

struct EarlierCommand {
    enum class Kind { List, Undelete };
    Kind kind = Kind::List;
    TDateTime day = 0;
};

// The command the arguments ask for, or the one line that says what is wrong with them; nothing
// when they name neither option.
using EarlierCommandParse = CommandParse<EarlierCommand>;
std::optional<EarlierCommandParse> ParseEarlierCommand(const QStringList& arguments);

// "2026-12-11T09:30:00Z  post    First line": when the text was kept, why, and its first line,
// with control characters shown by their pictures so that the line stays one line.
QString EarlierLine(const EarlierText& earlier);

// The command's exit code: 0 when done, 1 when --undelete has nothing to put back or the diary
// cannot be used.
int RunEarlierCommand(const EarlierCommand& command, int argc, char** argv);

// The usage lines of these commands, for --help.
QString EarlierUsageText();
