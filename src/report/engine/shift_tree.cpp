#include "shift_tree.h"

#include "report/model/band.h"
#include "report/model/band_kinds.h"
#include "report/views/view.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double eps = TfrxRectArea::kTolerance;

double Bottom(const TfrxComponent& object) { return object.Top() + object.Height(); }

TfrxShiftMode ShiftModeOf(const TfrxComponent& object)
{
    const auto* view = qobject_cast<const TfrxView*>(&object);
    return view ? view->ShiftMode() : smAlways;
}

// Whether an edge of the view lies within the container's width.
bool LiesAcross(const TfrxView& view, double width)
{
    const auto within = [width](double x) { return x >= 0 && x <= width; };
    return within(view.Left()) || within(view.Left() + view.Width());
}

}  // namespace

TfrxShiftTree::TfrxShiftTree(TfrxBand& container)
    : mode_(container.ShiftEngine()), originalObjectCount_(int(container.Objects().size()))
{
    // The null band carries loose page objects and always uses the tree.
    if (qobject_cast<TfrxNullBand*>(&container))
        mode_ = seTree;
    if (mode_ == seDontShift)
        return;
    if (mode_ == seTree) {
        auto root = std::make_unique<TfrxShiftItem>();
        root->object = &container;
        root->area = {0, 0, container.Width() + 1, 1};
        items_.push_back(std::move(root));
    }
    TakeObjects(container);
    if (mode_ == seTree) {
        LinkTree();
        DropOrphans();
    }
    for (const auto& item : items_)
        byObject_.insert(item->object, item.get());
}

void TfrxShiftTree::TakeObjects(TfrxBand& container)
{
    if (container.Width() <= 0)
        return;
    std::vector<std::unique_ptr<TfrxShiftItem>> taken;
    for (TfrxComponent* object : container.Objects()) {
        auto* view = qobject_cast<TfrxView*>(object);
        if (!view || !LiesAcross(*view, container.Width()))
            continue;
        auto item = std::make_unique<TfrxShiftItem>();
        item->object = view;
        item->area = TfrxRectArea::Of(*view);
        taken.push_back(std::move(item));
    }
    const auto higher = [](const auto& a, const auto& b) { return a->area.top < b->area.top; };
    std::stable_sort(taken.begin(), taken.end(), higher);
    for (auto& item : taken)
        items_.push_back(std::move(item));
}

void TfrxShiftTree::LinkTree()
{
    for (size_t a = 0; a < items_.size(); ++a)
        for (size_t b = a + 1; b < items_.size(); ++b) {
            const TfrxRectArea& above = items_[a]->area;
            const TfrxRectArea& below = items_[b]->area;
            if (above.InterceptsY(below) || below.top - above.top <= eps || !above.InterceptsX(below))
                continue;
            if (IsBlocked(a, b))
                continue;
            items_[a]->children.append(items_[b].get());
            ++items_[b]->refCount;
        }
}

// Whether an object between the two lies clear of both and across their common width, so the
// lower one is reached through it instead.
bool TfrxShiftTree::IsBlocked(size_t parent, size_t child) const
{
    const TfrxRectArea& a = items_[parent]->area;
    const TfrxRectArea& b = items_[child]->area;
    const TfrxRectArea common = a.InterceptX(b);
    for (size_t i = parent + 1; i < child; ++i) {
        const TfrxRectArea& c = items_[i]->area;
        const bool counts = (c.Height() > 0 && b.Height() > 0) || std::abs(c.top - b.top) > eps;
        if (counts && !c.InterceptsY(a) && !c.InterceptsY(b) && c.InterceptsX(common))
            return true;
    }
    return false;
}

void TfrxShiftTree::DropOrphans()
{
    for (size_t i = items_.size(); i-- > 1;) {
        if (items_[i]->refCount > 0)
            continue;
        for (TfrxShiftItem* child : items_[i]->children)
            --child->refCount;
        items_.erase(items_.begin() + qsizetype(i));
    }
}

QList<TfrxComponent*> TfrxShiftTree::Objects() const
{
    QList<TfrxComponent*> result;
    for (size_t i = mode_ == seTree ? 1 : 0; i < items_.size(); ++i)
        result.append(items_[i]->object);
    return result;
}

QList<TfrxComponent*> TfrxShiftTree::ChildrenOf(const TfrxComponent* object) const
{
    QList<TfrxComponent*> result;
    if (const TfrxShiftItem* item = byObject_.value(object))
        for (const TfrxShiftItem* child : item->children)
            result.append(child->object);
    return result;
}

void TfrxShiftTree::InitShiftAmounts()
{
    for (const auto& item : items_)
        item->InitShiftAmount();
}

void TfrxShiftTree::SetShiftAmount(const TfrxComponent* object, double amount)
{
    if (TfrxShiftItem* item = byObject_.value(object))
        item->shiftAmount = amount;
}

void TfrxShiftTree::ShiftObjects()
{
    if (mode_ == seTree && !items_.empty())
        ShiftItem(*items_.front(), 0);
    else if (mode_ == seLinear)
        ShiftLinear();
}

void TfrxShiftTree::ShiftItem(TfrxShiftItem& parent, double amount)
{
    parent.shifted = true;
    parent.shiftedTo = amount;
    for (TfrxShiftItem* child : parent.children)
        ShiftChild(parent, *child, amount);
}

void TfrxShiftTree::ShiftChild(const TfrxShiftItem& parent, TfrxShiftItem& child, double amount)
{
    const bool fromRoot = &parent == items_.front().get();
    TfrxComponent& object = *child.object;
    const double parentBottom = Bottom(*parent.object);
    // Already placed below a lower parent.
    if (!fromRoot && child.minDist > 0 && child.minDist >= parentBottom - eps)
        return;
    // Take back the move of an earlier shifting.
    if (!fromRoot && child.minDist > 0)
        object.SetTop(object.Top() - (child.shiftedTo - child.shiftAmount));
    else if (child.shiftedTo != 0 && amount != 0)
        object.SetTop(object.Top() - child.shiftedTo);

    double passed = child.shiftAmount;
    const TfrxShiftMode mode = ShiftModeOf(object);
    if (mode == smAlways || amount < 0) {
        object.SetTop(object.Top() + amount);
        passed += amount;
    } else if (mode == smWhenOverlapped) {
        // The root stands for the container, which pushes nothing by overlapping.
        if (!fromRoot && parentBottom > object.Top()) {
            passed += parentBottom - object.Top();
            object.SetTop(parentBottom);
        } else {
            passed = child.shiftedTo;
        }
    }
    if (!fromRoot)
        child.minDist = std::max(child.minDist, parentBottom);
    if (!child.shifted || std::abs(child.shiftedTo - passed) >= eps)
        ShiftItem(child, passed);
}

// Every object that grew or moved pushes the later objects below its designed bottom; an object
// pushed by several moves by the largest push.
void TfrxShiftTree::ShiftLinear()
{
    const size_t n = items_.size();
    std::vector<double> tops(n);
    std::vector<double> moves(n, 0);
    std::vector<bool> pushed(n, false);
    for (size_t i = 0; i < n; ++i)
        tops[i] = items_[i]->object->Top();
    for (size_t i = 0; i < n; ++i) {
        const TfrxShiftItem& pusher = *items_[i];
        const double push = moves[i] + pusher.shiftAmount;
        if (push == 0)
            continue;
        const double designedBottom = tops[i] + pusher.object->Height() - pusher.shiftAmount;
        for (size_t j = i + 1; j < n; ++j) {
            const TfrxShiftItem& other = *items_[j];
            const TfrxShiftMode mode = ShiftModeOf(*other.object);
            if (tops[j] < designedBottom - eps || mode == smDontShift)
                continue;
            if (mode == smWhenOverlapped && !pusher.area.InterceptsX(other.area))
                continue;
            moves[j] = pushed[j] ? std::max(moves[j], push) : push;
            pushed[j] = true;
        }
    }
    for (size_t i = 0; i < n; ++i)
        items_[i]->object->SetTop(tops[i] + moves[i]);
}
