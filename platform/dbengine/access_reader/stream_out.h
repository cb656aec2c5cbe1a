#pragma once
// The reader's standard output, written in large blocks.
#include <string>

namespace access_reader {

class StreamOut {
public:
    StreamOut() { buffer.reserve(2 * kBlock); }
    ~StreamOut() { Flush(); }
    StreamOut(const StreamOut&) = delete;
    StreamOut& operator=(const StreamOut&) = delete;

    // Writes out what the buffer holds once it passes a block.
    void Offer() {
        if (buffer.size() >= kBlock) Flush();
    }
    // Ends the process when the engine no longer reads.
    void Flush();

    std::string buffer;

private:
    static constexpr std::size_t kBlock = 64 * 1024;
};

} // namespace access_reader
