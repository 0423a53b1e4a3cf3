#include "command_line.h"

#include "command_output.h"
#include "export_command.h"
#include "import_command.h"
#include "window_options.h"

namespace {

const QString kHelpOption = QStringLiteral("--help");

CommandLine Invalid(const QString& error)
{
    CommandLine command;
    command.action = CommandLine::Action::Invalid;
    command.error = error;
    return command;
}

// The command of one parse: `Invalid` with its error when the arguments are wrong, else `action`
// with the request put in place by `take`.
template <typename Parse, typename Take>
CommandLine Command(const Parse& parse, CommandLine::Action action, Take take)
{
    if (!parse.command)
        return Invalid(parse.error);
    CommandLine command;
    command.action = action;
    take(command, *parse.command);
    return command;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments)
{
    using Action = CommandLine::Action;
    if (arguments.contains(kHelpOption)) {
        CommandLine command;
        command.action = Action::Help;
        return command;
    }
    if (const auto import = ParseImportCommand(arguments))
        return Command(*import, Action::Import, [](CommandLine& c, const ImportRequest& r) { c.import = r; });
    if (const auto information = ParseInformationCommand(arguments))
        return Command(*information, Action::Information, [](CommandLine& c, InformationCommand r) { c.information = r; });
    if (const auto backup = ParseBackupCommand(arguments))
        return Command(*backup, Action::Backup, [](CommandLine& c, const BackupCommand& r) { c.backup = r; });
    if (const auto earlier = ParseEarlierCommand(arguments))
        return Command(*earlier, Action::Earlier, [](CommandLine& c, const EarlierCommand& r) { c.earlier = r; });
    if (const auto exportRange = ParseExportCommand(arguments))
        return Command(*exportRange, Action::Export, [](CommandLine& c, const ExportRequest& r) { c.request = r; });
    // Checked before anything starts: a mistyped option is said at once, even without a display.
    if (const std::optional<QString> unknown = FirstUnknownOption(arguments))
        return Invalid(QStringLiteral("unknown option %1 (see Kalvo --help)").arg(*unknown));
    return CommandLine();
}

QString UsageText()
{
    return QStringLiteral(
        "Usage: Kalvo [--export FROM TO FILE | --import FILE.json [--replace]]\n"
        "       Kalvo [--check | --backup FILE | --restore FILE | --where | --version | --help]\n"
        "       Kalvo [--earlier DATE | --undelete DATE]\n"
        "Without arguments Kalvo opens its window; Qt's own options for it (-platform, -style,\n"
        "-display, -geometry, -reverse and the like) are passed on. Any other option is refused\n"
        "with exit code 2.\n")
        + ExportUsageText() + ImportUsageText() + BackupUsageText() + EarlierUsageText()
        + InformationUsageText()
        + QStringLiteral("  --help                 shows this text.");
}

std::optional<int> RunCommandLine(int argc, char** argv)
{
    const CommandLine command = ParseCommandLine(ArgumentsOf(argc, argv));
    switch (command.action) {
    case CommandLine::Action::ShowWindow:
        return std::nullopt;
    case CommandLine::Action::Help:
        PrintLine(stdout, UsageText());
        return 0;
    case CommandLine::Action::Invalid:
        PrintLine(stderr, QStringLiteral("Kalvo: ") + command.error);
        return kUsageExitCode;
    case CommandLine::Action::Import:
        return RunImportCommand(command.import, argc, argv);
    case CommandLine::Action::Backup:
        return RunBackupCommand(command.backup, argc, argv);
    case CommandLine::Action::Information:
        return RunInformationCommand(command.information, argc, argv);
    case CommandLine::Action::Earlier:
        return RunEarlierCommand(command.earlier, argc, argv);
    case CommandLine::Action::Export:
        return RunExportCommand(command.request, argc, argv);
    }
    return std::nullopt;
}
