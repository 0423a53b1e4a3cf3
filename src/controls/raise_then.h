#pragma once

#include <utility>

// Runs `raise` (which calls an event handler), then `after`; `after` runs also when the handler
// throws, and the error goes on to the caller.
template <typename Raise, typename After>
void RaiseThen(Raise&& raise, After&& after)
{
    try {
        std::forward<Raise>(raise)();
    } catch (...) {
        after();
        throw;
    }
    after();
}
