#include "spacer.h"

#include "controls/toolbar.h"
#include "platform/colors.h"

#include <QPainter>

TRzSpacer::TRzSpacer(QWidget* parent) : QWidget(parent)
{
    resize(8, 25);
    TRzToolbar::RepositionAround(this);
}

void TRzSpacer::SetGrooved(bool value)
{
    grooved_ = value;
    update();
}

void TRzSpacer::SetOrientation(TOrientation value)
{
    orientation_ = value;
    update();
}

void TRzSpacer::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintTo(painter);
}

void TRzSpacer::PaintTo(QPainter& painter)
{
    if (!grooved_)
        return;
    // A shadow line with a highlight line beside it, across the middle.
    const QColor shadow = ToQColor(clBtnShadow), highlight = ToQColor(clBtnHighlight);
    if (orientation_ == orHorizontal) {
        const int x = width() / 2 - 1;
        painter.fillRect(QRect(x, 0, 1, height()), shadow);
        painter.fillRect(QRect(x + 1, 0, 1, height()), highlight);
    } else {
        const int y = height() / 2 - 1;
        painter.fillRect(QRect(0, y, width(), 1), shadow);
        painter.fillRect(QRect(0, y + 1, width(), 1), highlight);
    }
}
