#include "custom_memo_view.h"

#include "report/text/draw_text.h"

TfrxCustomMemoView::TextCut TfrxCustomMemoView::CutAtBottom()
{
    TfrxDrawText& drawText = frxDrawText();
    DrawTextLock lock(drawText);
    const TextRect rect = LayoutRect();
    LoadDrawText(drawText, memo_.Lines(), rect, rect, 1, 1);
    TextCut cut;
    cut.unusedSpace = drawText.UnusedSpace();
    cut.rest = drawText.GetOutBoundsText(cut.paraBreak);
    if (!cut.rest.isEmpty()) {
        cut.nothingFits = drawText.Lines().empty();
        SetText(drawText.GetInBoundsText());
    }
    return cut;
}

void TfrxCustomMemoView::InitPart()
{
    TfrxStretcheable::InitPart();
    partText_ = Text();
    SetFirstParaBreak(false);
    SetLastParaBreak(false);
}

double TfrxCustomMemoView::DrawPart()
{
    ApplyAutoWidth();
    // This part continues where the part placed before it ended.
    SetFirstParaBreak(LastParaBreak());
    SetLastParaBreak(false);
    SetText(partText_);
    const TextCut cut = CutAtBottom();
    if (cut.nothingFits) {
        SetText(partText_);
        SetLastParaBreak(FirstParaBreak());
        return Height();
    }
    partText_ = cut.rest;
    SetLastParaBreak(cut.paraBreak);
    return cut.unusedSpace + 2 * GapY();
}
