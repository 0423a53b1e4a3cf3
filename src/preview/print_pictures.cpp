#include "print_pictures.h"

#include <QPainter>

namespace {

const QColor kInk(64, 64, 64);
const QColor kPaper(255, 255, 255);
const QColor kShade(200, 200, 200);
const QColor kAccent(40, 110, 190);

// A sheet with a folded corner and a few lines of text.
void DrawSheet(QPainter& painter, const QRect& rect, const QString& label = QString())
{
    const int fold = std::max(3, rect.width() / 5);
    const QPolygon outline({rect.topLeft(), QPoint(rect.right() - fold, rect.top()), QPoint(rect.right(), rect.top() + fold),
                            rect.bottomRight(), rect.bottomLeft()});
    painter.setPen(kInk);
    painter.setBrush(kPaper);
    painter.drawPolygon(outline);
    painter.drawPolyline(QPolygon({QPoint(rect.right() - fold, rect.top()), QPoint(rect.right() - fold, rect.top() + fold),
                                   QPoint(rect.right(), rect.top() + fold)}));
    if (!label.isEmpty()) {
        QFont font = painter.font();
        font.setPixelSize(std::max(8, rect.height() / 2));
        font.setBold(true);
        painter.setFont(font);
        painter.setPen(kAccent);
        painter.drawText(rect.adjusted(1, fold / 2, 0, 0), Qt::AlignCenter, label);
        return;
    }
    painter.setPen(kShade);
    for (int y = rect.top() + fold + 2; y < rect.bottom() - 2; y += 3)
        painter.drawLine(rect.left() + 3, y, rect.right() - 3, y);
}

QPixmap Blank(QSize size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

}  // namespace

QPixmap CopiesPicture(bool collated)
{
    QPixmap pixmap = Blank(QSize(110, 40));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    // Collated: two sets of pages 1 to 3; not collated: each page twice in a row.
    const QStringList groups = collated ? QStringList{QStringLiteral("123"), QStringLiteral("123")}
                                        : QStringList{QStringLiteral("11"), QStringLiteral("22"), QStringLiteral("33")};
    int x = 2;
    for (const QString& group : groups) {
        for (const QChar page : group) {
            DrawSheet(painter, QRect(x, 8, 14, 22), QString(page));
            x += 15;
        }
        x += 6;
    }
    return pixmap;
}

QPixmap PrintModePicture(TfrxPrintMode mode)
{
    QPixmap pixmap = Blank(QSize(64, 32));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    switch (mode) {
    case pmDefault:
        DrawSheet(painter, QRect(22, 2, 20, 27));
        break;
    case pmSplit:
        // One big page, two sheets it is cut into.
        DrawSheet(painter, QRect(2, 2, 22, 28));
        painter.setPen(QPen(kAccent, 1, Qt::DashLine));
        painter.drawLine(2, 16, 24, 16);
        DrawSheet(painter, QRect(36, 2, 14, 13));
        DrawSheet(painter, QRect(46, 17, 14, 13));
        break;
    case pmJoin:
        // Two small pages, one sheet that holds both.
        DrawSheet(painter, QRect(2, 4, 10, 12));
        DrawSheet(painter, QRect(12, 16, 10, 12));
        DrawSheet(painter, QRect(34, 6, 28, 22));
        painter.setPen(kAccent);
        painter.drawLine(48, 8, 48, 26);
        break;
    case pmScale:
        DrawSheet(painter, QRect(4, 10, 14, 18));
        painter.setPen(QPen(kAccent, 2));
        painter.drawLine(22, 19, 32, 19);
        painter.drawLine(28, 15, 32, 19);
        painter.drawLine(28, 23, 32, 19);
        DrawSheet(painter, QRect(38, 2, 22, 28));
        break;
    }
    return pixmap;
}

QPixmap OrientationPicture(TPrinterOrientation orientation)
{
    QPixmap pixmap = Blank(QSize(48, 48));
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect sheet = orientation == poLandscape ? QRect(4, 10, 40, 29) : QRect(10, 4, 29, 40);
    DrawSheet(painter, sheet, QStringLiteral("A"));
    return pixmap;
}
