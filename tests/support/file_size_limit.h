#pragma once
// A file size limit on this process while it lasts: a write past it takes
// only what fits and the next one fails with EFBIG, as on a disk that fills
// up midway (SIGXFSZ ignored meanwhile).
#include <signal.h>
#include <sys/resource.h>

namespace testing_support {

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : handler_(::signal(SIGXFSZ, SIG_IGN)) {
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        const rlimit limited{bytes, previous_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        ::signal(SIGXFSZ, handler_);
    }

private:
    sighandler_t handler_;
    rlimit previous_{};
};

} // namespace testing_support
