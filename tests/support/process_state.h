#pragma once
// Whether another process still runs, a patient wait for what a busy
// machine may take long to do, and the processor time a test spent (which,
// unlike the time on the clock, a loaded machine hardly changes).
#include <sys/resource.h>
#include <sys/types.h>

#include <chrono>
#include <fstream>
#include <string>
#include <thread>

namespace testing_support {

// False once the process has ended (a zombie waiting to be reaped has ended).
inline bool ProcessRuns(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    return std::getline(stat, line) && line.substr(line.rfind(')') + 2, 1) != "Z";
}

// Polls until done() holds, for a minute at most: a bound no loaded machine
// reaches for what takes milliseconds, there only so that a fault fails.
template <typename Done>
bool Eventually(Done done) {
    for (int i = 0; i < 6000; ++i, std::this_thread::sleep_for(std::chrono::milliseconds(10)))
        if (done()) return true;
    return false;
}

// Seconds of processor time this program and its children reaped so far have used.
inline double CpuSecondsSpent() {
    double seconds = 0;
    for (int who : {RUSAGE_SELF, RUSAGE_CHILDREN}) {
        rusage usage{};
        ::getrusage(who, &usage);
        for (const timeval& t : {usage.ru_utime, usage.ru_stime}) seconds += static_cast<double>(t.tv_sec) + t.tv_usec / 1e6;
    }
    return seconds;
}

} // namespace testing_support
