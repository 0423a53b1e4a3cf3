// Finding text on the pages: each page is drawn once into a recording canvas, and its text
// records are searched in drawing order.
#include "preview.h"

#include "preview_workspace.h"
#include "search_dialog.h"
#include "text_search.h"

#include "report/document/preview_pages.h"

#include "platform/dialogs.h"
#include "platform/errors.h"
#include "platform/rounding.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPicture>

namespace {

QRect ZoomedRect(const QRectF& rect, double zoom)
{
    return QRect(QPoint(RoundHalfEven(rect.left() * zoom), RoundHalfEven(rect.top() * zoom)),
                 QPoint(RoundHalfEven(rect.right() * zoom), RoundHalfEven(rect.bottom() * zoom)));
}

}  // namespace

void TfrxPreview::Find()
{
    if (running_ || PageCount() == 0)
        return;
    TfrxSearchDialog dialog(this);
    dialog.TextE->setText(SharedSearchState().text);
    dialog.TextE->selectAll();
    dialog.TextE->setFocus();
    if (dialog.exec() == QDialog::Accepted)
        FindText(dialog.TextE->text(), dialog.TopCB->isChecked(), dialog.CaseCB->isChecked());
    allowF3_ = true;
}

bool TfrxPreview::FindText(const QString& text, bool fromBeginning, bool caseSensitive)
{
    TfrxSearchState& state = SharedSearchState();
    state.text = text;
    state.caseSensitive = caseSensitive;
    state.lastRecord = -1;
    lastFoundPage_ = fromBeginning ? 0 : std::max(0, pageNo_ - 1);
    const bool found = SeekNextMatch();
    allowF3_ = true;
    return found;
}

void TfrxPreview::FindNext()
{
    if (allowF3_ && !running_)
        SeekNextMatch();
}

bool TfrxPreview::FindTextFound() const
{
    return SharedSearchState().found;
}

void TfrxPreview::FindTextClear()
{
    TfrxSearchState& state = SharedSearchState();
    state.found = false;
    state.lastRecord = -1;
    lastFoundPage_ = 0;
    workspace_->viewport()->update();
}

bool TfrxPreview::SeekNextMatch()
{
    TfrxSearchState& state = SharedSearchState();
    for (; lastFoundPage_ >= 0 && lastFoundPage_ < PageCount(); ++lastFoundPage_) {
        const auto match = FindTextRecord(PageTexts(lastFoundPage_), state.text, state.caseSensitive, state.lastRecord);
        if (match) {
            state.found = true;
            state.foundPage = lastFoundPage_;
            state.foundRect = match->bounds;
            state.lastRecord = match->record;
            ShowFoundText();
            return true;
        }
        state.lastRecord = -1;
    }
    state.found = false;
    workspace_->viewport()->update();
    Dialogs().MessageBox(QStringLiteral("Text not found"), QGuiApplication::applicationDisplayName(), MB_OK);
    return false;
}

const std::vector<RecordedText>& TfrxPreview::PageTexts(int index)
{
    if (recordedPage_ == index)
        return recordedTexts_;
    recordedTexts_.clear();
    recordedPage_ = index;
    QPicture picture;
    QPainter painter(&picture);
    TCanvas canvas(painter);
    canvas.SetTextRecorder(&recordedTexts_);
    try {
        pages_->DrawPage(index, canvas, 1, 1, 0, 0);
    } catch (const Exception&) {
        // A page that cannot be drawn has nothing to find.
    }
    return recordedTexts_;
}

void TfrxPreview::ShowFoundText()
{
    const TfrxSearchState& state = SharedSearchState();
    const QRect page = PageRect(workspace_->PageList(), state.foundPage, workspace_->Geometry());
    const QRect target = ZoomedRect(state.foundRect, zoom_).translated(page.topLeft());
    workspace_->SetPosition(PositionShowing(target, workspace_->Position(), workspace_->viewport()->size()));
    workspace_->viewport()->update();
}

void TfrxPreview::PaintFoundText(QPainter& painter, int pageIndex, const QRect& pageRect) const
{
    const TfrxSearchState& state = SharedSearchState();
    if (!state.found || state.foundPage != pageIndex)
        return;
    const QRect found = ZoomedRect(state.foundRect, zoom_).translated(pageRect.topLeft());
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    // Every row of the text, from a pixel left of it to a pixel right of it.
    painter.fillRect(QRect(QPoint(found.left() - 1, found.top()), found.bottomRight()), Qt::white);
    painter.restore();
}
