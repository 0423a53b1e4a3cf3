#include "tool_button_layout.h"

#include "controls/word_wrap.h"

#include <algorithm>

namespace {

bool ImageBesideCaption(TButtonLayout layout) { return layout == blGlyphLeft || layout == blGlyphRight; }

// Start of a block of `length` in a span, by alignment (taLeftJustify stands for "the start side").
int AlignedStart(int spanStart, int spanLength, int length, TAlignment alignment)
{
    switch (alignment) {
    case taLeftJustify: return spanStart;
    case taRightJustify: return spanStart + spanLength - length;
    case taCenter: break;
    }
    return spanStart + (spanLength - length) / 2;
}

int Centred(int spanStart, int spanLength, int length) { return spanStart + (spanLength - length) / 2; }

}  // namespace

QSize ToolButtonSize(const ToolButtonSizing& s)
{
    const QSize image = s.imageSize.isValid() ? s.imageSize : QSize(0, 0);
    int width = s.buttonWidth;
    if (s.showCaption) {
        const int needed = ImageBesideCaption(s.layout) ? image.width() + s.captionWidth + 12 : s.captionWidth + 8;
        width = std::max(width, needed);
    }
    if (s.dropDown)
        width += kDropDownArrowWidth;
    return {std::max(width, image.width()), std::max(s.buttonHeight, image.height())};
}

QRect ButtonPartRect(const QRect& bounds, TRzToolStyle style)
{
    return style == tsDropDown ? bounds.adjusted(0, 0, -kDropDownArrowWidth, 0) : bounds;
}

QRect DropDownArrowRect(const QRect& bounds, TRzToolStyle style)
{
    if (style != tsDropDown)
        return {};
    return QRect(bounds.left() + bounds.width() - kDropDownArrowWidth, bounds.top(), kDropDownArrowWidth, bounds.height());
}

ToolButtonContentLayout LayoutToolButtonContent(const ToolButtonContent& c)
{
    const QRect area = c.bounds.adjusted(kContentInset, kContentInset, -kContentInset, -kContentInset);
    const bool hasImage = !c.imageSize.isEmpty(), hasCaption = !c.caption.isEmpty();
    const bool beside = ImageBesideCaption(c.layout);
    const int gap = hasImage && hasCaption ? c.spacing : 0;

    ToolButtonContentLayout result;
    QSize captionSize;
    if (hasCaption) {
        const int room = beside ? area.width() - c.imageSize.width() - gap : area.width();
        result.captionLines = WrapText(c.font, c.caption, std::max(1, room));
        captionSize = WrappedTextSize(c.font, result.captionLines);
    }
    const QSize imageSize = hasImage ? c.imageSize : QSize(0, 0);

    QPoint imageAt, captionAt;
    if (beside) {
        const int block = imageSize.width() + gap + captionSize.width();
        const int start = AlignedStart(area.left(), area.width(), block, c.alignment);
        const bool imageFirst = c.layout == blGlyphLeft;
        imageAt.setX(imageFirst ? start : start + captionSize.width() + gap);
        captionAt.setX(imageFirst ? start + imageSize.width() + gap : start);
        imageAt.setY(Centred(area.top(), area.height(), imageSize.height()));
        captionAt.setY(Centred(area.top(), area.height(), captionSize.height()));
    } else {
        const int block = imageSize.height() + gap + captionSize.height();
        const int start = Centred(area.top(), area.height(), block);
        const bool imageFirst = c.layout == blGlyphTop;
        imageAt.setY(imageFirst ? start : start + captionSize.height() + gap);
        captionAt.setY(imageFirst ? start + imageSize.height() + gap : start);
        imageAt.setX(AlignedStart(area.left(), area.width(), imageSize.width(), c.alignment));
        captionAt.setX(AlignedStart(area.left(), area.width(), captionSize.width(), c.alignment));
    }
    const QPoint shift = c.pushed ? QPoint(1, 1) : QPoint(0, 0);
    if (hasImage)
        result.imageRect = QRect(imageAt + shift, imageSize);
    if (hasCaption)
        result.captionRect = QRect(captionAt + shift, captionSize);
    return result;
}
