#pragma once

#include <vector>

// Spreads `pixels` single pixels over `count` entries so that rounding differences do not pile up
// at one end: one pixel goes to the entry at position ceil(count / 2) (the last of the first half);
// more pixels give half (rounded down) to the first half and the rest to the second half, each half
// spread the same way; when there are at least as many pixels as entries, every entry first gets
// pixels / count. A negative amount takes pixels away by the same rule.
std::vector<int> SpreadByHalving(int pixels, int count);
