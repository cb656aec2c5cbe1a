#include "stream_out.h"

#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <cstdlib>

#include "dbengine/access/reader_stream.h"

namespace access_reader {

namespace {

void WriteAll(int fd, const char* bytes, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = write(fd, bytes + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) std::_Exit(EXIT_FAILURE);
        done += static_cast<std::size_t>(n);
    }
}

void WriteChunk(int fd, const std::string& bytes, std::uint32_t size) {
    char length[sizeof size];
    std::memcpy(length, &size, sizeof size);
    WriteAll(fd, length, sizeof length);
    WriteAll(fd, bytes.data(), bytes.size());
}

} // namespace

void StreamOut::Flush() {
    if (buffer.empty()) return;
    WriteChunk(fd_, buffer, static_cast<std::uint32_t>(buffer.size()));
    buffer.clear();
}

void StreamOut::EndAnswer(bool last) {
    Flush();
    WriteChunk(fd_, {}, last ? dao::reader_stream::kLastAnswer : 0);
}

} // namespace access_reader
