// The engine's pages: page start with its headers, page end with its footer, new pages and the
// space they leave.
#include "report_engine.h"

#include "report/base/report_units.h"
#include "report/model/band_kinds.h"
#include "report/model/prepared_pages_sink.h"
#include "report/model/report.h"
#include "report/model/report_page.h"

namespace {

constexpr double kEndlessFreeSpace = 1e6;

}  // namespace

TfrxBand* TfrxEngine::PageBand(const QMetaObject& kind) const { return page_ ? page_->FindBand(kind) : nullptr; }

void TfrxEngine::StartPage(bool firstReportPage)
{
    headerList_.clear();
    TfrxBand* title = PageBand(TfrxReportTitle::staticMetaObject);
    TfrxBand* header = PageBand(TfrxPageHeader::staticMetaObject);
    for (TfrxBand* band : page_->TitleBeforeHeader() ? QList{title, header} : QList{header, title})
        if (band)
            headerList_ << band;
    pageHeight_ = page_->PrintableHeight();
    pageWidth_ = page_->PrintableWidth();
    curX_ = curY_ = 0;
    curColumn_ = 1;
    isFirstPage_ = true;
    isLastPage_ = false;
    if (page_->ResetPageNumbers())
        Pages().ResetLogicalPageNumber();
    AddPageWithHeaders();
    if (firstReportPage)
        Pages().SetFirstPage(Pages().CurPage());
    // The title is printed once.
    headerList_.removeAll(title);
}

void TfrxEngine::AddPageWithHeaders()
{
    prevFooterHeight_ = 0;
    Pages().AddPage(*page_);
    curY_ = 0;
    const double savedX = curX_;
    ShowOverlay(false);
    curY_ = 0;
    for (TfrxBand* band : QList(headerList_))
        if (band != startNewPageBand_ && band != lastBandOnPage_)
            ShowHeader(*band);
    curX_ = savedX;
}

void TfrxEngine::ShowHeader(TfrxBand& band)
{
    auto* pageHeader = qobject_cast<TfrxPageHeader*>(&band);
    TfrxBand* shown = &band;
    // On the first page a page header may give its place to its child.
    if (pageHeader && isFirstPage_ && !pageHeader->PrintOnFirstPage())
        shown = pageHeader->PrintChildIfInvisible() ? pageHeader->Child() : nullptr;
    if (!shown)
        return;
    curLine_ = band.FLineN;
    curLineThrough_ = band.FLineThrough;
    callFromAddPage_ = true;
    callFromPHeader_ = pageHeader;
    ShowBand(shown);
    callFromAddPage_ = callFromPHeader_ = false;
}

// The objects placed directly on a page go out once, with the first page of each output of it;
// the bands that follow start where they would without them.
void TfrxEngine::ShowNullBand(TfrxNullBand* band)
{
    if (!band)
        return;
    // Each output stretches it anew from the whole printable area.
    band->SetBounds(0, 0, pageWidth_, pageHeight_);
    const double savedX = curX_, savedY = curY_;
    ShowBand(band);
    curX_ = savedX;
    curY_ = savedY;
}

// The overlay goes under the page's content when it is put out first, at the start of the page,
// and over it with PrintOnTop, after the page footer. Both start at the top of the page.
void TfrxEngine::ShowOverlay(bool onTop)
{
    auto* overlay = qobject_cast<TfrxOverlay*>(PageBand(TfrxOverlay::staticMetaObject));
    if (!overlay || overlay->PrintOnTop() != onTop)
        return;
    curY_ = 0;
    if (onTop) {
        PlaceFixed(*overlay, true);
        return;
    }
    // Part of starting the page: it asks for no new page of its own.
    const bool nested = callFromAddPage_;
    callFromAddPage_ = true;
    ShowBand(overlay);
    callFromAddPage_ = nested;
}

void TfrxEngine::NewPage()
{
    lastBandOnPage_ = curBand_;
    EndPage();
    UpdateEndlessPageSize();
    AddPageWithHeaders();
    lastBandOnPage_ = nullptr;
}

// A page that grows with its content gets the paper its content needs.
void TfrxEngine::UpdateEndlessPageSize()
{
    if (page_->EndlessHeight())
        Pages().UpdatePageDimension(page_->PaperWidth(),
                                    (FooterHeight() + curY_) / fr01cm + page_->TopMargin() + page_->BottomMargin());
}

// Pages have one column here: the next column is the next page.
void TfrxEngine::NewColumn() { NewPage(); }

void TfrxEngine::EndPage()
{
    const bool nested = callFromEndPage_;
    callFromEndPage_ = true;
    if (!isLastPage_)
        curX_ = 0, curColumn_ = 1;
    if (isLastPage_ && !summaryShown_ && !nested) {
        summaryShown_ = true;
        ShowBand(PageBand(TfrxReportSummary::staticMetaObject));
    }
    ShowPageFooter();
    ShowOverlay(true);
    callFromEndPage_ = nested;
    isFirstPage_ = false;
}

void TfrxEngine::ShowPageFooter()
{
    auto* footer = qobject_cast<TfrxPageFooter*>(PageBand(TfrxPageFooter::staticMetaObject));
    if (!footer)
        return;
    curY_ = PageHeight() - footer->Height();
    prevFooterHeight_ = isLastPage_ && footer->PrintOnLastPage() ? footer->Height() : 0;
    const bool skipped = (isFirstPage_ && !footer->PrintOnFirstPage()) || (isLastPage_ && !footer->PrintOnLastPage());
    PlaceFixed(*footer, !skipped);
}

void TfrxEngine::PlaceFixed(TfrxBand& band, bool printed)
{
    Stretch(band);
    if (band.Visible() && printed) {
        band.SetLeft(0);
        band.SetTop(curY_);
        if (!Pages().BandExists(band))
            Pages().AddObject(band);
        curY_ += band.Height();
    }
    UnStretch(band);
}

double TfrxEngine::FreeSpace()
{
    if (page_->EndlessHeight())
        return kEndlessFreeSpace;
    return PageHeight() - (prevFooterHeight_ != 0 ? prevFooterHeight_ : FooterHeight()) - curY_;
}

double TfrxEngine::FooterHeight() const
{
    double height = 0;
    for (const QMetaObject* kind : {&TfrxColumnFooter::staticMetaObject, &TfrxPageFooter::staticMetaObject})
        if (const TfrxBand* band = PageBand(*kind))
            height += band->Height();
    return height;
}

double TfrxEngine::HeaderHeight() const
{
    double height = 0;
    for (const QMetaObject* kind : {&TfrxColumnHeader::staticMetaObject, &TfrxPageHeader::staticMetaObject})
        for (const TfrxBand* band = PageBand(*kind); band; band = band->Child())
            height += band->Height();
    return height;
}

double TfrxEngine::PageHeight() const
{
    return page_ && page_->EndlessHeight() ? FooterHeight() + curY_ : pageHeight_;
}
