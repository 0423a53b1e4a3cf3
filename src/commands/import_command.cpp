#include "import_command.h"

#include "command_output.h"

#include <QCoreApplication>

namespace {

const QString kImportOption = QStringLiteral("--import");
const QString kReplaceOption = QStringLiteral("--replace");

}  // namespace

// --import FILE, with --replace before or after FILE.
std::optional<ImportCommandParse> ParseImportCommand(const QStringList& arguments)
{
    if (!arguments.contains(kImportOption))
        return std::nullopt;
    QStringList rest = arguments;
    const qsizetype replaces = rest.removeAll(kReplaceOption);
    if (replaces > 1 || rest.size() != 2 || rest[0] != kImportOption || rest[1].startsWith(u'-'))
        return ImportCommandParse{std::nullopt, QStringLiteral("expected: Kalvo --import FILE.json [--replace] (see Kalvo --help)")};
    return ImportCommandParse{ImportRequest{rest[1], replaces == 1}, QString()};
}

int RunImportCommand(const ImportRequest& request, int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const ImportResult result = ImportDiary(request);
    for (const QString& line : result.lines)
        PrintLine(stdout, line);
    return result.error.isEmpty() ? 0 : SayFailure(result.error);
}

QString ImportUsageText()
{
    return QStringLiteral(
        "  --import FILE.json     puts the days of a .json export into the diary (see\n"
        "                         --where), creating it (with the window's own table) when it is\n"
        "                         missing. A day the diary lacks is added; a day it holds with\n"
        "                         the same text is passed by; a day it holds with another text\n"
        "                         is told on standard output and kept, or with --replace all\n"
        "                         its rows get the file's text. A last line gives the counts.\n"
        "                         All or nothing: a fault in the file (named by line and\n"
        "                         column, or by entry), a day given twice, or a diary another\n"
        "                         Kalvo has open changes nothing. Exit codes as for --export.\n");
}
