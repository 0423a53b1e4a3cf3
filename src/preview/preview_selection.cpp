// Selecting objects on the pages and copying their text.
#include "preview.h"

#include "preview_workspace.h"
#include "selection_geometry.h"

#include "report/document/preview_pages.h"
#include "report/model/report_page.h"
#include "report/views/custom_memo_view.h"
#include "report/views/view.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>

namespace {

// Selected objects are covered by a light checkerboard.
const QColor kSelectionColor(166, 202, 240);

TfrxView* ViewAt(const TfrxReportPage& page, int objectIndex)
{
    return qobject_cast<TfrxView*>(page.AllObjects().value(objectIndex));
}

// A text object's text without the line break that ends its last line.
QString CopiedText(const TfrxCustomMemoView& memo)
{
    QString text = memo.Text();
    if (text.endsWith(QStringLiteral("\r\n")))
        text.chop(2);
    return text;
}

}  // namespace

bool TfrxPreview::SelectionAllowed() const
{
    return Buttons() & pbSelection;
}

void TfrxPreview::ClearSelection()
{
    FSelectionList.clear();
    workspace_->viewport()->update();
}

TfrxPageOrigin TfrxPreview::OriginOf(const TfrxReportPage& page, int index, QPoint pageTopLeft) const
{
    return PageOrigin(page, index, pageTopLeft, zoom_);
}

std::shared_ptr<const TfrxReportPage> TfrxPreview::PageUnder(int index)
{
    return pages_ && index >= 0 ? pages_->GetPage(index) : nullptr;
}

TfrxPageOrigin TfrxPreview::OriginInView(const TfrxReportPage& page, int index) const
{
    return OriginOf(page, index, workspace_->PageRectInView(index).topLeft());
}

std::optional<TfrxSelectedObject> TfrxPreview::ObjectAt(QPoint viewPoint)
{
    const int index = workspace_->PageAt(viewPoint);
    const std::shared_ptr<const TfrxReportPage> page = PageUnder(index);
    if (!page)
        return std::nullopt;
    const QRectF point = ViewToPage(QRectF(viewPoint, QSizeF(0, 0)), OriginInView(*page, index));
    const QList<TfrxComponent*> objects = page->AllObjects();
    // The object drawn last lies on top.
    for (int i = int(objects.size()) - 1; i >= 0; --i) {
        auto* view = qobject_cast<TfrxView*>(objects[i]);
        if (view && view->Visible() && RectsTouch(ObjectRect(*view), point))
            return TfrxSelectedObject{index, i};
    }
    return std::nullopt;
}

void TfrxPreview::SelectionPress(QPoint viewPoint, Qt::KeyboardModifiers modifiers)
{
    if (!SelectionAllowed())
        return;
    const auto object = modifiers & Qt::ShiftModifier ? ObjectAt(viewPoint) : std::nullopt;
    if (!object) {
        ClearSelection();
        return;
    }
    const auto found = std::find(FSelectionList.begin(), FSelectionList.end(), *object);
    if (found != FSelectionList.end())
        FSelectionList.erase(found);
    else
        FSelectionList.push_back(*object);
    workspace_->viewport()->update();
}

void TfrxPreview::SelectRect(const QRect& viewRect)
{
    if (!SelectionAllowed())
        return;
    const int index = workspace_->PageAt(viewRect.center());
    const std::shared_ptr<const TfrxReportPage> page = PageUnder(index);
    if (!page)
        return;
    const QRectF area = ViewToPage(QRectF(viewRect), OriginInView(*page, index));
    const QList<TfrxComponent*> objects = page->AllObjects();
    for (int i = 0; i < int(objects.size()); ++i) {
        auto* view = qobject_cast<TfrxView*>(objects[i]);
        const TfrxSelectedObject object{index, i};
        if (view && view->Visible() && RectsTouch(ObjectRect(*view), area) &&
            std::find(FSelectionList.begin(), FSelectionList.end(), object) == FSelectionList.end())
            FSelectionList.push_back(object);
    }
    workspace_->viewport()->update();
}

void TfrxPreview::PaintSelection(QPainter& painter, int pageIndex, const QRect& pageRect)
{
    for (const TfrxSelectedObject& selected : FSelectionList) {
        if (selected.page != pageIndex)
            continue;
        const std::shared_ptr<const TfrxReportPage> page = pages_->GetPage(pageIndex);
        const TfrxView* view = page ? ViewAt(*page, selected.object) : nullptr;
        if (!view)
            continue;
        const QRectF rect = PageToView(ObjectRect(*view), OriginOf(*page, pageIndex, pageRect.topLeft()));
        painter.fillRect(rect.toRect().adjusted(1, 1, -1, -1), QBrush(kSelectionColor, Qt::Dense4Pattern));
    }
}

void TfrxPreview::InternalCopy()
{
    if (FSelectionList.empty() || !pages_)
        return;
    std::vector<TfrxCopiedObject> texts;
    for (const TfrxSelectedObject& selected : FSelectionList) {
        const std::shared_ptr<const TfrxReportPage> page = pages_->GetPage(selected.page);
        auto* memo = page ? qobject_cast<TfrxCustomMemoView*>(ViewAt(*page, selected.object)) : nullptr;
        if (memo)
            texts.push_back({ObjectRect(*memo), CopiedText(*memo)});
    }
    if (texts.empty())
        return;
    QGuiApplication::clipboard()->setText(texts.size() == 1 ? texts.front().text : JoinCopiedTexts(texts));
}
