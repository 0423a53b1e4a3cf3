// The diary printed to the built-in PDF printer and read back with poppler-utils: what a reader
// takes out of the PDF (copying, searching, reading aloud) is what the user wrote.
#include "../report_engine_fixture.h"

#include "report/expressions/report_variables.h"
#include "report/model/print_options.h"

#include "platform/printers.h"
#include "platform/scripted_dialogs.h"
#include "test_env.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// An entry of short words, narrow letters, a double space, punctuation, digits and Japanese.
const QStringList kLines = {
    QStringLiteral("Long walk along the river with Anna; it's still 12.5 km, not 8!"),
    QStringLiteral("little  illicit tilt (fill) at 10:20"),
    QStringLiteral("図書館で本を三冊借りました。"),
};

// The text lines pdftotext finds, empty lines and the form feed after each page left out.
QStringList ExtractedLines(const QStringList& arguments)
{
    const QString text = ProgramOutput(QStringLiteral("pdftotext"), arguments);
    QStringList lines;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line.remove(QLatin1Char('\f'));
        if (!line.trimmed().isEmpty())
            lines << line;
    }
    return lines;
}

class PrintedText : public ::testing::Test {
protected:
    // One entry holding every line, printed to a PDF file.
    QString PrintToPdf(const QStringList& lines)
    {
        build.headings = {QStringLiteral("06.30.2021")};
        build.texts = {lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")};
        build.diary.dataSet->SetRangeEnd(reCount);
        build.diary.dataSet->SetRangeEndCount(1);
        EXPECT_TRUE(build.report.PrepareReport(true));
        const QString file = dir.filePath(QStringLiteral("diary.pdf"));
        ScriptedDialogs dialogs;
        PrintToPdfFile(build.report, dialogs, file);
        EXPECT_TRUE(build.store.Print());
        return file;
    }

    QTemporaryDir dir;
    DiaryBuild build;
};

TEST_F(PrintedText, EveryLineReadsBackFromThePdfExactlyAsWritten)
{
    const QString file = PrintToPdf(kLines);
    const QStringList read = ExtractedLines({file, QStringLiteral("-")});
    ASSERT_FALSE(read.isEmpty()) << "pdftotext could not read " << file.toStdString();
    for (QString line : kLines) {
        // pdftotext gives one space for any gap between words, for text Qt draws itself as well.
        line.replace(QRegularExpression(QStringLiteral(" +")), QStringLiteral(" "));
        EXPECT_TRUE(read.contains(line)) << line.toStdString() << " not among\n"
                                         << read.join(QLatin1Char('\n')).toStdString();
    }
}

// Collated copies print one after the other, each showing its own number where the text asks
// for it.
TEST_F(PrintedText, EachCollatedCopyShowsItsOwnCopyNumber)
{
    frxGlobalVariables().SetValue(QStringLiteral("CopyName"), QStringLiteral("Copy No. "));
    build.report.PrintOptions()->SetCopies(2);
    build.report.PrintOptions()->SetCollate(true);
    const QString file = PrintToPdf({QStringLiteral("This is [CopyName#]")});
    frxGlobalVariables().Clear();
    for (const int page : {1, 2}) {
        const QString number = QString::number(page);
        const QStringList read = ExtractedLines({QStringLiteral("-f"), number, QStringLiteral("-l"), number, file, QStringLiteral("-")});
        EXPECT_TRUE(read.contains(QStringLiteral("This is Copy No. ") + number)) << read.join(u'\n').toStdString();
    }
}

}  // namespace

