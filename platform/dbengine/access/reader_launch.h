#pragma once
// Internal: one Access reader process with its three channels: questions on
// its descriptor 3 (a socket, so that writing to a reader that died raises no
// SIGPIPE here), answers on its standard output, warnings on its standard error.
// It runs in a process group led by a guard that kills the group when this
// program dies, so that no reader, nor what it started, outlives the program.
#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace dao {

class ReaderChild {
public:
    // Starts the reader on the file; 3343 when it cannot start.
    ReaderChild(const std::filesystem::path& reader, const std::string& file);
    // Kills and reaps a reader still running (not from a forked copy of this program).
    ~ReaderChild();
    ReaderChild(const ReaderChild&) = delete;
    ReaderChild& operator=(const ReaderChild&) = delete;

    bool Send(std::string_view request);
    // False in a forked copy of the program that started it.
    bool Mine() const noexcept;
    int out() const noexcept { return out_; }
    int err() const noexcept { return err_; }
    pid_t pid() const noexcept { return pid_; }

    // True once the process has ended (and is reaped); status() then says how.
    bool Ended();
    // Waits for the end after the answers' channel closed.
    bool EndedWithin(std::chrono::milliseconds wait);
    int status() const noexcept { return status_; }

    std::uint64_t ResidentBytes() const;
    double CpuSeconds() const;

private:
    bool Reap(int options);
    // Kills the reader's group and reaps its guard.
    void EndGroup() noexcept;
    pid_t pid_ = -1;
    pid_t guard_ = -1;
    int watch_ = -1;   // our end of the pipe the guard watches
    pid_t owner_;
    int status_ = 0;
    int requests_ = -1, out_ = -1, err_ = -1;
};

} // namespace dao
