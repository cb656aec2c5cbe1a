// Reading an archive back from its media, joining the parts of a spanned one.
#include <map>

#include "zip/host_file.h"
#include "zip/media.h"
#include "zip/span_part.h"
#include "zip/zip_errors.h"

namespace fs = std::filesystem;

namespace zipcomp::detail {

namespace {

constexpr int kRequestsPerDisk = 3;

class Joiner {
public:
    Joiner(const SpanPart& first, const fs::path& joined)
        : backupId_(first.backupId), total_(first.total), joinedPath_(joined), joined_(CreateNew(joined)) {}

    bool Belongs(const SpanPart& part, std::uint16_t disk) const {
        return part.backupId == backupId_ && part.total == total_ && part.disk == disk;
    }

    void Add(const SpanPart& part, const fs::path& archive) {
        Fd in = OpenForReading(archive);
        CopyRange(in.get(), archive, SpanPart::kHeaderSize, part.length, joined_.get(), joinedPath_,
                  static_cast<std::int64_t>(part.offset));
        parts_[part.disk] = part;
    }

    // The first disk still missing, or 0 once disks 1 to the last are all
    // here. Pieces that do not follow each other are a damaged archive.
    std::uint16_t NextMissing() const {
        std::uint64_t expected = 0;
        for (std::uint32_t disk = 1; disk <= UINT16_MAX; ++disk) {
            auto it = parts_.find(static_cast<std::uint16_t>(disk));
            if (it == parts_.end()) return static_cast<std::uint16_t>(disk);
            if (it->second.offset != expected) Fail(kDamagedArchive);
            expected += it->second.length;
            if (it->second.IsLast()) return 0;
        }
        Fail(kDamagedArchive);
    }

    void Finish() {
        Sync(joined_.get(), joinedPath_);
        joined_.Close(joinedPath_);
    }

private:
    std::uint64_t backupId_;
    std::uint64_t total_;
    fs::path joinedPath_;
    Fd joined_;
    std::map<std::uint16_t, SpanPart> parts_;
};

} // namespace

fs::path GatherFromMedia(const fs::path& archive, const fs::path& scratch, const Media& media) {
    {
        Fd probe = OpenForReading(archive);  // 53 or 76 when it is not there
    }
    const std::optional<SpanPart> inDrive = ReadSpanPart(archive);
    if (!inDrive) return archive;

    // The part in the drive first, then every missing disk in order.
    Joiner joiner(*inDrive, scratch / "joined.zip");
    joiner.Add(*inDrive, archive);
    for (std::uint16_t disk = joiner.NextMissing(); disk != 0; disk = joiner.NextMissing()) {
        for (int attempt = 1;; ++attempt) {
            if (media.request) media.request(static_cast<std::int16_t>(disk));
            const std::optional<SpanPart> part = ReadSpanPart(archive);
            if (part && joiner.Belongs(*part, disk)) {
                joiner.Add(*part, archive);
                break;
            }
            if (attempt == kRequestsPerDisk) Fail(kWrongDisk);
        }
    }
    joiner.Finish();
    return scratch / "joined.zip";
}

} // namespace zipcomp::detail
