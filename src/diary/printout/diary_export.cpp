#include "diary_export.h"

#include "diary_printout.h"
#include "printout_report.h"
#include "diary/base/data_location.h"
#include "diary/formats/diary_formats.h"
#include "diary/formats/partial_file.h"
#include "platform/dialogs.h"
#include "platform/error_box.h"
#include "platform/errors.h"
#include "platform/font_desc.h"
#include "report/document/document_texts.h"
#include "report/document/preview_pages.h"
#include "store/diary_sql.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

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

}  // namespace

std::optional<ExportFormat> ExportFormatOf(const QString& fileName)
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

QString ExportDiary(const ExportRequest& request)
{
    QuietDialogs dialogs;
    try {
        BuildAndWrite(request, dialogs);
    } catch (const std::exception& error) {
        return ErrorMessage(error);
    }
    return QString();
}
