#include "toolbar_images.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace {

constexpr int kCell = 16;
constexpr int kColumns = 28;
constexpr int kRows = 2;

void Arrow(QPainter& p, bool left, bool bar)
{
    const QPolygon triangle = left ? QPolygon({{11, 3}, {11, 13}, {5, 8}}) : QPolygon({{5, 3}, {5, 13}, {11, 8}});
    p.setBrush(QColor(0, 0, 128));
    p.drawPolygon(triangle);
    if (bar)
        p.fillRect(left ? QRect(3, 3, 2, 11) : QRect(12, 3, 2, 11), QColor(0, 0, 128));
}

void Magnifier(QPainter& p, QChar sign)
{
    p.setBrush(QColor(220, 240, 255));
    p.drawEllipse(QRect(2, 2, 9, 9));
    p.setPen(QPen(QColor(96, 64, 0), 2));
    p.drawLine(10, 10, 14, 14);
    p.setPen(Qt::black);
    if (sign != u' ') {
        p.drawLine(4, 6, 9, 6);
        if (sign == u'+')
            p.drawLine(6, 4, 6, 9);
    }
}

void Sheet(QPainter& p, QColor fill)
{
    p.setBrush(fill);
    p.drawRect(QRect(3, 1, 10, 14));
}

void PaintCell(QPainter& p, int index)
{
    p.setPen(Qt::black);
    switch (index) {
    case 0:  // open
        p.setBrush(QColor(240, 200, 80));
        p.drawRect(QRect(1, 4, 13, 10));
        break;
    case 1:  // save
        p.setBrush(QColor(40, 60, 160));
        p.drawRect(QRect(1, 1, 14, 14));
        p.fillRect(QRect(4, 2, 8, 5), Qt::white);
        break;
    case 2:  // print
        Sheet(p, Qt::white);
        p.setBrush(QColor(160, 160, 160));
        p.drawRect(QRect(1, 7, 14, 6));
        break;
    case 4: Magnifier(p, u' '); break;
    case 5:  // thumbnails
        for (int i = 0; i < 4; ++i)
            p.drawRect(QRect(2 + (i % 2) * 7, 2 + (i / 2) * 7, 5, 5));
        break;
    case 7:  // page settings
        Sheet(p, Qt::white);
        p.drawLine(5, 5, 11, 5);
        p.drawLine(5, 8, 11, 8);
        break;
    case 8: Arrow(p, true, true); break;
    case 9: Arrow(p, true, false); break;
    case 10: Arrow(p, false, false); break;
    case 11: Arrow(p, false, true); break;
    case 12:  // outline
        for (int row = 0; row < 3; ++row)
            p.drawLine(2 + (row % 2) * 4, 3 + row * 5, 14, 3 + row * 5);
        break;
    case 15: Magnifier(p, u'+'); break;
    case 16: Magnifier(p, u'-'); break;
    case 21:  // edit
        Sheet(p, QColor(255, 255, 220));
        p.setPen(QPen(QColor(160, 0, 0), 2));
        p.drawLine(6, 12, 13, 4);
        break;
    case 22:  // full screen
        p.setBrush(QColor(200, 220, 255));
        p.drawRect(QRect(1, 2, 14, 12));
        break;
    default:
        if (index < 29) {  // the images the window does not show get a plain sheet
            Sheet(p, QColor(235, 235, 235));
        }
        break;
    }
}

QImage PaintStrip()
{
    QImage strip(kColumns * kCell, kRows * kCell, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int index = 0; index < kColumns * kRows; ++index) {
        painter.save();
        painter.translate((index % kColumns) * kCell, (index / kColumns) * kCell);
        painter.setClipRect(0, 0, kCell, kCell);
        PaintCell(painter, index);
        painter.restore();
    }
    return strip;
}

}  // namespace

const QImage& ToolbarStrip()
{
    static const QImage strip = PaintStrip();
    return strip;
}

QIcon ToolbarImage(int index)
{
    if (index < 0 || index >= kColumns * kRows)
        return QIcon();
    const QImage cell = ToolbarStrip().copy((index % kColumns) * kCell, (index / kColumns) * kCell, kCell, kCell);
    return QIcon(QPixmap::fromImage(cell));
}
