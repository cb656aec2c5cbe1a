#pragma once
// What the component asks of libzip: write a one-entry archive, read the
// entries of an archive with their CRC checked. Faults are Failures.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

struct zip;

namespace zipcomp::detail {

// Writes a new standard zip at `target` holding `source` as the deflated
// entry `entryName`.
void WriteSingleEntryZip(const std::filesystem::path& source, const std::string& entryName,
                         const std::filesystem::path& target);

class ZipReader {
public:
    // checkConsistency: also compare every local header with the central
    // directory (the test does; extraction relies on the CRC).
    ZipReader(const std::filesystem::path& archive, bool checkConsistency);
    ~ZipReader();
    ZipReader(const ZipReader&) = delete;
    ZipReader& operator=(const ZipReader&) = delete;

    std::uint64_t EntryCount() const { return count_; }
    std::string EntryName(std::uint64_t index) const;
    // True for an entry that records a symbolic link (its content is the
    // link's target, not a file).
    bool IsLink(std::uint64_t index) const;

    // The size the archive declares for the entry's content (0 when it
    // declares none).
    std::uint64_t DeclaredSize(std::uint64_t index);

    // Hands the whole content of the entry to `sink` in chunks. Content past
    // the declared size stops it before that chunk reaches the sink (504);
    // the CRC and the size are checked when the end is reached; only then
    // does it return.
    void ReadEntry(std::uint64_t index, const std::function<void(std::string_view chunk)>& sink);

private:
    std::filesystem::path path_;
    ::zip* archive_ = nullptr;
    std::uint64_t count_ = 0;
};

} // namespace zipcomp::detail
