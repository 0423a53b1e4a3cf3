#pragma once

#include <utility>

// Runs its action when the scope ends, also when an exception leaves it. An action that fails on
// an ordinary exit reports its failure as it would without the guard.
template <typename Action>
class ScopeExit {
public:
    explicit ScopeExit(Action action) : action_(std::move(action)) {}
    ~ScopeExit() noexcept(false) { action_(); }
    ScopeExit(const ScopeExit&) = delete;
    ScopeExit& operator=(const ScopeExit&) = delete;

private:
    Action action_;
};
