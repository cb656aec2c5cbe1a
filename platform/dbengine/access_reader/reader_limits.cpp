#include "reader_limits.h"

#include <sys/resource.h>

#include "dbengine/access/reader_bounds.h"

#if defined(__SANITIZE_ADDRESS__)
#define READER_UNDER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define READER_UNDER_ASAN 1
#endif
#endif

namespace access_reader {

namespace {

void Limit(int resource, rlim_t soft, rlim_t hard) {
    const rlimit limit{soft, hard};
    setrlimit(resource, &limit);
}

} // namespace

void LimitThisProcess(std::uint64_t fileSize) {
    using namespace dao::access_reader;
    Limit(RLIMIT_CORE, 0, 0);
    // Past the soft limit SIGXCPU ends the process; the hard one is a backstop.
    const rlim_t cpu = CpuSecondsBound(fileSize);
    Limit(RLIMIT_CPU, cpu, cpu + 1);
#ifndef READER_UNDER_ASAN
    const rlim_t space = AddressSpaceBound(fileSize);
    Limit(RLIMIT_AS, space, space);
#endif
}

} // namespace access_reader
