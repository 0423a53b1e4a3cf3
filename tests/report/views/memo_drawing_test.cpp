#include "../memo_fixture.h"
#include "../qt_print.h"

#include "report/text/draw_text.h"
#include "report/views/line_view.h"

#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(MemoDrawing, ALineKeepsTheModelsWidthAtEveryScale)
{
    MemoReport r;
    TfrxMemoView* memo = r.Add(QStringLiteral("Memo1"), QStringLiteral("Wysiwyg keeps the width"), {10, 10, 300, 20});
    const double modelWidth = Measure(*memo).width;
    for (double scale : {1.0, 1.5, 2.0, 3.3}) {
        const Rendering drawn(*memo, {1100, 200}, scale);
        ASSERT_EQ(drawn.texts.size(), 1u);
        EXPECT_EQ(drawn.texts[0].bounds.width(), RoundHalfEven(modelWidth * scale)) << scale;
        EXPECT_EQ(drawn.texts[0].bounds.left(), memo->TextRectAt(scale, scale, 0, 0).left);
    }
}

TEST(MemoDrawing, OnAPrinterTheFontFollowsItsResolutionAndThePrintScale)
{
    MemoReport r;
    TfrxMemoView* memo = r.Add(QStringLiteral("Memo1"), QStringLiteral("Printed at 600 dpi"), {10, 10, 300, 20});
    const double modelWidth = Measure(*memo).width;
    QTemporaryDir dir;
    for (double printScale : {1.0, 0.5}) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(dir.filePath(QStringLiteral("page.pdf")));
        printer.setResolution(600);
        std::vector<RecordedText> texts;
        QPainter painter(&printer);
        TCanvas canvas(painter);
        canvas.SetTextRecorder(&texts);
        const double scale = 600 / 96.0 * printScale;
        memo->Draw(canvas, scale, scale, 0, 0, {0, 0, printScale});
        painter.end();
        ASSERT_EQ(texts.size(), 1u);
        TFontDesc printerFont = memo->Font()->Desc();
        printerFont.height = -RoundHalfEven(600 * 10 * printScale / 72);
        EXPECT_EQ(texts[0].bounds.height(), TextHeight(printerFont)) << printScale;
        EXPECT_EQ(texts[0].bounds.width(), RoundHalfEven(modelWidth * scale)) << printScale;
    }
}

TEST(MemoDrawing, HorizontalAlignments)
{
    MemoReport r;
    TfrxMemoView* memo = r.Add(QStringLiteral("Memo1"), QStringLiteral("Aligned"), {10, 10, 200, 20});
    const TextRect rect = memo->TextRectAt(1, 1, 0, 0);
    auto drawnLine = [&] {
        const Rendering drawn(*memo, {300, 100});
        return drawn.texts.at(0).bounds;
    };
    memo->SetHAlign(haRight);
    EXPECT_EQ(drawnLine().right(), rect.right);
    memo->Font()->SetStyle(frx::fsBold);
    EXPECT_EQ(drawnLine().right(), rect.right - 1) << "heavy strokes keep one more pixel";
    memo->Font()->SetStyle({});
    memo->SetHAlign(haCenter);
    const QRectF centred = drawnLine();
    EXPECT_LE(std::abs((centred.left() - rect.left) - (rect.right - centred.right())), 1);
}

TEST(MemoDrawing, AJustifiedParagraphFillsTheWidthExceptItsLastLine)
{
    MemoReport r;
    TfrxMemoView* memo =
        r.Add(QStringLiteral("Memo1"), QStringLiteral("one two three four five six seven eight nine ten"), {10, 10, 120, 80});
    memo->SetHAlign(haBlock);
    const TextRect rect = memo->TextRectAt(1, 1, 0, 0);
    const Rendering drawn(*memo, {300, 200});
    ASSERT_GE(drawn.texts.size(), 3u);
    for (size_t i = 0; i + 1 < drawn.texts.size(); ++i)
        EXPECT_EQ(drawn.texts[i].bounds.right(), rect.right) << drawn.texts[i].text.toStdString();
    EXPECT_LT(drawn.texts.back().bounds.right(), rect.right);
}

TEST(MemoDrawing, TextIsClippedToItsRectangleOverATransparentBackground)
{
    MemoReport r;
    TfrxMemoView* memo = r.Add(QStringLiteral("Memo1"), QStringLiteral("XXXXXXXX\r\nXXXXXXXX\r\nXXXXXXXX"), {10, 10, 100, 20});
    memo->SetColor(0x00FFFF);  // yellow
    const QPoint corner(10, 10 + 20);  // the band's top is 20
    {
        const Rendering drawn(*memo, {200, 120});
        const TextRect rect = memo->TextRectAt(1, 1, 0, 0);
        EXPECT_FALSE(drawn.Inked(QRect(corner.x(), rect.bottom + 1, 100, 40))) << "lines below the rectangle";
        EXPECT_TRUE(drawn.Inked(QRect(rect.left, rect.top, rect.Width(), rect.Height())));
        // Between two glyphs of the first line the fill shows through.
        EXPECT_EQ(drawn.image.pixel(rect.left, rect.top) & 0xFFFFFF, 0xFFFF00u);
    }
    memo->SetClipped(false);
    const Rendering unclipped(*memo, {200, 120});
    EXPECT_TRUE(unclipped.Inked(QRect(corner.x(), memo->TextRectAt(1, 1, 0, 0).bottom + 1, 100, 40)));
}

TEST(MemoDrawing, ADottedLineIsOnePixelHighAtScaleOne)
{
    MemoReport r;
    auto* line = new TfrxLineView(r.band);
    line->SetBounds(7.55906, 79.37013, 200, 0);
    line->Frame()->SetStyle(fsDot);
    line->Frame()->SetTyp(ftTop);
    const Rendering drawn(*line, {300, 150});
    const int y = RoundHalfEven(20 + 79.37013);
    QString row;
    for (int x = 8; x < 30; ++x)
        row += drawn.IsWhite(x, y) ? u'.' : u'#';
    EXPECT_EQ(row, "###...###...###...###.");
    EXPECT_FALSE(drawn.Inked(QRect(0, y - 5, 300, 5)));
    EXPECT_FALSE(drawn.Inked(QRect(0, y + 1, 300, 5)));
    EXPECT_EQ(line->Height(), 0);

    // A line no wider than high stands upright and is drawn by its left side.
    line->SetBounds(50, 10, 3, 40);
    Rendering(*line, {300, 150});
    EXPECT_EQ(line->Width(), 0);
    EXPECT_EQ(line->Frame()->Typ(), TfrxFrameTypes(ftLeft));
}

// Paragraphs one word per line: 50 px leave no room for two words.
struct SplitText {
    MemoReport r;
    TfrxMemoView* memo = r.Add(QStringLiteral("Memo1"), QStringLiteral("First\r\nalpha bravo charlie delta echo"),
                               {10, 0, 50, 200});
};

TEST(MemoDrawing, SplittingAtThePageBottomKeepsWholeLinesAndRemembersTheBrokenParagraph)
{
    SplitText s;
    TfrxMemoView& memo = *s.memo;
    memo.InitPart();
    EXPECT_EQ(memo.PartText(), "First\r\nalpha bravo charlie delta echo\r\n");

    memo.SetHeight(48);  // three lines of 15.28
    EXPECT_NEAR(memo.DrawPart(), 48 - 3 * 15.28 + 2, 1e-9);
    EXPECT_EQ(memo.Memo().Lines(), (QStringList{"First", "alpha bravo "}));
    EXPECT_EQ(memo.PartText(), "charlie delta echo\r\n");
    EXPECT_FALSE(memo.FirstParaBreak());
    EXPECT_TRUE(memo.LastParaBreak()) << "the cut falls inside the second paragraph";

    memo.SetHeight(10);  // not one line fits
    EXPECT_EQ(memo.DrawPart(), 10);
    EXPECT_EQ(memo.PartText(), "charlie delta echo\r\n");

    memo.SetHeight(200);
    EXPECT_NEAR(memo.DrawPart(), 200 - 13 * 15.28 + 2, 1e-9);
    EXPECT_EQ(memo.Memo().Lines(), (QStringList{"charlie delta echo"}));
    EXPECT_EQ(memo.PartText(), "");
    EXPECT_TRUE(memo.FirstParaBreak()) << "this part continues a paragraph";
    EXPECT_FALSE(memo.LastParaBreak());
}

TEST(MemoDrawing, TextThatDoesNotFitFlowsIntoTheNextObject)
{
    SplitText s;
    s.memo->SetHeight(33);  // two lines
    TfrxMemoView* next = s.r.Add(QStringLiteral("Memo2"), QStringLiteral("[never evaluated]"), {100, 0, 50, 200});
    s.memo->SetFlowTo(next);
    MemoReport::Output(*s.memo);
    EXPECT_EQ(s.memo->Memo().Lines(), (QStringList{"First", "alpha "}));
    EXPECT_EQ(next->Text(), "bravo charlie delta echo\r\n");
    EXPECT_FALSE(next->AllowExpressions());
}

TEST(MemoDrawing, AContinuedParagraphIsNeitherIndentedNorNarrowed)
{
    SplitText s;
    TfrxMemoView& memo = *s.memo;
    memo.SetParagraphGap(10);
    memo.SetText(QStringLiteral("alpha bravo"));
    const TextRect rect = memo.TextRectAt(1, 1, 0, 0);
    const Rendering fresh(memo, {200, 200});
    ASSERT_EQ(fresh.texts.size(), 2u);
    EXPECT_EQ(fresh.texts[0].bounds.left(), rect.left + 10);
    EXPECT_EQ(fresh.texts[1].bounds.left(), rect.left);

    memo.SetFirstParaBreak(true);
    const Rendering continued(memo, {200, 200});
    EXPECT_EQ(continued.texts[0].bounds.left(), rect.left);
}

TEST(MemoDrawing, HasNextDataPartComparesTheFreeSpaceWithTheHeightStillNeeded)
{
    SplitText s;
    TfrxMemoView& memo = *s.memo;
    memo.SetTop(30);
    memo.InitPart();
    memo.SetSaveHeight(100);
    memo.SetHeight(20);  // the engine sets the space left before DrawPart
    EXPECT_TRUE(memo.HasNextDataPart(129));
    EXPECT_FALSE(memo.HasNextDataPart(130));
}

}  // namespace
