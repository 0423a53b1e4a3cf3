#include "image_list.h"

#include "platform/canvas.h"

#include <QPainter>

namespace {

// A silhouette of the picture's visible pixels in one colour.
QImage Silhouette(const QImage& image, const QColor& color)
{
    QImage shape(image.size(), QImage::Format_ARGB32_Premultiplied);
    shape.fill(Qt::transparent);
    const QRgb ink = color.rgb();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) >= 128)
                shape.setPixel(x, y, ink);
    return shape;
}

}  // namespace

TImageList::TImageList(int width, int height, QObject* parent) : QObject(parent), size_(width, height) {}

int TImageList::Add(const QImage& image)
{
    QImage converted = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (converted.size() != size_)
        converted = converted.scaled(size_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    images_.push_back(converted);
    emit Change();
    return Count() - 1;
}

void TImageList::Clear()
{
    images_.clear();
    emit Change();
}

QImage TImageList::Image(int index) const { return HasImage(index) ? images_[index] : QImage(); }

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const
{
    if (!HasImage(index))
        return;
    canvas.Painter().drawImage(QPoint(x, y), enabled ? images_[index] : EmbossedDisabledImage(images_[index]));
}

QImage EmbossedDisabledImage(const QImage& image)
{
    QImage result(image.size(), QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    painter.drawImage(QPoint(1, 1), Silhouette(image, ToQColor(clBtnHighlight)));
    painter.drawImage(QPoint(0, 0), Silhouette(image, ToQColor(clBtnShadow)));
    return result;
}
