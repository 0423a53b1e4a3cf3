#pragma once

#include "shift_tree.h"

#include <map>
#include <memory>

// The shift engine: keeps the shift tree of every container from its first use until building
// ends, so the trees are worked out once per build and not once per row.
class TfrxShiftTrees {
public:
    // The container's tree, made at its first use from the positions the objects have then.
    TfrxShiftTree& PrepareShiftTree(TfrxBand& container);
    // The tree made before, or none.
    TfrxShiftTree* Tree(const TfrxBand& container) const;
    // Frees every tree (when building ends).
    void Clear() { trees_.clear(); }

private:
    std::map<const TfrxBand*, std::unique_ptr<TfrxShiftTree>> trees_;
};
