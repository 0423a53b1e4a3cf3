#pragma once

#include "report/expressions/engine_values.h"
#include "report/model/data_band.h"
#include "report/model/report.h"
#include "report/model/report_page.h"
#include "report/text/draw_text.h"
#include "report/views/memo_view.h"

#include "platform/canvas.h"
#include "platform/rounding.h"
#include "test_env.h"

#include <QImage>
#include <QPainter>

// What a build in progress would tell expressions: the fixed test day and the page numbers set.
struct BuildValues : TfrxEngineValues {
    int page = 1;
    int totalPages = 0;
    TDateTime StartDate() const override { return DateOf(FixedNow()); }
    TDateTime StartTime() const override { return FixedNow() - DateOf(FixedNow()); }
    int LogicalPageNo() const override { return page; }
    int PhysicalPageNo() const override { return page; }
    int LogicalTotalPages() const override { return 0; }
    int TotalPages() const override { return totalPages; }
    int CurLine() const override { return 1; }
    int CurLineThrough() const override { return 1; }
};

// A report with one page and one band to put text objects on, while a build is "running".
struct MemoReport {
    // The diary's entry text: 619.84292 px wide, so its text is 617 px wide.
    static constexpr QRectF kEntryBounds{45.35436, 30.23624, 619.84292, 37.7953};

    TfrxReport report;
    TfrxReportPage* page = new TfrxReportPage(&report);
    TfrxMasterData* band = new TfrxMasterData(page);
    BuildValues build;

    MemoReport()
    {
        page->SetName(QStringLiteral("Page1"));
        band->SetName(QStringLiteral("MasterData1"));
        band->SetBounds(0, 20, 718.1107, 200);
        report.SetEngineValues(&build);
    }

    TfrxMemoView* Add(const QString& name, const QString& text, QRectF bounds = kEntryBounds)
    {
        auto* memo = new TfrxMemoView(band);
        memo->SetName(name);
        memo->SetBounds(bounds.left(), bounds.top(), bounds.width(), bounds.height());
        memo->SetText(text);
        return memo;
    }

    // Runs one output of the object and gives its text.
    static QString Output(TfrxMemoView& memo)
    {
        memo.BeforePrint();
        memo.GetData();
        return memo.Text();
    }
};

// The object's text as the shared measurer lays it out in the object's own text rectangle.
struct MeasuredText {
    QStringList lines;
    double width = 0;  // of the widest line, unrounded
};

inline MeasuredText Measure(const TfrxMemoView& memo)
{
    TfrxDrawText& drawText = frxDrawText();
    DrawTextLock lock(drawText);
    const TextRect rect = memo.TextRectAt(1, 1, 0, 0);
    drawText.SetFont(memo.Font()->Desc());
    drawText.SetOptions({});
    drawText.SetGaps(memo.LineSpacing(), memo.CharSpacing(), memo.ParagraphGap());
    drawText.SetDimensions(rect, rect, 1, 1, 1);
    drawText.SetText(memo.Memo().Lines());
    return {drawText.WrappedLines(), drawText.CalcWidth()};
}

// Draws a view on a white image, prepared for drawing as a page's owner prepares it, and records
// the texts put out.
struct Rendering {
    QImage image;
    std::vector<RecordedText> texts;

    Rendering(TfrxView& view, QSize size, double scale = 1, QPointF offset = {0, 0},
              const TfrxDrawContext& context = {})
        : image(size, QImage::Format_RGB32)
    {
        image.fill(Qt::white);
        QPainter painter(&image);
        TCanvas canvas(painter);
        canvas.SetTextRecorder(&texts);
        view.PrepareForDrawing();
        view.Draw(canvas, scale, scale, offset.x(), offset.y(), context);
    }

    bool IsWhite(int x, int y) const { return (image.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF; }
    // Whether anything was painted inside the rectangle.
    bool Inked(const QRect& rect) const
    {
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                if (!IsWhite(x, y))
                    return true;
        return false;
    }
};
