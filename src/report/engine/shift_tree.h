#pragma once

#include "shift_area.h"

#include "report/base/report_types.h"

#include <QHash>
#include <QList>

#include <memory>
#include <vector>

class TfrxBand;
class TfrxComponent;
class TfrxView;

// One object of a shift tree with its links and what the current shifting did to it.
struct TfrxShiftItem {
    TfrxComponent* object = nullptr;  // the container itself for the root
    TfrxRectArea area;                // absolute, as designed
    QList<TfrxShiftItem*> children;   // FShiftChildren
    int refCount = 0;                 // FRefCount: how many parents it has
    // Per output of the container.
    double shiftAmount = 0;  // FShiftAmount: growth by stretching
    bool shifted = false;    // FShifted
    double shiftedTo = 0;    // FShiftedTo
    double minDist = 0;      // FMinDist: the lowest parent bottom it has been placed below

    void InitShiftAmount() { shiftAmount = 0, shifted = false, shiftedTo = 0, minDist = 0; }
};

// Which object moves when which grows, for the views of one container (a band or the null band).
//
// seTree links every object to the objects right below it that it overlaps horizontally, below a
// virtual root across the container; seLinear keeps the objects in Top order and lets every grown
// object push all objects below its designed bottom; seDontShift moves nothing.
class TfrxShiftTree {
public:
    explicit TfrxShiftTree(TfrxBand& container);

    TfrxShiftEngine Mode() const { return mode_; }
    // How many objects the container had when the tree was made; later ones were added while
    // building.
    int OriginalObjectCount() const { return originalObjectCount_; }
    // The objects that take part, in tree order (the root excluded).
    QList<TfrxComponent*> Objects() const;
    // The objects linked right below `object` (the container for the root); empty for an object
    // that does not take part.
    QList<TfrxComponent*> ChildrenOf(const TfrxComponent* object) const;

    // Clears the growths and the marks of the last shifting.
    void InitShiftAmounts();
    void SetShiftAmount(const TfrxComponent* object, double amount);
    // Moves the objects below grown objects by their ShiftMode.
    void ShiftObjects();

private:
    void TakeObjects(TfrxBand& container);
    void LinkTree();
    bool IsBlocked(size_t parent, size_t child) const;
    void DropOrphans();
    void ShiftItem(TfrxShiftItem& parent, double amount);
    void ShiftChild(const TfrxShiftItem& parent, TfrxShiftItem& child, double amount);
    void ShiftLinear();

    TfrxShiftEngine mode_;
    int originalObjectCount_ = 0;
    std::vector<std::unique_ptr<TfrxShiftItem>> items_;  // the root first in a tree
    QHash<const TfrxComponent*, TfrxShiftItem*> byObject_;
};
