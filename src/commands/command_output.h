#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>
#include <optional>

// What every command shares: its arguments, and the lines it says.

// What reading the arguments gives for one command: the command, or the one line that says what
// is wrong with the arguments.
template <typename Command>
struct CommandParse {
    std::optional<Command> command;  // none when the arguments are wrong
    QString error;
};

constexpr int kFailedExitCode = 1;  // nothing was done, or (--check) the diary is not sound
constexpr int kUsageExitCode = 2;   // the arguments are wrong

// The arguments after the program's name.
QStringList ArgumentsOf(int argc, char** argv);

// Writes `text` and a line end.
void PrintLine(FILE* stream, const QString& text);

// Messages of the report and the store may span lines; a command says one.
QString OneLine(QString text);

// "Kalvo: " and the one-line `error` on standard error; answers kFailedExitCode.
int SayFailure(const QString& error);
