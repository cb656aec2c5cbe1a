#pragma once
// The reader's standard output: answers sent in chunks of about a block.
#include <string>

namespace access_reader {

class StreamOut {
public:
    // Answers go to the descriptor given.
    explicit StreamOut(int fd) : fd_(fd) { buffer.reserve(2 * kBlock); }
    StreamOut(const StreamOut&) = delete;
    StreamOut& operator=(const StreamOut&) = delete;

    // Writes out what the buffer holds once it passes a block.
    void Offer() {
        if (buffer.size() >= kBlock) Flush();
    }
    // Sends what the buffer holds as one chunk; ends the process when the engine no longer reads.
    void Flush();
    // Sends the rest and the chunk that closes the answer (and says whether it is the last).
    void EndAnswer(bool last);

    std::string buffer;

private:
    static constexpr std::size_t kBlock = 64 * 1024;
    int fd_;
};

} // namespace access_reader
