#include "export_command.h"

#include "backup_commands.h"
#include "data_location.h"
#include "diary_formats.h"
#include "diary_import.h"
#include "diary_printout.h"
#include "partial_file.h"
#include "printout_report.h"
#include "window_options.h"
#include "platform/dialogs.h"
#include "platform/error_box.h"
#include "platform/errors.h"
#include "platform/font_desc.h"
#include "platform/paths.h"
#include "report/document/document_texts.h"
#include "report/document/preview_pages.h"
#include "store/diary_sql.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <cstdio>

namespace {

const QString kExportOption = QStringLiteral("--export");
const QString kHelpOption = QStringLiteral("--help");
const QString kImportOption = QStringLiteral("--import");
const QString kReplaceOption = QStringLiteral("--replace");
constexpr int kFailedExitCode = 1;
constexpr int kUsageExitCode = 2;

CommandLine Invalid(const QString& error)
{
    CommandLine command;
    command.action = CommandLine::Action::Invalid;
    command.error = error;
    return command;
}

std::optional<ExportFormat> FormatOf(const QString& fileName)
{
    const QString suffix = QFileInfo(fileName).suffix().toLower();
    if (suffix == QLatin1String("pdf"))
        return ExportFormat::Pdf;
    if (suffix == QLatin1String("fp3"))
        return ExportFormat::PreparedReport;
    if (suffix == QLatin1String("txt"))
        return ExportFormat::Text;
    if (suffix == QLatin1String("json"))
        return ExportFormat::Json;
    return std::nullopt;
}

QString Native(const QString& path) { return QDir::toNativeSeparators(path); }

// Errors that the report would show in a message box come back as text: the export asks nothing.
class QuietDialogs final : public DialogService {
public:
    QuietDialogs() { SetDialogs(this); }
    ~QuietDialogs() override { SetDialogs(nullptr); }
    QuietDialogs(const QuietDialogs&) = delete;
    QuietDialogs& operator=(const QuietDialogs&) = delete;

    QString FirstMessage() const { return firstMessage_; }

    int MessageBox(const QString& text, const QString&, unsigned flags) override
    {
        if (firstMessage_.isEmpty())
            firstMessage_ = text;
        return (flags & 0x0F) == MB_YESNO || (flags & 0x0F) == MB_YESNOCANCEL ? IDNO : IDCANCEL;
    }
    std::optional<TFontDesc> ChooseFont(const TFontDesc&) override { return std::nullopt; }
    std::optional<TColor> ChooseColor(TColor) override { return std::nullopt; }
    std::optional<QString> OpenFileName(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> SaveFileName(const FileDialogRequest&) override { return std::nullopt; }

private:
    QString firstMessage_;
};

// Opened as the window opens it, lock included, so that a diary a Kalvo has open is reported as
// locked; but a missing diary is not created, and no table either.
PrintoutEntries ReadDiary(const ExportRequest& request, const QString& dayFormat)
{
    const QString path = DiaryFilePath();
    if (!QFileInfo(path).isFile())
        throw Exception(QStringLiteral("no diary at ") + Native(path));
    SqliteConnection connection;
    connection.Database = path;
    connection.Pragmas = DiarySql::ConnectionPragmas();
    connection.LockOnOpen = true;
    connection.CreateIfMissing = false;
    try {
        connection.Open();
        PrintoutEntries entries;
        ReadPrintoutEntries(connection, request.first, request.last, dayFormat, entries);
        return entries;
    } catch (const Exception& error) {
        throw Exception(QStringLiteral("cannot read the diary ") + Native(path) + QStringLiteral(": ") + error.Message());
    }
}

// Prints the pages to the built-in PDF printer, into a file beside the target first.
void WritePdf(TfrxPreviewPages& pages, const QString& fileName, const QuietDialogs& dialogs)
{
    PartialFile partial(fileName);
    if (!PrintToPdfFile(pages, partial.FileName()))
        throw Exception(dialogs.FirstMessage().isEmpty() ? QStringLiteral("printing to PDF did not start")
                                                         : dialogs.FirstMessage());
    if (QFileInfo(partial.FileName()).size() == 0)
        throw CannotCreateFile(fileName);
    partial.Commit();
}

void WritePreparedReport(TfrxPreviewPages& pages, const QString& fileName)
{
    PartialFile partial(fileName);
    QFile file(partial.FileName());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw CannotCreateFile(fileName, file.errorString());
    pages.SaveToStream(file);
    if (!file.flush() || file.error() != QFileDevice::NoError)
        throw CannotCreateFile(fileName, file.errorString());
    file.close();
    partial.Commit();
}

void BuildAndWrite(const ExportRequest& request, const QuietDialogs& dialogs)
{
    if (request.format == ExportFormat::Text || request.format == ExportFormat::Json) {
        const QList<TReportData> entries = ReadDiary(request, QStringLiteral("yyyy-MM-dd")).ToList();
        WriteWholeFile(request.fileName, request.format == ExportFormat::Text ? DiaryAsText(entries) : DiaryAsJson(entries));
        return;
    }
    const PrintoutEntries entries = ReadDiary(request, PrintoutDayFormat());
    PrintoutReport printout(entries);
    printout.Build();
    if (request.format == ExportFormat::PreparedReport)
        WritePreparedReport(printout.Pages(), request.fileName);
    else
        WritePdf(printout.Pages(), request.fileName, dialogs);
}

// Messages of the report and the store may span lines; the command says one.
QString OneLine(QString text) { return text.replace(QRegularExpression(QStringLiteral("\\s*[\\r\\n]+\\s*")), QStringLiteral(" ")); }

void PrintLine(FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

// Qt's own warnings (no runtime folder, no printing system) are not the command's output.
void KeepQtQuiet(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        PrintLine(stderr, message);
}

// --import FILE, with --replace before or after FILE.
CommandLine ParseImport(QStringList arguments)
{
    const qsizetype replaces = arguments.removeAll(kReplaceOption);
    if (replaces > 1 || arguments.size() != 2 || arguments[0] != kImportOption || arguments[1].startsWith(u'-'))
        return Invalid(QStringLiteral("expected: Kalvo --import FILE.json [--replace] (see Kalvo --help)"));
    CommandLine command;
    command.action = CommandLine::Action::Import;
    command.import = {arguments[1], replaces == 1};
    return command;
}

QStringList ArgumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Needs no display and no widgets: only the executable's folder.
int RunImport(const ImportRequest& request, int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const ImportResult result = ImportDiary(request);
    for (const QString& line : result.lines)
        PrintLine(stdout, line);
    if (result.error.isEmpty())
        return 0;
    PrintLine(stderr, QStringLiteral("Kalvo: ") + OneLine(result.error));
    return kFailedExitCode;
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments)
{
    CommandLine command;
    if (arguments.contains(kHelpOption)) {
        command.action = CommandLine::Action::Help;
        return command;
    }
    if (arguments.contains(kImportOption))
        return ParseImport(arguments);
    if (const std::optional<InformationCommandParse> information = ParseInformationCommand(arguments)) {
        if (!information->command)
            return Invalid(information->error);
        command.action = CommandLine::Action::Information;
        command.information = *information->command;
        return command;
    }
    if (const std::optional<BackupCommandParse> backup = ParseBackupCommand(arguments)) {
        if (!backup->command)
            return Invalid(backup->error);
        command.action = CommandLine::Action::Backup;
        command.backup = *backup->command;
        return command;
    }
    if (!arguments.contains(kExportOption)) {
        // Checked before anything starts: a mistyped option is said at once, even without a display.
        if (const std::optional<QString> unknown = FirstUnknownOption(arguments))
            return Invalid(QStringLiteral("unknown option %1 (see Kalvo --help)").arg(*unknown));
        return command;
    }
    if (arguments.size() != 4 || arguments[0] != kExportOption)
        return Invalid(QStringLiteral("expected: Kalvo --export FROM TO FILE (see Kalvo --help)"));
    const std::optional<TDateTime> first = ParseDayKey(arguments[1]);
    const std::optional<TDateTime> last = ParseDayKey(arguments[2]);
    for (const auto& [day, text] : {std::pair{first, arguments[1]}, std::pair{last, arguments[2]}})
        if (!day)
            return Invalid(QStringLiteral("\"%1\" is not a date written as yyyy-MM-dd").arg(text));
    if (*first > *last)
        return Invalid(QStringLiteral("the range ends before it starts: %1 is after %2").arg(arguments[1], arguments[2]));
    const std::optional<ExportFormat> format = FormatOf(arguments[3]);
    if (!format)
        return Invalid(QStringLiteral("\"%1\" does not end in .pdf, .fp3, .txt or .json").arg(arguments[3]));
    command.action = CommandLine::Action::Export;
    command.request = {*first, *last, arguments[3], *format};
    return command;
}

QString UsageText()
{
    return QStringLiteral(
        "Usage: Kalvo [--export FROM TO FILE | --import FILE.json [--replace]]\n"
        "       Kalvo [--check | --backup FILE | --restore FILE | --where | --version | --help]\n"
        "Without arguments Kalvo opens its window; Qt's own options for it (-platform, -style,\n"
        "-display, -geometry, -reverse and the like) are passed on. Any other option is refused\n"
        "with exit code 2.\n"
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
        "                         leaving FILE as it was.\n"
        "  --import FILE.json     puts the days of a .json export into the diary (see\n"
        "                         --where), creating it (with the window's own table) when it is\n"
        "                         missing. A day the diary lacks is added; a day it holds with\n"
        "                         the same text is passed by; a day it holds with another text\n"
        "                         is told on standard output and kept, or with --replace all\n"
        "                         its rows get the file's text. A last line gives the counts.\n"
        "                         All or nothing: a fault in the file (named by line and\n"
        "                         column, or by entry), a day given twice, or a diary another\n"
        "                         Kalvo has open changes nothing. Exit codes as for --export.\n"
        ) + BackupUsageText() + InformationUsageText() + QStringLiteral(
        "  --help                 shows this text.");
}

QString ExportDiary(const ExportRequest& request)
{
    QuietDialogs dialogs;
    try {
        BuildAndWrite(request, dialogs);
    } catch (const std::exception& error) {
        return OneLine(ErrorMessage(error));
    }
    return QString();
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
        return RunImport(command.import, argc, argv);
    case CommandLine::Action::Backup:
        return RunBackupCommand(command.backup, argc, argv);
    case CommandLine::Action::Information:
        return RunInformationCommand(command.information, argc, argv);
    case CommandLine::Action::Export:
        break;
    }
    // No window is shown, so no display is needed: the offscreen platform whatever the session has.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Before the application starts its threads: they must leave these signals to the one that
    // removes the partial file.
    EndOnSignalsRemovingPartialFiles();
    qInstallMessageHandler(KeepQtQuiet);
    QApplication app(argc, argv);
    RegisterPlatformFonts();
    const QString error = ExportDiary(command.request);
    if (error.isEmpty())
        return 0;
    PrintLine(stderr, QStringLiteral("Kalvo: ") + error);
    return kFailedExitCode;
}
