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
        "                         its rows get the file's text, and the texts they held are\n"
        "                         kept (see --earlier). A day the file gives more than once, as\n"
        "                         the export of a day with several entries does, is added as\n"
        "                         that many entries to a diary without it, passed by when the\n"
        "                         diary holds just those texts, and refused otherwise. A last\n"
        "                         line gives the counts. All or nothing: a fault in the file\n"
        "                         (named by line and column, or by entry), a text over 10 MiB,\n"
        "                         a refused day, or a diary another Kalvo has open changes\n"
        "                         nothing. Exit codes as for --export.\n");
}
