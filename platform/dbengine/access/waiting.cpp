#include "dbengine/access/waiting.h"

#include <chrono>
#include <thread>

namespace dao {

namespace {

struct Hook {
    WaitHook call;
    std::thread::id thread;
    bool running = false;   // a hook that waits on the engine does not re-enter itself
};

Hook& TheHook() {
    static Hook hook;
    return hook;
}

long long Now() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// Calls the hook when this thread set it and it is not already running.
bool Call(bool waiting) {
    Hook& hook = TheHook();
    if (!hook.call || hook.running || hook.thread != std::this_thread::get_id()) return false;
    hook.running = true;
    try {
        hook.call(waiting);
    } catch (...) {
        hook.running = false;
        throw;
    }
    hook.running = false;
    return true;
}

} // namespace

void SetWaitHook(WaitHook hook) {
    TheHook().call = std::move(hook);
    TheHook().thread = std::this_thread::get_id();
}

Waiting::Waiting() : start_(Now()), last_(start_) {}

Waiting::~Waiting() {
    try {
        if (called_) Call(false);
    } catch (...) {
        // The wait's own outcome matters more than the window's.
    }
}

void Waiting::Tick() {
    const long long now = Now();
    if (now - last_ < kTickMilliseconds) return;
    last_ = now;
    called_ = Call(true) || called_;
}

} // namespace dao
