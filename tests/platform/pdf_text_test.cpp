// Text put out through the canvas into the built-in PDF printer, read back with poppler-utils:
// a reader of the PDF gets the lines as they were written, also where the device's whole pixels
// are coarse next to the letters.
#include "platform/canvas.h"
#include "platform/glyph_runs.h"
#include "platform/printers.h"
#include "platform/rounding.h"
#include "test_env.h"

#include <QFontMetricsF>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QStringList kLines = {
    QStringLiteral("along the"),
    QStringLiteral("Long walk along the river with Anna, we talked about the summer plans."),
    QStringLiteral("Woke early, the garden was wet after the night's rain."),
    QStringLiteral("two  spaces  between  words"),
    QStringLiteral("Commas, dots. Colons: semi; (brackets) [square] \"quoted\" it's - dash!"),
    QStringLiteral("Digits 0123456789, 3.14159 and 1,000,000 in 2021/06/30 at 10:20"),
    QStringLiteral("fill, illicit, little tilt; mm ww WW iii lll"),
    QStringLiteral("今日は一日中雨でした。図書館で本を三冊借りました。"),
};

TFontDesc Arial(int pixels)
{
    TFontDesc font;
    font.name = QStringLiteral("Arial");
    font.height = -pixels;
    font.color = clBlack;
    return font;
}

// Advances in whole device pixels as the report lays a line out: each character's own advance
// rounded, and the line widened by a pixel on every other character, as happens when the line is
// kept as wide as its 600-dpi model.
std::vector<double> WholePixelAdvances(const TFontDesc& font, const QString& text)
{
    const QFontMetricsF metrics(ToQFont(font));
    std::vector<double> advances;
    for (qsizetype i = 0; i < text.size(); ++i)
        advances.push_back(RoundHalfEven(metrics.horizontalAdvance(text[i])) + double(i % 2));
    return advances;
}

// Prints the lines one below the other on one page of the PDF printer.
void PrintLines(const QString& file, const TFontDesc& font, const QStringList& lines)
{
    std::unique_ptr<PrinterDevice> printer = CreatePdfPrinter();
    ASSERT_EQ(printer->BeginDoc(QStringLiteral("Lines"), file, *printer->DefaultMode()), DocStart::Started);
    printer->BeginPage();
    PageDrawing drawing;
    drawing.paint = [&](TCanvas& canvas, const PageDrawing&) {
        canvas.Font = font;
        double top = 300;
        for (const QString& line : lines) {
            canvas.TextOutAdvances(QPointF(300, top), line, WholePixelAdvances(font, line));
            top += 3 * -font.height;
        }
    };
    printer->DrawPage(drawing);
    printer->EndPage();
    ASSERT_TRUE(printer->EndDoc());
}

QStringList ExtractedLines(const QStringList& arguments)
{
    QStringList lines;
    for (const QString& line : ProgramOutput(QStringLiteral("pdftotext"), arguments).split(QLatin1Char('\n')))
        if (!line.trimmed().isEmpty())
            lines << line.trimmed();
    return lines;
}

// pdftotext gives one space for any gap between words, as it does for text Qt draws itself.
QString AsReadersSeeIt(QString line) { return line.replace(QRegularExpression(QStringLiteral(" +")), QStringLiteral(" ")); }

}  // namespace

// 13 pixels is the diary's 10-point text on the screen: the device pixel is a twelfth of the
// letters, where the places the layout gives and the font's own advances part the most.
TEST(PdfText, EveryLineReadsBackAsWrittenAtEachDeviceScale)
{
    for (int em : {13, 17, 42, 83}) {
        SCOPED_TRACE(em);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("lines.pdf"));
        PrintLines(file, Arial(em), kLines);
        for (const char* mode : {"", "-layout"}) {
            QStringList arguments = {file, QStringLiteral("-")};
            if (*mode)
                arguments.prepend(QString::fromLatin1(mode));
            const QStringList read = ExtractedLines(arguments);
            QStringList expected;
            for (const QString& line : kLines)
                expected << AsReadersSeeIt(line);
            EXPECT_EQ(read.join(QLatin1Char('\n')).toStdString(), expected.join(QLatin1Char('\n')).toStdString()) << mode;
        }
    }
}

// At a printer's resolution whole pixels part from the font's advances by a small share of the
// letters: the PDF then keeps every glyph where the screen and the printer put it.
TEST(PdfText, GlyphsKeepTheirLaidOutPlacesWhereReadersFindTheWordsAnyway)
{
    const TFontDesc font = Arial(83);
    for (const QString& line : kLines) {
        const std::vector<double> advances = WholePixelAdvances(font, line);
        const PlacedGlyphs exact = PlaceGlyphs(ToQFont(font), line, advances, QPointF(7, 90));
        const PlacedGlyphs readable =
            PlaceGlyphs(ToQFont(font), line, advances, QPointF(7, 90), GlyphPlacement::Readable);
        ASSERT_EQ(readable.runs.size(), exact.runs.size()) << line.toStdString();
        for (size_t i = 0; i < exact.runs.size(); ++i)
            EXPECT_EQ(readable.runs[i].positions(), exact.runs[i].positions()) << line.toStdString();
        EXPECT_EQ(readable.endX, exact.endX);
    }
}
