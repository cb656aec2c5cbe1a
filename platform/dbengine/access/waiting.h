#pragma once
// What a program with windows does while the engine waits on another process
// (the Access reader), so that its windows keep painting.
#include <functional>

namespace dao {

// Called on the thread that set it, with true about every 40 ms of a wait
// longer than that, then once with false when such a wait ends. It must not
// use the engine. An empty hook sets none.
using WaitHook = std::function<void(bool waiting)>;
void SetWaitHook(WaitHook hook);

// Internal: one wait of the engine; Tick() often while it lasts.
class Waiting {
public:
    Waiting();
    ~Waiting();
    Waiting(const Waiting&) = delete;
    Waiting& operator=(const Waiting&) = delete;

    void Tick();
    // The longest the engine may block between ticks.
    static constexpr int kTickMilliseconds = 40;

private:
    long long start_;
    long long last_;
    bool called_ = false;
};

} // namespace dao
