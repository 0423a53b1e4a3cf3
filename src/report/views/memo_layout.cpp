#include "custom_memo_view.h"

#include "report/text/draw_text.h"

#include "platform/rounding.h"

namespace {

// Texts measured for AutoWidth without a room to keep to are laid out in a box no line reaches
// the end of.
constexpr TextRect kMeasureBox{0, 0, 10000, 10000};

bool IsSideways(int rotation) { return rotation == 90 || rotation == 270; }

}  // namespace

MemoBox TfrxCustomMemoView::Box() const
{
    return {AbsLeft(),
            AbsTop(),
            Width(),
            Height(),
            GapX(),
            GapY(),
            Frame()->Width(),
            Frame()->Typ(),
            Frame()->DropShadow() ? Frame()->ShadowWidth() : 0};
}

TextRect TfrxCustomMemoView::TextRectAt(double scaleX, double scaleY, double offsetX, double offsetY) const
{
    return MemoTextRect(Box(), scaleX, scaleY, offsetX, offsetY);
}

void TfrxCustomMemoView::LoadDrawText(TfrxDrawText& drawText, const QStringList& lines, const TextRect& unscaled,
                                      const TextRect& scaled, double scaleX, double scaleY, double printScale) const
{
    drawText.SetFont(Font()->Desc());
    // A text bounded by its room breaks its lines wherever any script allows, so that long words
    // and Japanese text without spaces stay inside too.
    const LineBreaks breaks = AutoWidthRoom() ? LineBreaks::AnyScript : LineBreaks::AtSpaces;
    drawText.SetOptions(
        {WordWrap(), AllowHTMLTags(), Rotation(), Wysiwyg(), Clipped(), WordBreak(), RTLReading(), breaks});
    drawText.SetGaps(LineSpacing(), CharSpacing(), ParagraphGap());
    drawText.SetDimensions(unscaled, scaled, printScale, scaleY, scaleX);
    drawText.SetText(lines, FirstParaBreak());
    drawText.SetParaBreaks(FirstParaBreak(), LastParaBreak());
}

double TfrxCustomMemoView::MeasureText(const TextRect& rect, bool height) const
{
    TfrxDrawText& drawText = frxDrawText();
    DrawTextLock lock(drawText);
    LoadDrawText(drawText, memo_.Lines(), rect, rect, 1, 1);
    return height ? drawText.CalcHeight() : drawText.CalcWidth();
}

double TfrxCustomMemoView::CalcHeight() const
{
    // Turned a quarter, the text's height on the page is its width.
    const bool sideways = IsSideways(Rotation());
    const bool unbounded = (AutoWidth() && !AutoWidthRoom()) || sideways;
    const TextRect rect = unbounded ? kMeasureBox : LayoutRect();
    return RoundHalfEven(MeasureText(rect, !sideways) + VerticalExtra(Box()));
}

double TfrxCustomMemoView::CalcWidth()
{
    const bool sideways = IsSideways(Rotation());
    const TextRect rect = sideways ? TextRectAt(1, 1, 0, 0) : kMeasureBox;
    return RoundHalfEven(MeasureText(rect, sideways) + HorizontalExtra(Box()));
}

void TfrxCustomMemoView::ApplyAutoWidth()
{
    if (!AutoWidth())
        return;
    const double width = MeasureText(AutoWidthRoom() ? LayoutRect() : kMeasureBox, false) + HorizontalExtra(Box());
    const double right = Left() + Width();
    const double centre = Left() + Width() / 2;
    SetWidth(width);
    if (HAlign() == haRight)
        SetLeft(right - width);
    else if (HAlign() == haCenter)
        SetLeft(centre - width / 2);
    if (Parent())
        Parent()->AlignChildren();
}
