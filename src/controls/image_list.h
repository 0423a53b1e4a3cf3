#pragma once

#include <QImage>
#include <QObject>
#include <QSize>

#include <vector>

class TCanvas;

// A list of equally sized pictures with transparency, drawn by index. Controls share one list and
// repaint when it changes.
class TImageList : public QObject {
    Q_OBJECT
public:
    explicit TImageList(int width = 16, int height = 16, QObject* parent = nullptr);

    int Width() const { return size_.width(); }
    int Height() const { return size_.height(); }
    QSize Size() const { return size_; }
    int Count() const { return static_cast<int>(images_.size()); }
    bool HasImage(int index) const { return index >= 0 && index < Count(); }

    // Adds a picture, scaled to the list's size when it differs; returns its index.
    int Add(const QImage& image);
    void Clear();
    // The picture at `index` (premultiplied ARGB); a null image for an index out of range.
    QImage Image(int index) const;

    // Draws a picture with its top-left at (x, y); `enabled` false draws it greyed the way the
    // platform shows a disabled picture (an embossed silhouette). Out-of-range indexes draw nothing.
    void Draw(TCanvas& canvas, int x, int y, int index, bool enabled = true) const;

signals:
    void Change();

private:
    QSize size_;
    std::vector<QImage> images_;
};

// The greyed look of a picture: its shape in clBtnShadow over the same shape in clBtnHighlight
// one pixel down and to the right.
QImage EmbossedDisabledImage(const QImage& image);
