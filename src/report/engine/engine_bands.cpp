// The engine's bands: walking the rows of the data bands and putting out one band with its fit
// test.
#include "report_engine.h"

#include "engine_band_tree.h"
#include "scope_exit.h"

#include "report/expressions/variant.h"
#include "report/model/band_kinds.h"
#include "report/model/data_band.h"
#include "report/model/prepared_pages_sink.h"
#include "report/model/report.h"
#include "report/views/custom_memo_view.h"

namespace {

// The band's texts that leave out a value repeated from the row before.
QList<TfrxCustomMemoView*> SuppressingTexts(const TfrxBand& band)
{
    QList<TfrxCustomMemoView*> texts;
    for (TfrxComponent* object : band.AllObjects())
        if (auto* memo = qobject_cast<TfrxCustomMemoView*>(object); memo && memo->SuppressRepeated())
            texts << memo;
    return texts;
}

void ForgetRepeatedValues(const QList<TfrxCustomMemoView*>& texts)
{
    for (TfrxCustomMemoView* memo : texts)
        memo->ResetSuppressRepeated();
}

bool IsDataBand(const TfrxBand& band) { return qobject_cast<const TfrxDataBand*>(&band); }

// Rows and group headers do not ask for a new page on their first row.
bool OnFirstRow(const TfrxBand& band)
{
    return (IsDataBand(band) || qobject_cast<const TfrxGroupHeader*>(&band)) && band.FLineN == 1;
}

}  // namespace

bool TfrxEngine::AnyRows(const QList<TfrxDataBand*>& bands)
{
    for (TfrxDataBand* band : bands)
        if (HasRows(*band))
            return true;
    return false;
}

// Whether the band has a row that passes its filter and detail test.
bool TfrxEngine::HasRows(TfrxDataBand& band)
{
    TfrxDataSet* rows = BandDataSet(band);
    if (!rows)
        return false;
    for (rows->First(); !rows->Eof(); rows->Next())
        if (RowPasses(band))
            return true;
    return false;
}

bool TfrxEngine::RowPasses(TfrxDataBand& band)
{
    const QString filter = band.Filter().trimmed();
    if (!filter.isEmpty()) {
        report_.SetCurObject(band.Name());
        if (!VarIsTrue(report_.Calc(filter)))
            return false;
    }
    return band.PrintIfDetailEmpty() || band.FSubBands.isEmpty() || AnyRows(band.FSubBands);
}

void TfrxEngine::WalkBands(const QList<TfrxDataBand*>& bands)
{
    ProcessMessages();
    for (TfrxDataBand* band : bands) {
        if (Terminated())
            return;
        if (BandDataSet(*band))
            WalkRows(*band);
        isFirstBand_ = false;
    }
}

void TfrxEngine::WalkRows(TfrxDataBand& band)
{
    TfrxDataSet& rows = *BandDataSet(band);
    rows.First();
    band.FLineN = band.FLineThrough = 1;
    ForgetRepeatedValues(SuppressingTexts(band));
    bool printed = false;
    while (!rows.Eof() && !Terminated()) {
        if (RowPasses(band)) {
            ShowRow(band, !printed);
            printed = true;
        }
        rows.Next();
        if (band.RowCount() > 0 && band.FLineN > band.RowCount())
            break;
    }
    if (!printed)
        return;
    if (!band.FooterAfterEach())
        ShowBand(band.FFooter);
    headerList_.removeAll(band.FHeader);
}

void TfrxEngine::ShowRow(TfrxDataBand& band, bool firstRow)
{
    if (firstRow && band.FHeader) {
        auto* header = qobject_cast<TfrxHeader*>(band.FHeader);
        if (header && header->ReprintOnNewPage())
            headerList_ << header;
        ShowBand(band.FHeader);
    }
    curLine_ = band.FLineN;
    curLineThrough_ = band.FLineThrough;
    ShowBand(&band);
    ++band.FLineN;
    ++band.FLineThrough;
    WalkBands(band.FSubBands);
    isFirstBand_ = false;
    if (band.FooterAfterEach())
        ShowBand(band.FFooter);
}

void TfrxEngine::ShowBand(TfrxBand* band)
{
    if (!band)
        return;
    PutOut(*band);
    TfrxChild* child = band->Child();
    // Children repeated up to a row count are left to the rows that follow.
    const bool repeated = child && (child->ToNRows() > 0 || child->ToNRowsMode() == rmTillPageEnds);
    if (child && !repeated && (band->Visible() || band->PrintChildIfInvisible())) {
        isFirstBand_ = false;
        ShowBand(child);
    }
}

void TfrxEngine::PutOut(TfrxBand& band)
{
    if (!callFromAddPage_ && band.Visible() && band.StartNewPage() && !OnFirstRow(band)) {
        startNewPageBand_ = &band;
        NewPage();
        startNewPageBand_ = nullptr;
    }
    Stretch(band);
    if (DoesNotFit(band)) {
        if (band.AllowSplit() || band.Height() > PageBodyHeight()) {
            // A band that came after others starts its parts on a fresh page.
            if (!band.AllowSplit() && band.FLineThrough > 1 && !band.StartNewPage()) {
                curBand_ = &band;
                NewColumn();
            }
            // The band gets its designed state back even when putting out a part fails.
            const ScopeExit unstretch([this, &band] { UnStretch(band); });
            TfrxBandSplitter(band, *this).Split();
            return;
        }
        // A value left out as repeated is shown again at the top of the next page.
        if (const QList<TfrxCustomMemoView*> texts = SuppressingTexts(band); !texts.isEmpty()) {
            ForgetRepeatedValues(texts);
            UnStretch(band);
            Stretch(band);
        }
        // Not for the page header or its child: the next page would start the same way, below
        // the same report title.
        if (!callFromPHeader_)
            NewColumn();
    }
    Place(band);
    UnStretch(band);
}

bool TfrxEngine::DoesNotFit(const TfrxBand& band)
{
    const auto* data = qobject_cast<const TfrxDataBand*>(&band);
    const bool columned = data && data->Columns() > 1;
    const bool exempt = columned || qobject_cast<const TfrxOverlay*>(&band) || qobject_cast<const TfrxNullBand*>(&band);
    return band.Visible() && !exempt && band.Height() > FreeSpace();
}

void TfrxEngine::Place(TfrxBand& band)
{
    // The null band stays at the corner of the printable area, so the objects it carries print
    // where they were put on the page.
    if (!qobject_cast<TfrxNullBand*>(&band)) {
        band.SetLeft(curX_);
        band.SetTop(curY_);
    }
    if (!callFromAddPage_ || !Pages().BandExists(band))
        Pages().AddObject(band);
    curY_ += band.Height();
}

void TfrxEngine::OutputBand(TfrxBand& band)
{
    Place(band);
    curBand_ = &band;
}

void TfrxEngine::Stretch(TfrxBand& band)
{
    curBand_ = &band;
    stretcher_.Stretch(band);
}

void TfrxEngine::UnStretch(TfrxBand& band) { stretcher_.UnStretch(band); }
