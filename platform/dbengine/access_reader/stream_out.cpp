#include "stream_out.h"

#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <cstdlib>

namespace access_reader {

namespace {

void WriteAll(const char* bytes, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = write(STDOUT_FILENO, bytes + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) std::_Exit(EXIT_FAILURE);
        done += static_cast<std::size_t>(n);
    }
}

void WriteChunk(const std::string& bytes) {
    const auto size = static_cast<std::uint32_t>(bytes.size());
    char length[sizeof size];
    std::memcpy(length, &size, sizeof size);
    WriteAll(length, sizeof length);
    WriteAll(bytes.data(), bytes.size());
}

} // namespace

void StreamOut::Flush() {
    if (buffer.empty()) return;
    WriteChunk(buffer);
    buffer.clear();
}

void StreamOut::EndAnswer() {
    Flush();
    WriteChunk({});
}

} // namespace access_reader
