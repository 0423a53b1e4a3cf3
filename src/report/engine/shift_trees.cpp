#include "shift_trees.h"

TfrxShiftTree& TfrxShiftTrees::PrepareShiftTree(TfrxBand& container)
{
    std::unique_ptr<TfrxShiftTree>& tree = trees_[&container];
    if (!tree)
        tree = std::make_unique<TfrxShiftTree>(container);
    return *tree;
}

TfrxShiftTree* TfrxShiftTrees::Tree(const TfrxBand& container) const
{
    const auto found = trees_.find(&container);
    return found == trees_.end() ? nullptr : found->second.get();
}
