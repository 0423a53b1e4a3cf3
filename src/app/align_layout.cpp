#include "align_layout.h"

#include <algorithm>

namespace {

QRect Place(QRect& free, const AlignedWidget& child)
{
    const QSize size = child.widget ? child.widget->size() : QSize();
    const QMargins& m = child.margins;
    const int w = size.width() + m.left() + m.right();
    const int h = size.height() + m.top() + m.bottom();
    QRect slot;
    switch (child.align) {
    case alTop: slot = QRect(free.left(), free.top(), free.width(), h); free.setTop(free.top() + h); break;
    case alBottom: slot = QRect(free.left(), free.bottom() + 1 - h, free.width(), h); free.setBottom(free.bottom() - h); break;
    case alLeft: slot = QRect(free.left(), free.top(), w, free.height()); free.setLeft(free.left() + w); break;
    case alRight: slot = QRect(free.right() + 1 - w, free.top(), w, free.height()); free.setRight(free.right() - w); break;
    case alClient: slot = free; break;
    case alNone: return child.widget ? child.widget->geometry() : QRect();
    }
    const QRect inner = slot.marginsRemoved(m);
    return QRect(inner.topLeft(), QSize(std::max(0, inner.width()), std::max(0, inner.height())));
}

}  // namespace

std::vector<QRect> AlignRects(const QRect& client, const std::vector<AlignedWidget>& children)
{
    QRect free = client;
    std::vector<QRect> rects;
    // A hidden child takes no room and keeps its place. Client-aligned children take what the
    // others leave, whatever their place in the list.
    auto hidden = [](const AlignedWidget& c) { return c.widget && c.widget->isHidden(); };
    for (const AlignedWidget& c : children)
        rects.push_back(hidden(c) ? c.widget->geometry() : c.align == alClient ? QRect() : Place(free, c));
    for (size_t i = 0; i < children.size(); ++i)
        if (children[i].align == alClient && !hidden(children[i]))
            rects[i] = Place(free, children[i]);
    return rects;
}

void ApplyAlign(const QRect& client, const std::vector<AlignedWidget>& children)
{
    const std::vector<QRect> rects = AlignRects(client, children);
    for (size_t i = 0; i < children.size(); ++i)
        if (children[i].widget && children[i].align != alNone)
            children[i].widget->setGeometry(rects[i]);
}
