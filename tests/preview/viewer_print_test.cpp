// Printing a diary through the viewer to the built-in PDF printer, read back with poppler-utils.
#include "viewer_fixture.h"

#include "report/print_texts.h"
#include "report/report.h"

#include "platform/printers.h"
#include "platform/scripted_dialogs.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

// What a command-line reader prints for the file; empty when it did not run.
QString ReaderOutput(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

class PrintToPdf : public ViewerTest {};

TEST_F(PrintToPdf, ThreeDiaryPagesBecomeThreeA4PagesWithTheEntriesText)
{
    PrintPages(3);
    Open(QSize(819, 600));
    TfrxPrintOptions& options = *diary.pages.Report()->PrintOptions();
    options.SetPrinter(kPdfPrinterName);
    options.SetShowDialog(false);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("diary.pdf"));
    ScriptedDialogs dialogs;
    dialogs.Queue(std::optional<QString>(file));

    viewer.Print();

    ASSERT_EQ(dialogs.FileRequests().size(), 1) << "the PDF printer asks where to write";
    EXPECT_EQ(dialogs.FileRequests()[0].title, kDefaultDocumentTitle);
    EXPECT_EQ(dialogs.FileRequests()[0].filter, QStringLiteral("PDF document (*.pdf)|*.pdf"));
    EXPECT_FALSE(viewer.Locked());
    const QString info = ReaderOutput(QStringLiteral("pdfinfo"), {file});
    ASSERT_FALSE(info.isEmpty()) << "pdfinfo could not read " << file.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+3\\n")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+59[45](\\.\\d+)? x 84[12](\\.\\d+)? pts \\(A4\\)"))))
        << info.toStdString();
    EXPECT_TRUE(info.contains(QStringLiteral("Velmora Document"))) << "the job's title";

    const QString firstPage = ReaderOutput(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"),
                                                                QStringLiteral("1"), file, QStringLiteral("-")});
    for (const char* text : {"2021/06/01 (Tue)", "Rain all day.", "Read a book.", "2021/06/02 (Wed)", "Walked \"far\" & back."})
        EXPECT_TRUE(firstPage.contains(QString::fromUtf8(text))) << text << " in\n" << firstPage.toStdString();
    const QString secondPage = ReaderOutput(QStringLiteral("pdftotext"), {QStringLiteral("-f"), QStringLiteral("2"), QStringLiteral("-l"),
                                                                 QStringLiteral("2"), file, QStringLiteral("-")});
    EXPECT_TRUE(secondPage.contains(QStringLiteral("Letters <to> friends."))) << secondPage.toStdString();
    EXPECT_FALSE(secondPage.contains(QStringLiteral("Rain all day.")));
}

}  // namespace
