#include "panel.h"

#include "platform/canvas.h"
#include "platform/error_box.h"

#include <QPainter>

TPanel::TPanel(const QString& caption, QWidget* parent) : QFrame(parent), caption_(caption) {}

void TPanel::AddAligned(QWidget* child, TAlign align, const QMargins& margins)
{
    children_.push_back({child, align, margins});
    Realign();
}

void TPanel::Realign()
{
    // Inside the one-pixel bevel.
    ApplyAlign(rect().adjusted(1, 1, -1, -1), children_);
}

void TPanel::resizeEvent(QResizeEvent* event)
{
    QFrame::resizeEvent(event);
    Realign();
    if (OnResize)
        Guarded(OnResize);
}

void TPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    TCanvas canvas(painter);
    canvas.Brush.color = clBtnFace;
    canvas.FillRect(rect());
    QRect r = rect();
    canvas.Frame3D(r, clBtnHighlight, clBtnShadow, 1);
    canvas.Brush.style = bsClear;
    canvas.Font.color = clBtnText;
    const QSize text = canvas.TextExtent(caption_);
    canvas.TextOut((width() - text.width()) / 2, (height() - text.height()) / 2, caption_);
}
