#include "band_stretch.h"

#include "shift_trees.h"

#include "report/model/band.h"
#include "report/model/band_kinds.h"
#include "report/model/report.h"
#include "report/views/stretcheable.h"

#include <algorithm>
#include <cmath>

namespace {

bool IsNullBand(const TfrxBand& container) { return qobject_cast<const TfrxNullBand*>(&container); }

}  // namespace

void TfrxBandStretcher::BeforePrint(TfrxReportComponent& sender) const
{
    if (report_ && report_->OnBeforePrint)
        report_->OnBeforePrint(&sender);
}

void TfrxBandStretcher::AfterPrint(TfrxReportComponent& sender) const
{
    if (report_ && report_->OnAfterPrint)
        report_->OnAfterPrint(&sender);
}

double LowestObjectBottom(const TfrxComponent& container)
{
    double bottom = 0;
    for (const TfrxComponent* object : container.Objects())
        bottom = std::max(bottom, object->Top() + object->Height());
    return bottom;
}

void TfrxBandStretcher::Stretch(TfrxBand& container)
{
    TfrxShiftTree& tree = trees_.PrepareShiftTree(container);
    if (!IsNullBand(container))
        container.BeforePrint();
    BeforePrint(container);
    tree.InitShiftAmounts();
    const bool shown = container.Visible();
    bool heightChanged = false;
    for (TfrxComponent* object : container.Objects()) {
        auto* component = qobject_cast<TfrxReportComponent*>(object);
        if (!component)
            continue;
        component->BeforePrint();
        if (!shown)
            continue;
        BeforePrint(*component);
        if (object->Visible()) {
            component->GetData();
            heightChanged |= StretchObject(*object, tree);
        }
    }
    if (!shown)
        return;
    if (heightChanged)
        tree.ShiftObjects();
    if (container.Stretched() || IsNullBand(container))
        container.SetHeight(LowestObjectBottom(container));
    container.FStretchedHeight = container.Height();
    StretchToContainer(container);
}

bool TfrxBandStretcher::StretchObject(TfrxComponent& object, TfrxShiftTree& tree)
{
    auto* stretcheable = qobject_cast<TfrxStretcheable*>(&object);
    if (!stretcheable || (stretcheable->StretchMode() == smDontStretch && !stretcheable->CanShrink()))
        return false;
    const double needed = stretcheable->CalcHeight();
    const double height = stretcheable->Height();
    const bool grows = stretcheable->StretchMode() != smDontStretch && height < needed;
    const bool shrinks = stretcheable->CanShrink() && height > needed;
    if (!grows && !shrinks)
        return false;
    tree.SetShiftAmount(&object, needed - height);
    // A difference this small is left alone.
    if (std::abs(needed - height) <= 0.0001)
        return false;
    stretcheable->SetHeight(needed);
    return true;
}

// Objects that fill their band to its bottom get there once the band has its height.
void TfrxBandStretcher::StretchToContainer(TfrxBand& container)
{
    for (TfrxComponent* object : container.Objects()) {
        auto* stretcheable = qobject_cast<TfrxStretcheable*>(object);
        if (stretcheable && stretcheable->StretchMode() == smMaxHeight)
            stretcheable->SetHeight(container.Height() - stretcheable->Top());
    }
}

void TfrxBandStretcher::UnStretch(TfrxBand& container)
{
    const bool shown = container.Visible();
    for (TfrxComponent* object : container.Objects()) {
        auto* component = qobject_cast<TfrxReportComponent*>(object);
        if (!component)
            continue;
        if (shown)
            AfterPrint(*component);
        component->AfterPrint();
    }
    AfterPrint(container);
    if (!IsNullBand(container))
        container.AfterPrint();
    const TfrxShiftTree* tree = trees_.Tree(container);
    if (!tree)
        return;
    const QList<TfrxComponent*> objects = container.Objects();
    for (qsizetype i = tree->OriginalObjectCount(); i < objects.size(); ++i)
        delete objects[i];
}
