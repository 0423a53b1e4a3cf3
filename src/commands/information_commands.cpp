#include "information_commands.h"

#include "command_output.h"
#include "diary/base/data_location.h"

#include <QCoreApplication>
#include <QDir>

namespace {

const QString kWhereOption = QStringLiteral("--where");
const QString kVersionOption = QStringLiteral("--version");

}  // namespace

std::optional<InformationCommandParse> ParseInformationCommand(const QStringList& arguments)
{
    for (const QString& option : {kWhereOption, kVersionOption}) {
        if (!arguments.contains(option))
            continue;
        if (arguments.size() != 1)
            return InformationCommandParse{std::nullopt, QStringLiteral("expected: Kalvo %1 alone (see Kalvo --help)").arg(option)};
        return InformationCommandParse{option == kWhereOption ? InformationCommand::Where : InformationCommand::Version, QString()};
    }
    return std::nullopt;
}

QString WhereText()
{
    const DataLocation location = KalvoDataLocation();
    return QStringLiteral("diary: ") + QDir::toNativeSeparators(DiaryFile(location)) + QStringLiteral("\nsettings: ")
           + QDir::toNativeSeparators(SettingsFile(location));
}

QString VersionText() { return QStringLiteral("Kalvo " KALVO_VERSION); }

QString InformationUsageText()
{
    return QStringLiteral(
        "  --where                prints where the diary (a line \"diary: PATH\") and the settings\n"
        "                         (\"settings: PATH\") are: beside Kalvo when its folder is\n"
        "                         writable or holds them already, else in the user's data and\n"
        "                         config folders ($XDG_DATA_HOME/Kalvo, $XDG_CONFIG_HOME/Kalvo),\n"
        "                         created on first use.\n"
        "  --version              prints Kalvo's version.\n");
}

int RunInformationCommand(InformationCommand command, int argc, char** argv)
{
    // The executable's folder is found through the application object.
    QCoreApplication app(argc, argv);
    const QString text = command == InformationCommand::Where ? WhereText() : VersionText();
    PrintLine(stdout, text);
    return 0;
}
