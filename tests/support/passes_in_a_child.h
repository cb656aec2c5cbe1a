#pragma once
// A check run in a child process that an alarm ends: a check that would wait
// for ever (a FIFO opened for reading) fails the test instead of hanging it.
#include <functional>

#include <sys/wait.h>
#include <unistd.h>

namespace testing_support {

inline bool PassesInAChildWithin(unsigned seconds, const std::function<bool()>& check) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::alarm(seconds);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace testing_support
