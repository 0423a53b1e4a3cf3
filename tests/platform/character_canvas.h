#pragma once

#include "platform/canvas.h"
#include "platform/font_desc.h"

#include <QImage>
#include <QString>
#include <algorithm>

// The canvas as it put placed text out before glyph runs: one drawText call per character. What
// it draws is the picture that glyph runs must reproduce.
class CharacterByCharacterCanvas : public TCanvas {
public:
    using TCanvas::TCanvas;

    void TextOutAdvances(QPointF topLeft, const QString& text, const std::vector<double>& advances) override
    {
        const TextMetrics m = FontMetrics(Font);
        Painter().save();
        Painter().setFont(ToQFont(Font));
        Painter().setPen(ToQColor(Font.color));
        double x = topLeft.x();
        for (qsizetype i = 0; i < text.size(); ++i) {
            const int length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            Painter().drawText(QPointF(x, topLeft.y() + m.ascent), text.mid(i, length));
            x += i < qsizetype(advances.size()) ? advances[size_t(i)] : 0;
            i += length - 1;
        }
        Painter().restore();
        Record(text, QRectF(topLeft, QPointF(x, topLeft.y() + m.Height())));
    }
};

// Where two pictures of the same size differ: how many pixels, and the first of them.
struct PixelDifference {
    int count = 0;
    QPoint first{-1, -1};
    QString Describe() const
    {
        return QStringLiteral("%1 pixels differ, the first at (%2, %3)").arg(count).arg(first.x()).arg(first.y());
    }
};

inline PixelDifference ComparePixels(const QImage& a, const QImage& b)
{
    PixelDifference difference;
    if (a.size() != b.size())
        return {std::max(a.width() * a.height(), b.width() * b.height()), QPoint(0, 0)};
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y) && difference.count++ == 0)
                difference.first = {x, y};
    return difference;
}
