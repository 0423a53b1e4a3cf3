#include "report_page.h"

#include "band_kinds.h"

#include "report/base/float_text.h"
#include "report/base/report_errors.h"
#include "report/base/report_units.h"
#include "report/printers/paper_sizes.h"

#include "platform/rounding.h"

#include <utility>

namespace {

std::function<DefaultPaper()>& PaperProvider()
{
    static std::function<DefaultPaper()> provider;
    return provider;
}

constexpr int kMaxColumns = 1000;

double RoundTo8Places(double value) { return double(RoundHalfEven64(value * 1e8)) / 1e8; }

// Bands whose width never follows the page's columns.
bool SpansAllColumns(const TfrxBand& band)
{
    return qobject_cast<const TfrxNullBand*>(&band) || qobject_cast<const TfrxReportSummary*>(&band) ||
           qobject_cast<const TfrxPageHeader*>(&band) || qobject_cast<const TfrxPageFooter*>(&band) ||
           qobject_cast<const TfrxReportTitle*>(&band) || qobject_cast<const TfrxOverlay*>(&band);
}

}  // namespace

void SetDefaultPaperProvider(std::function<DefaultPaper()> provider) { PaperProvider() = std::move(provider); }

DefaultPaper DefaultPrinterPaper() { return PaperProvider() ? PaperProvider()() : DefaultPaper{}; }

TfrxReportPage::TfrxReportPage(QObject* owner) : TfrxPage(owner), frame_(new TfrxFrame(this))
{
    SetPaperSize(kDefaultPaperSize);
}

void TfrxReportPage::SetOrientation(TPrinterOrientation value)
{
    if (value == orientation_)
        return;
    orientation_ = value;
    std::swap(paperWidth_, paperHeight_);
    const double left = leftMargin_, right = rightMargin_, top = topMargin_, bottom = bottomMargin_;
    if (value == poLandscape) {
        leftMargin_ = top;
        rightMargin_ = bottom;
        topMargin_ = right;
        bottomMargin_ = left;
    } else {
        leftMargin_ = bottom;
        rightMargin_ = top;
        topMargin_ = left;
        bottomMargin_ = right;
    }
    UpdateDimensions();
}

void TfrxReportPage::SetPaperSize(int value)
{
    paperSize_ = value;
    if (value < kCustomPaperSize) {
        if (const auto paper = FindPaperSize(value)) {
            const bool turned = orientation_ == poLandscape;
            paperWidth_ = turned ? paper->height : paper->width;
            paperHeight_ = turned ? paper->width : paper->height;
        }
    }
    UpdateDimensions();
}

void TfrxReportPage::SetPaperWidth(double value)
{
    paperWidth_ = RoundTo8Places(value);
    paperSize_ = kCustomPaperSize;
    UpdateDimensions();
}

void TfrxReportPage::SetPaperHeight(double value)
{
    paperHeight_ = RoundTo8Places(value);
    paperSize_ = kCustomPaperSize;
    UpdateDimensions();
}

void TfrxReportPage::UpdateDimensions()
{
    SetWidth(RoundHalfEven(paperWidth_ * fr01cm));
    SetHeight(RoundHalfEven(paperHeight_ * fr01cm));
}

void TfrxReportPage::SetColumns(int value)
{
    // No paper holds more columns than this; a damaged file must not make the page list
    // millions of positions.
    if (value > kMaxColumns)
        throw EPropertyError();
    columns_ = value;
    if (value <= 0)
        return;
    columnWidth_ = (paperWidth_ - leftMargin_ - rightMargin_) / value;
    columnPositions_.clear();
    for (int i = 0; i < value; ++i)
        columnPositions_.append(FloatToText(i * columnWidth_));
}

void TfrxReportPage::SetPageCount(int value)
{
    if (value >= 1)
        pageCount_ = value;
}

double TfrxReportPage::PrintableWidth() const { return (paperWidth_ - leftMargin_ - rightMargin_) * fr01cm; }

double TfrxReportPage::PrintableHeight() const { return (paperHeight_ - topMargin_ - bottomMargin_) * fr01cm; }

void TfrxReportPage::SetDefaults()
{
    const DefaultPaper paper = DefaultPrinterPaper();
    leftMargin_ = rightMargin_ = topMargin_ = bottomMargin_ = 10;
    paperSize_ = paper.paperSize;
    paperWidth_ = paper.paperWidth;
    paperHeight_ = paper.paperHeight;
    orientation_ = paper.orientation;
    UpdateDimensions();
}

TfrxBand* TfrxReportPage::FindBand(const QMetaObject& bandClass) const
{
    for (TfrxComponent* child : Objects())
        if (child->metaObject()->inherits(&bandClass))
            if (auto* band = qobject_cast<TfrxBand*>(child))
                return band;
    return nullptr;
}

void TfrxReportPage::SetBandExtent(TfrxBand& band, double printableWidth, double printableHeight) const
{
    if (band.Vertical())
        band.SetHeight(printableHeight - band.Top());
    else if (columns_ > 1 && !SpansAllColumns(band))
        band.SetWidth(columnWidth_ * fr01cm);
    else
        band.SetWidth(printableWidth - band.Left());
}

void TfrxReportPage::AlignChildren()
{
    const double printableWidth = PrintableWidth();
    const double printableHeight = PrintableHeight();
    SetWidth(printableWidth);
    SetHeight(printableHeight);
    ApplyChildAlignment();
    for (TfrxComponent* child : Objects()) {
        if (auto* band = qobject_cast<TfrxBand*>(child))
            SetBandExtent(*band, printableWidth, printableHeight);
        child->AlignChildren();
    }
    UpdateDimensions();
}
