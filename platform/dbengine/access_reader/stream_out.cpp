#include "stream_out.h"

#include <unistd.h>

#include <cerrno>
#include <cstdlib>

namespace access_reader {

void StreamOut::Flush() {
    std::size_t done = 0;
    while (done < buffer.size()) {
        const ssize_t n = write(STDOUT_FILENO, buffer.data() + done, buffer.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) std::_Exit(EXIT_FAILURE);
        done += static_cast<std::size_t>(n);
    }
    buffer.clear();
}

} // namespace access_reader
