#include "zip/span_part.h"

#include <cstring>

#include <fcntl.h>

#include "zip/host_file.h"
#include "zip/zip_errors.h"

namespace fs = std::filesystem;

namespace zipcomp::detail {

namespace {

constexpr char kMagic[8] = {'V', 'Z', 'S', 'P', 'A', 'N', '0', '1'};

void Put(unsigned char* at, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) at[i] = static_cast<unsigned char>(value >> (8 * i));
}

std::uint64_t Get(const unsigned char* at, int bytes) {
    std::uint64_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | at[i];
    return value;
}

} // namespace

void EncodeSpanHeader(const SpanPart& part, unsigned char (&out)[SpanPart::kHeaderSize]) {
    std::memset(out, 0, sizeof out);
    std::memcpy(out, kMagic, sizeof kMagic);
    Put(out + 8, part.backupId, 8);
    Put(out + 16, part.disk, 2);
    Put(out + 24, part.offset, 8);
    Put(out + 32, part.length, 8);
    Put(out + 40, part.total, 8);
}

bool LooksLikeSpanPart(const fs::path& file) {
    Fd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    char head[sizeof kMagic] = {};
    return fd.get() >= 0 && ReadUpTo(fd.get(), 0, head, sizeof head, file) == sizeof head &&
           std::memcmp(head, kMagic, sizeof kMagic) == 0;
}

std::optional<SpanPart> ReadSpanPart(const fs::path& file) {
    Fd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) return std::nullopt;
    unsigned char head[SpanPart::kHeaderSize] = {};
    const std::size_t got = ReadUpTo(fd.get(), 0, head, sizeof head, file);
    if (got < sizeof kMagic || std::memcmp(head, kMagic, sizeof kMagic) != 0) return std::nullopt;
    if (got != sizeof head) Fail(kDamagedArchive);

    SpanPart part;
    part.backupId = Get(head + 8, 8);
    part.disk = static_cast<std::uint16_t>(Get(head + 16, 2));
    part.offset = Get(head + 24, 8);
    part.length = Get(head + 32, 8);
    part.total = Get(head + 40, 8);
    const bool sane = part.disk >= 1 && part.length > 0 && part.offset <= part.total &&
                      part.length <= part.total - part.offset &&
                      FileSize(fd.get(), file) == SpanPart::kHeaderSize + part.length;
    if (!sane) Fail(kDamagedArchive);
    return part;
}

} // namespace zipcomp::detail
