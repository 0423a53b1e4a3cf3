#include "band_split.h"

#include "scope_exit.h"
#include "shift_area.h"

#include "report/model/band.h"
#include "report/views/stretcheable.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr double eps = TfrxRectArea::kTolerance;

double Bottom(const TfrxComponent& object) { return object.Top() + object.Height(); }

TfrxStretcheable* AsStretcheable(TfrxComponent& object) { return qobject_cast<TfrxStretcheable*>(&object); }

}  // namespace

void TfrxBandSplitter::Split()
{
    Start();
    double space = host_.FreeSpace();
    while (!remaining_.isEmpty() && !host_.Terminated()) {
        host_.ProcessMessages();
        // After a part without output the band starts a fresh page: what still does not fit
        // there never will, so it goes out as it is (drawing clips it) instead of starting page
        // after page.
        forceOut_ = !PlaceObjects(space);
        FinishPart();
        PutOutPart();
        if (!remaining_.isEmpty())
            host_.NewColumn();
        PrepareNextPart(space);
        space = host_.FreeSpace();
    }
}

// The band holds only this part's objects while it is placed, and all of them again afterwards,
// also when placing fails: objects left out would belong to nothing.
void TfrxBandSplitter::PutOutPart()
{
    AttachOnly(output_);
    const ScopeExit reattach([this] { AttachOnly(allObjects_); });
    host_.OutputBand(band_);
}

void TfrxBandSplitter::Start()
{
    allObjects_ = band_.Objects();
    remaining_ = allObjects_;
    for (TfrxComponent* object : allObjects_) {
        if (TfrxStretcheable* stretcheable = AsStretcheable(*object)) {
            stretcheable->InitPart();
            stretcheable->SetSaveHeight(stretcheable->Height());
        }
    }
}

bool TfrxBandSplitter::PlaceObjects(double space)
{
    pushed_.clear();
    const qsizetype before = output_.size();
    for (TfrxComponent* object : QList<TfrxComponent*>(remaining_))
        PlaceObject(*object, space);
    return output_.size() > before;
}

void TfrxBandSplitter::PlaceObject(TfrxComponent& object, double space)
{
    TfrxStretcheable* stretcheable = AsStretcheable(object);
    double unused = 0;
    double height = object.Height();
    bool fits = Bottom(object) <= space;
    const bool startsAbove = object.Top() < space;
    if (stretcheable) {
        savedTops_[&object] = object.Top();
        if (startsAbove) {
            stretcheable->SetHeight(space - object.Top());
            unused = stretcheable->DrawPart();
            height = stretcheable->SaveHeight();
            fits = !stretcheable->HasNextDataPart(space);
        }
    }
    if (fits) {
        object.SetHeight(height);
        OutputWhole(object);
    } else if (stretcheable && startsAbove) {
        PushBelow(object, unused);
        const double partHeight = object.Height();
        if (std::abs(unused - partHeight) <= eps) {
            // Not one line fitted: the whole text waits for the next page.
            object.SetHeight(stretcheable->SaveHeight());
            if (forceOut_)
                OutputWhole(object);
            else
                object.SetTop(space);
        } else {
            Output(object);
            stretcheable->SetSaveHeight(stretcheable->SaveHeight() - partHeight + unused);
        }
    } else if (object.Height() > host_.PageBodyHeight() || (forceOut_ && startsAbove)) {
        // It fits no page; drawing clips it.
        OutputWhole(object);
    } else if (startsAbove) {
        PushBelow(object, space - object.Top());
        object.SetTop(space);
    }
}

void TfrxBandSplitter::Output(TfrxComponent& object)
{
    output_.append(&object);
    anythingOutput_ = true;
}

void TfrxBandSplitter::OutputWhole(TfrxComponent& object)
{
    Output(object);
    remaining_.removeOne(&object);
}

// The objects still waiting below the object and across it follow it down.
void TfrxBandSplitter::PushBelow(const TfrxComponent& object, double amount)
{
    const TfrxRectArea area{object.Left(), object.Top(), object.Left() + object.Width(), Bottom(object)};
    for (TfrxComponent* other : remaining_) {
        if (other == &object || pushed_.contains(other) || other->Top() < area.bottom - eps)
            continue;
        if (!RangesOverlap(area.left, area.right, other->Left(), other->Left() + other->Width()))
            continue;
        other->SetTop(other->Top() + amount);
        pushed_.insert(other);
    }
}

void TfrxBandSplitter::FinishPart()
{
    double height = 0;
    for (const TfrxComponent* object : output_)
        height = std::max(height, Bottom(*object));
    band_.SetHeight(height);
    if (!remaining_.isEmpty())
        return;
    for (TfrxComponent* object : output_) {
        if (object->Align() == baBottom)
            object->SetTop(height - object->Height());
        TfrxStretcheable* stretcheable = AsStretcheable(*object);
        if (stretcheable && stretcheable->StretchMode() == smMaxHeight)
            stretcheable->SetHeight(height - stretcheable->Top());
    }
}

// What is left moves up by the part just placed.
void TfrxBandSplitter::PrepareNextPart(double space)
{
    output_.clear();
    for (TfrxComponent* object : remaining_) {
        object->SetTop(object->Top() - space);
        TfrxStretcheable* stretcheable = AsStretcheable(*object);
        if (!stretcheable)
            continue;
        if (!anythingOutput_)
            object->SetTop(savedTops_.value(object));
        if (object->Top() < 0)
            object->SetTop(0);
        object->SetHeight(stretcheable->SaveHeight());
    }
}

void TfrxBandSplitter::AttachOnly(const QList<TfrxComponent*>& objects)
{
    for (TfrxComponent* object : allObjects_)
        object->SetParent(nullptr);
    for (TfrxComponent* object : objects)
        object->SetParent(&band_);
}
