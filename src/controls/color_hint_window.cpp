#include "color_hint_window.h"

#include "platform/canvas.h"

namespace {

// Room around the text inside the hint's frame.
constexpr int kHorizontalPadding = 4;
constexpr int kVerticalPadding = 2;

}  // namespace

TColorHintWindow::TColorHintWindow()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TColorHintWindow::ShowAt(QPoint screenPos, const QString& text, const TFontDesc& font)
{
    text_ = text;
    font_ = font;
    const QSize extent = TextExtent(font, text);
    setGeometry(QRect(screenPos, extent + QSize(2 * kHorizontalPadding, 2 * kVerticalPadding)));
    show();
    update();
}

void TColorHintWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    TCanvas canvas(painter);
    canvas.Brush = {clInfoBk, bsSolid};
    canvas.FillRect(rect());
    canvas.Brush.color = clInfoText;
    canvas.FrameRect(rect());
    canvas.Font = font_;
    canvas.Font.color = clInfoText;
    canvas.Brush.style = bsClear;
    canvas.TextOut(kHorizontalPadding, kVerticalPadding, text_);
}
