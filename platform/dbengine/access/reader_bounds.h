#pragma once
// Internal: what the Access reader process may use, from the size of the file
// it reads. The reader limits itself (address space, CPU time); the engine
// holds it to the rest (bytes sent, resident memory, silence).
#include <chrono>
#include <cstdint>

namespace dao::access_reader {

constexpr std::uint64_t kMiB = 1024 * 1024;

// Virtual address space: libraries and heap, plus room for pages and values.
constexpr std::uint64_t AddressSpaceBound(std::uint64_t fileSize) { return 512 * kMiB + 4 * fileSize; }

// Resident memory the engine allows the reader (also checked where the
// address-space limit cannot be set, as under AddressSanitizer).
constexpr std::uint64_t ResidentBound(std::uint64_t fileSize) { return 1024 * kMiB + 4 * fileSize; }

// CPU seconds: a good file reads at many megabytes a second.
constexpr std::uint64_t CpuSecondsBound(std::uint64_t fileSize) { return 30 + fileSize / (2 * kMiB); }

// Bytes of one stream: a value takes at most a few times its stored bytes
// (texts widen to UTF-8, Yes/No and Null fields take a byte each).
constexpr std::uint64_t StreamBound(std::uint64_t fileSize) { return 64 * kMiB + 16 * fileSize; }

// The longest the reader may go without sending an answer byte, whatever it
// warns of meanwhile (VANTORIMA_ACCESS_READER_TIMEOUT, in seconds, overrides).
constexpr std::chrono::milliseconds kSilenceBound{20000};

} // namespace dao::access_reader
