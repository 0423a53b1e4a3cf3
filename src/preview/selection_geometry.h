#pragma once

#include <QPoint>
#include <QRectF>
#include <QString>
#include <vector>

class TfrxReportPage;
class TfrxView;

// Where a page's objects are measured from on screen: the page's top-left margin corner.
struct TfrxPageOrigin {
    QPoint pageTopLeft;   // the paper's corner in the area's pixels
    QPointF margin;       // the margin corner inside the paper, pixels at zoom 1
    double zoom = 1;
};
// The margin corner of the page with this index (odd pages swap their side margins when mirrored).
TfrxPageOrigin PageOrigin(const TfrxReportPage& page, int index, QPoint pageTopLeft, double zoom);

// An object's rectangle in page pixels at zoom 1 from the margin corner.
QRectF ObjectRect(const TfrxView& view);
// The same on screen, and back.
QRectF PageToView(const QRectF& rect, const TfrxPageOrigin& origin);
QRectF ViewToPage(const QRectF& rect, const TfrxPageOrigin& origin);
// Overlap that counts touching edges.
bool RectsTouch(const QRectF& a, const QRectF& b);

// A selected object's place on the page and its text, for copying.
struct TfrxCopiedObject {
    QRectF rect;
    QString text;
};
// The objects' texts in reading order: a line break before an object below the current row, a tab
// before one right of the current column.
QString JoinCopiedTexts(std::vector<TfrxCopiedObject> objects);
