#include "engine_band_tree.h"

#include "report/model/band_kinds.h"
#include "report/model/data_band.h"
#include "report/model/report_page.h"

#include <algorithm>

namespace {

// Nesting level of a data band: 0 for a master band, 5 for the sixth level.
int DataLevel(const TfrxBand* band)
{
    static const QMetaObject* const levels[] = {&TfrxMasterData::staticMetaObject, &TfrxDetailData::staticMetaObject,
                                                &TfrxSubdetailData::staticMetaObject, &TfrxDataBand4::staticMetaObject,
                                                &TfrxDataBand5::staticMetaObject, &TfrxDataBand6::staticMetaObject};
    for (int level = 0; level < 6; ++level)
        if (band->metaObject() == levels[level])
            return level;
    return -1;
}

bool IsGroupHeader(const TfrxBand* band) { return qobject_cast<const TfrxGroupHeader*>(band); }
bool IsGroupFooter(const TfrxBand* band) { return qobject_cast<const TfrxGroupFooter*>(band); }
bool IsHeader(const TfrxBand* band) { return band->metaObject() == &TfrxHeader::staticMetaObject; }
bool IsFooter(const TfrxBand* band) { return band->metaObject() == &TfrxFooter::staticMetaObject; }

bool TakesPart(const TfrxBand* band)
{
    return DataLevel(band) >= 0 || IsGroupHeader(band) || IsGroupFooter(band) || IsHeader(band) || IsFooter(band);
}

class BandTree {
public:
    BandTree(QList<TfrxBand*> bands, QStringList& errors) : bands_(std::move(bands)), errors_(errors) {}

    QList<TfrxDataBand*> Build()
    {
        AttachGroups();
        AttachHeadersAndFooters();
        QList<TfrxDataBand*> top;
        for (int i = 0; i < bands_.size(); ++i) {
            auto* master = qobject_cast<TfrxMasterData*>(bands_[i]);
            if (master && BandDataSet(*master)) {
                top << master;
                placed_ << master;
                AttachNested(*master, i, 0);
            }
        }
        for (TfrxBand* band : bands_)
            if (!placed_.contains(band))
                errors_ << QStringLiteral("Incorrect band position:") + QLatin1Char(' ') + band->Name();
        return top;
    }

private:
    TfrxDataBand* DataBandAfter(int index) const
    {
        for (int i = index + 1; i < bands_.size(); ++i)
            if (DataLevel(bands_[i]) >= 0)
                return qobject_cast<TfrxDataBand*>(bands_[i]);
        return nullptr;
    }

    void AttachGroups()
    {
        TfrxBand* lastGroupHeader = nullptr;
        for (int i = 0; i < bands_.size(); ++i) {
            TfrxBand* band = bands_[i];
            if (IsGroupHeader(band)) {
                const bool startsRun = i == 0 || !IsGroupHeader(bands_[i - 1]);
                TfrxDataBand* data = DataBandAfter(i);
                if (!data)
                    errors_ << QStringLiteral("No data band for the group") + QLatin1Char(' ') + band->Name();
                else if (startsRun)
                    data->FGroup = band;
                // Reported once: a band with an error of its own is not also out of place.
                placed_ << band;
                lastGroupHeader = band;
            } else if (IsGroupFooter(band)) {
                if (!lastGroupHeader)
                    errors_ << QStringLiteral("No group header for") + QLatin1Char(' ') + band->Name();
                placed_ << band;
            }
        }
    }

    void AttachHeadersAndFooters()
    {
        for (int i = 0; i < bands_.size(); ++i) {
            auto* data = qobject_cast<TfrxDataBand*>(bands_[i]);
            if (!data || DataLevel(data) < 0)
                continue;
            if (i > 0 && IsHeader(bands_[i - 1]))
                Attach(data->FHeader, bands_[i - 1]);
            if (i + 1 < bands_.size() && IsFooter(bands_[i + 1]))
                Attach(data->FFooter, bands_[i + 1]);
        }
        for (TfrxBand* band : bands_) {
            if ((IsHeader(band) || IsFooter(band)) && !placed_.contains(band)) {
                errors_ << QStringLiteral("Unconnected header/footer") + QLatin1Char(' ') + band->Name();
                placed_ << band;
            }
        }
    }

    void Attach(TfrxBand*& slot, TfrxBand* band)
    {
        slot = band;
        placed_ << band;
    }

    // The bands after `index` of the next level become the band's nested data bands, until a band
    // of its own level or a lower one.
    void AttachNested(TfrxDataBand& parent, int index, int level)
    {
        for (int i = index + 1; i < bands_.size(); ++i) {
            const int other = DataLevel(bands_[i]);
            if (other < 0)
                continue;
            if (other <= level)
                return;
            if (other == level + 1) {
                auto* nested = qobject_cast<TfrxDataBand*>(bands_[i]);
                parent.FSubBands << nested;
                placed_ << nested;
                AttachNested(*nested, i, other);
            }
        }
    }

    QList<TfrxBand*> bands_;
    QStringList& errors_;
    QList<TfrxBand*> placed_;
};

}  // namespace

TfrxDataSet* BandDataSet(const TfrxDataBand& band)
{
    if (band.DataSet())
        return band.DataSet();
    return band.RowCount() > 0 ? band.VirtualDataSet() : nullptr;
}

QList<TfrxDataBand*> PrepareBandTree(TfrxReportPage& page, QStringList& errors)
{
    page.AlignChildren();
    QList<TfrxBand*> bands;
    for (TfrxComponent* object : page.Objects()) {
        auto* band = qobject_cast<TfrxBand*>(object);
        if (!band)
            continue;
        band->FSubBands.clear();
        band->FHeader = band->FFooter = band->FGroup = nullptr;
        if (TakesPart(band))
            bands << band;
    }
    std::stable_sort(bands.begin(), bands.end(), [](const TfrxBand* a, const TfrxBand* b) { return a->Top() < b->Top(); });
    return BandTree(bands, errors).Build();
}
