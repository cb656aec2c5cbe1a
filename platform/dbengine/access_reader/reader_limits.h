#pragma once
// The limits the Access reader puts on itself before it reads a byte of the file.
#include <cstdint>

namespace access_reader {

// Core dumps off; CPU time and (except under AddressSanitizer, whose shadow
// memory needs the address space) virtual memory bounded by the file's size.
void LimitThisProcess(std::uint64_t fileSize);

} // namespace access_reader
