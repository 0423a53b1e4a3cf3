#include "export_command.h"

#include "command_output.h"
#include "diary/formats/diary_formats.h"
#include "diary/formats/partial_file.h"
#include "platform/font_desc.h"

#include <QApplication>

namespace {

const QString kExportOption = QStringLiteral("--export");

ExportCommandParse Invalid(const QString& error) { return {std::nullopt, error}; }

// Qt's own warnings (no runtime folder, no printing system) are not the command's output.
void KeepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        PrintLine(stderr, message);
}

}  // namespace

std::optional<ExportCommandParse> ParseExportCommand(const QStringList& arguments)
{
    if (!arguments.contains(kExportOption))
        return std::nullopt;
    if (arguments.size() != 4 || arguments[0] != kExportOption)
        return Invalid(QStringLiteral("expected: Kalvo --export FROM TO FILE (see Kalvo --help)"));
    const std::optional<TDateTime> first = ParseDayKey(arguments[1]);
    const std::optional<TDateTime> last = ParseDayKey(arguments[2]);
    for (const auto& [day, text] : {std::pair{first, arguments[1]}, std::pair{last, arguments[2]}})
        if (!day)
            return Invalid(QStringLiteral("\"%1\" is not a date written as yyyy-MM-dd").arg(text));
    if (*first > *last)
        return Invalid(QStringLiteral("the range ends before it starts: %1 is after %2").arg(arguments[1], arguments[2]));
    const std::optional<ExportFormat> format = ExportFormatOf(arguments[3]);
    if (!format)
        return Invalid(QStringLiteral("\"%1\" does not end in .pdf, .fp3, .txt or .json").arg(arguments[3]));
    return ExportCommandParse{ExportRequest{*first, *last, arguments[3], *format}, QString()};
}

int RunExportCommand(const ExportRequest& request, int argc, char** argv)
{
    // No window is shown, so no display is needed: the offscreen platform whatever the session has.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Before the application starts its threads: they must leave these signals to the one that
    // removes the partial file.
    EndOnSignalsRemovingPartialFiles();
    qInstallMessageHandler(KeepQtQuiet);
    // The printers and the report's fonts want the whole application object, though it shows nothing.
    QApplication app(argc, argv);
    RegisterPlatformFonts();
    const QString error = ExportDiary(request);
    return error.isEmpty() ? 0 : SayFailure(error);
}

QString ExportUsageText()
{
    return QStringLiteral(
        "  --export FROM TO FILE  writes the diary's printout of the days FROM to TO (yyyy-MM-dd,\n"
        "                         both included) from the diary (see --where) into FILE:\n"
        "                         a PDF document for .pdf, a prepared report for .fp3,\n"
        "                         plain UTF-8 text for .txt (each day: its yyyy-MM-dd line,\n"
        "                         the text as stored with its own CR LF line ends, a CR LF\n"
        "                         when the text does not end with one, then a blank line),\n"
        "                         a JSON array of {\"date\": \"yyyy-MM-dd\", \"text\": ...} for\n"
        "                         .json, one entry per row, the text exactly as stored.\n"
        "                         Needs no display. Exit code 0 when written, 1 when nothing\n"
        "                         could be written, 2 for wrong arguments. SIGTERM, SIGINT or\n"
        "                         SIGHUP end it at once with 128 plus the signal's number,\n"
        "                         leaving FILE as it was.\n");
}
