// The libFuzzer entry of one fuzz target; FUZZ_ENTRY names its reader's entry.
#include "fuzz_entries.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    return fuzz::FUZZ_ENTRY(data, size);
}
