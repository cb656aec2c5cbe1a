#pragma once
// One medium's part of a spanned archive: a header of our own followed by a
// piece of the whole standard zip. The header names the backup the part
// belongs to, its disk number and where its piece lies in the whole.
//
// Layout, little-endian, 48 bytes:
//   0  8  magic "VZSPAN01"
//   8  8  backup id (random, the same on every part of one backup)
//  16  2  disk number, from 1
//  18  6  zero
//  24  8  offset of the piece in the whole archive
//  32  8  length of the piece (the bytes after the header)
//  40  8  length of the whole archive
#include <cstdint>
#include <filesystem>
#include <optional>

namespace zipcomp::detail {

struct SpanPart {
    static constexpr std::size_t kHeaderSize = 48;

    std::uint64_t backupId = 0;
    std::uint16_t disk = 0;
    std::uint64_t offset = 0;
    std::uint64_t length = 0;
    std::uint64_t total = 0;

    bool IsLast() const { return offset + length == total; }
};

void EncodeSpanHeader(const SpanPart& part, unsigned char (&out)[SpanPart::kHeaderSize]);

// Whether the file begins as a part (its magic). A missing or short file is
// not one.
bool LooksLikeSpanPart(const std::filesystem::path& file);

// The header of the part at `file`: nothing when the file is missing or is
// no part; a part whose header does not agree with its own size is
// kDamagedArchive.
std::optional<SpanPart> ReadSpanPart(const std::filesystem::path& file);

} // namespace zipcomp::detail
