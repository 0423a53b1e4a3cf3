#include "child_alignment.h"

std::vector<QRectF> AlignChildBounds(QSizeF client, const std::vector<AlignedChild>& children)
{
    std::vector<QRectF> result;
    result.reserve(children.size());
    QRectF area(QPointF(0, 0), client);
    for (const AlignedChild& child : children) {
        QRectF r = child.bounds;
        switch (child.align) {
        case baLeft:
            r.moveLeft(area.left());
            area.setLeft(area.left() + r.width());
            break;
        case baRight:
            r.moveLeft(area.right() - r.width());
            area.setRight(area.right() - r.width());
            break;
        case baBottom:
            r.moveTop(area.bottom() - r.height());
            area.setBottom(area.bottom() - r.height());
            break;
        case baWidth:
            r.setLeft(area.left());
            r.setWidth(area.width());
            break;
        case baCenter:
            r.moveLeft(area.left() + (area.width() - r.width()) / 2);
            break;
        default:
            break;
        }
        result.push_back(r);
    }
    for (size_t i = 0; i < children.size(); ++i)
        if (children[i].align == baClient)
            result[i] = area;
    return result;
}
