#pragma once
// The reader's standard output: answers sent in chunks of about a block.
#include <string>

namespace access_reader {

class StreamOut {
public:
    StreamOut() { buffer.reserve(2 * kBlock); }
    StreamOut(const StreamOut&) = delete;
    StreamOut& operator=(const StreamOut&) = delete;

    // Writes out what the buffer holds once it passes a block.
    void Offer() {
        if (buffer.size() >= kBlock) Flush();
    }
    // Sends what the buffer holds as one chunk; ends the process when the engine no longer reads.
    void Flush();
    // Sends the rest and the chunk that closes the answer.
    void EndAnswer();

    std::string buffer;

private:
    static constexpr std::size_t kBlock = 64 * 1024;
};

} // namespace access_reader
