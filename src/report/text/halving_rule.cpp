#include "halving_rule.h"

#include <cstdlib>

namespace {

void Spread(int pixels, int* entries, int count, int sign)
{
    if (count <= 0 || pixels <= 0)
        return;
    if (pixels >= count) {
        for (int i = 0; i < count; ++i)
            entries[i] += sign * (pixels / count);
        pixels %= count;
    }
    if (pixels == 0)
        return;
    const int firstHalf = (count + 1) / 2;
    if (pixels == 1) {
        entries[firstHalf - 1] += sign;
        return;
    }
    Spread(pixels / 2, entries, firstHalf, sign);
    Spread(pixels - pixels / 2, entries + firstHalf, count - firstHalf, sign);
}

}  // namespace

std::vector<int> SpreadByHalving(int pixels, int count)
{
    std::vector<int> entries(count > 0 ? count : 0, 0);
    Spread(std::abs(pixels), entries.data(), int(entries.size()), pixels < 0 ? -1 : 1);
    return entries;
}
