#include "main_images.h"

#include "controls/image_list.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {

constexpr int kSize = 16;

const QColor kBlueLight(0x5D, 0xA2, 0xF0), kBlueDark(0x1A, 0x5C, 0xC0), kBlueEdge(0x10, 0x3A, 0x80);
const QColor kGreenLight(0x6C, 0xD0, 0x5A), kGreenDark(0x2E, 0x9A, 0x2A), kGreenEdge(0x1A, 0x5E, 0x18);
const QColor kInk(0x10, 0x10, 0x10);

struct Palette {
    QColor light, dark, edge;
};
const Palette kBlue{kBlueLight, kBlueDark, kBlueEdge};
const Palette kGreen{kGreenLight, kGreenDark, kGreenEdge};

QBrush TopDownGradient(const Palette& p, double top = 1, double bottom = 15)
{
    QLinearGradient gradient(0, top, 0, bottom);
    gradient.setColorAt(0, p.light);
    gradient.setColorAt(1, p.dark);
    return gradient;
}

QImage Paint(const std::function<void(QPainter&)>& draw)
{
    QImage image(kSize, kSize, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return image;
}

// Rectangles with a one-pixel edge: the edge colour under the outer shape, the fill inside.
void EdgedRects(QPainter& p, const std::vector<QRect>& shape, const Palette& palette)
{
    for (const QRect& r : shape)
        p.fillRect(r, palette.edge);
    for (const QRect& r : shape)
        p.fillRect(r.adjusted(1, 1, -1, -1), TopDownGradient(palette));
}

// A thick stroke with a darker rim: drawn wide in the edge colour, then narrower in the fill.
void RimmedStroke(QPainter& p, const std::vector<QPainterPath>& strokes, const Palette& palette, double width)
{
    for (auto [pen, w] : {std::pair{QBrush(palette.edge), width + 2}, std::pair{TopDownGradient(palette), width}}) {
        p.setPen(QPen(pen, w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        for (const QPainterPath& stroke : strokes)
            p.drawPath(stroke);
    }
}

QPainterPath Polyline(std::initializer_list<QPointF> points)
{
    QPainterPath path(*points.begin());
    for (auto point = points.begin() + 1; point != points.end(); ++point)
        path.lineTo(*point);
    return path;
}

QImage Plus()
{
    return Paint([](QPainter& p) { EdgedRects(p, {QRect(5, 1, 6, 14), QRect(1, 5, 14, 6)}, kBlue); });
}

QImage Minus()
{
    return Paint([](QPainter& p) { EdgedRects(p, {QRect(1, 5, 14, 6)}, kBlue); });
}

QImage Triangle()
{
    return Paint([](QPainter& p) {
        p.setPen(QPen(kBlueEdge, 1));
        p.setBrush(TopDownGradient(kBlue, 2, 14));
        p.drawPolygon(QPolygonF({QPointF(8, 1.5), QPointF(14.5, 13.5), QPointF(1.5, 13.5)}));
    });
}

QImage CheckMark(const Palette& palette)
{
    return Paint([&](QPainter& p) {
        RimmedStroke(p, {Polyline({QPointF(3, 8.5), QPointF(6.5, 12), QPointF(13, 4)})}, palette, 2.4);
    });
}

QImage Cross()
{
    return Paint([](QPainter& p) {
        RimmedStroke(p, {Polyline({QPointF(4, 4), QPointF(12, 12)}), Polyline({QPointF(12, 4), QPointF(4, 12)})}, kBlue, 2.4);
    });
}

QImage PaperUnderMagnifier()
{
    return Paint([](QPainter& p) {
        // The sheet with a folded top-right corner and a few lines of text.
        p.setPen(QPen(QColor(0x70, 0x70, 0x70), 1));
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygonF({QPointF(1.5, 0.5), QPointF(8.5, 0.5), QPointF(11.5, 3.5), QPointF(11.5, 14.5), QPointF(1.5, 14.5)}));
        p.drawPolyline(QPolygonF({QPointF(8.5, 0.5), QPointF(8.5, 3.5), QPointF(11.5, 3.5)}));
        for (int y : {4, 6, 8})
            p.fillRect(QRect(3, y, y == 4 ? 4 : 7, 1), QColor(0x90, 0x90, 0x90));
        // The magnifying glass over its lower right.
        p.setPen(QPen(QColor(0x6B, 0x42, 0x1E), 2.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(12.2, 12.2), QPointF(14.8, 14.8));
        p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.4));
        p.setBrush(QColor(0xA8, 0xD8, 0xFF, 0xD0));
        p.drawEllipse(QPointF(9.5, 9.5), 3.6, 3.6);
    });
}

QImage Hammer()
{
    return Paint([](QPainter& p) {
        p.translate(7, 9);
        p.rotate(45);
        p.setPen(QPen(QColor(0x5A, 0x33, 0x12), 1));
        p.setBrush(QColor(0xC0, 0x7A, 0x3A));
        p.drawRect(QRectF(-1.3, -2, 2.6, 10));
        QLinearGradient steel(0, -6, 0, -2);
        steel.setColorAt(0, QColor(0xE0, 0xE0, 0xE4));
        steel.setColorAt(1, QColor(0x70, 0x74, 0x7C));
        p.setPen(QPen(QColor(0x30, 0x30, 0x34), 1));
        p.setBrush(steel);
        p.drawRect(QRectF(-5, -6, 10, 4));
    });
}

// Letters are strokes in a square-ended pen, so they stay sharp without a font.
QImage Letter(const std::vector<QPainterPath>& strokes, const QColor& color, double width)
{
    return Paint([&](QPainter& p) {
        p.setPen(QPen(color, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        for (const QPainterPath& stroke : strokes)
            p.drawPath(stroke);
    });
}

QImage LetterA()
{
    return Letter({Polyline({QPointF(2.5, 14.5), QPointF(8, 1.5), QPointF(13.5, 14.5)}), Polyline({QPointF(5, 10), QPointF(11, 10)})},
                  kBlueDark, 2.4);
}

QImage BoldB()
{
    QPainterPath b;
    b.moveTo(4, 2.5);
    b.lineTo(8.5, 2.5);
    b.cubicTo(12, 2.5, 12, 7.5, 8.5, 7.5);
    b.lineTo(4, 7.5);
    b.moveTo(8.5, 7.5);
    b.cubicTo(13, 7.5, 13, 13.5, 9, 13.5);
    b.lineTo(3, 13.5);
    b.moveTo(4.5, 1.5);
    b.lineTo(4.5, 14.5);
    return Letter({b}, kInk, 3);
}

QImage ItalicI()
{
    return Letter({Polyline({QPointF(10, 2), QPointF(6.5, 14)}), Polyline({QPointF(7.5, 2), QPointF(13, 2)}),
                   Polyline({QPointF(3.5, 14), QPointF(9, 14)})},
                  kInk, 1.6);
}

QImage UnderlinedU()
{
    QPainterPath u;
    u.moveTo(4, 1);
    u.lineTo(4, 8);
    u.cubicTo(4, 12.5, 12, 12.5, 12, 8);
    u.lineTo(12, 1);
    return Paint([&](QPainter& p) {
        p.setPen(QPen(kInk, 2.2, Qt::SolidLine, Qt::FlatCap));
        p.drawPath(u);
        p.fillRect(QRect(2, 14, 12, 2), kInk);
    });
}

QImage DoubleChevronLeft()
{
    return Paint([](QPainter& p) {
        RimmedStroke(p, {Polyline({QPointF(8, 3), QPointF(3, 8), QPointF(8, 13)}), Polyline({QPointF(13, 3), QPointF(8, 8), QPointF(13, 13)})},
                     kBlue, 2);
    });
}

QImage InfoBalloon()
{
    return Paint([](QPainter& p) {
        QPainterPath balloon;
        balloon.addRoundedRect(QRectF(0.5, 0.5, 15, 11), 3.5, 3.5);
        balloon = balloon.united(Polyline({QPointF(4, 10), QPointF(2.5, 15.5), QPointF(8.5, 10)}));
        p.setPen(QPen(kBlueEdge, 1));
        p.setBrush(TopDownGradient(kBlue, 0, 12));
        p.drawPath(balloon);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(8, 3.5), 1.3, 1.3);
        p.fillRect(QRect(7, 5, 2, 5), Qt::white);
    });
}

}  // namespace

QImage GreyCopy(const QImage& picture)
{
    QImage grey = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            const int level = 128 + qGray(line[x]) / 2;
            line[x] = qRgba(level, level, level, qAlpha(line[x]));
        }
    }
    return grey.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

void AddMainImages(TImageList& list)
{
    const QImage pictures[] = {Plus(),   Minus(),   Triangle(), CheckMark(kBlue), Cross(),         PaperUnderMagnifier(),
                               Hammer(), LetterA(), BoldB(),    ItalicI(),        UnderlinedU(),   CheckMark(kGreen),
                               DoubleChevronLeft(), InfoBalloon()};
    for (const QImage& picture : pictures) {
        list.Add(picture);
        list.Add(GreyCopy(picture));
    }
}

TImageList* CreateMainImageList(QObject* owner)
{
    auto* list = new TImageList(kSize, kSize, owner);
    list->setObjectName(QStringLiteral("ImageList1"));
    AddMainImages(*list);
    return list;
}
