#include "selection_geometry.h"

#include "report/base/report_units.h"
#include "report/model/report_page.h"
#include "report/views/view.h"

#include <algorithm>

namespace {

// Positions sort as text, the way the objects' places were compared when copying was designed:
// a sign digit, then the value with two decimals in nine characters.
QString PositionKey(double value)
{
    return (value < 0 ? QStringLiteral("0") : QStringLiteral("1")) + QStringLiteral("%1").arg(value, 9, 'f', 2);
}

QString OrderKey(const QRectF& rect) { return PositionKey(rect.top()) + PositionKey(rect.left()); }

bool Within(double value, double low, double high) { return value >= low && value <= high; }

}  // namespace

TfrxPageOrigin PageOrigin(const TfrxReportPage& page, int index, QPoint pageTopLeft, double zoom)
{
    const bool mirrored = page.MirrorMargins() && index % 2 == 1;
    const double left = mirrored ? page.RightMargin() : page.LeftMargin();
    return {pageTopLeft, QPointF(left * fr01cm, page.TopMargin() * fr01cm), zoom};
}

QRectF ObjectRect(const TfrxView& view)
{
    return {view.AbsLeft(), view.AbsTop(), view.Width(), view.Height()};
}

QRectF PageToView(const QRectF& rect, const TfrxPageOrigin& origin)
{
    const QPointF topLeft = (rect.topLeft() + origin.margin) * origin.zoom + origin.pageTopLeft;
    return {topLeft, rect.size() * origin.zoom};
}

QRectF ViewToPage(const QRectF& rect, const TfrxPageOrigin& origin)
{
    const QPointF topLeft = (rect.topLeft() - origin.pageTopLeft) / origin.zoom - origin.margin;
    return {topLeft, rect.size() / origin.zoom};
}

bool RectsTouch(const QRectF& a, const QRectF& b)
{
    return a.left() <= b.right() && b.left() <= a.right() && a.top() <= b.bottom() && b.top() <= a.bottom();
}

QString JoinCopiedTexts(std::vector<TfrxCopiedObject> objects)
{
    std::stable_sort(objects.begin(), objects.end(), [](const TfrxCopiedObject& a, const TfrxCopiedObject& b) {
        return OrderKey(a.rect) < OrderKey(b.rect);
    });
    QString text;
    QRectF row;
    QRectF column;
    for (size_t i = 0; i < objects.size(); ++i) {
        const QRectF& rect = objects[i].rect;
        if (i == 0) {
            row = column = rect;
        } else if (!Within(rect.top(), row.top(), row.bottom())) {
            text += QStringLiteral("\r\n");
            row = column = rect;
        } else if (!Within(rect.left(), column.left(), column.right())) {
            text += QLatin1Char('\t');
            column = rect;
        }
        text += objects[i].text;
    }
    return text;
}
