#pragma once
// Runs an action when the scope it guards is left, however it is left: the
// one way out of a procedure that puts its window back to idle.
#include <utility>

namespace utilita {

template <typename Action>
class OnExit {
public:
    explicit OnExit(Action action) : action_(std::move(action)) {}
    ~OnExit() { action_(); }
    OnExit(const OnExit&) = delete;
    OnExit& operator=(const OnExit&) = delete;

private:
    Action action_;
};

} // namespace utilita
