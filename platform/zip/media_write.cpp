// Writing a whole zip to its media, spanning when it does not fit.
#include <algorithm>
#include <cerrno>
#include <random>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "zip/host_file.h"
#include "zip/libzip_archive.h"
#include "zip/media.h"
#include "zip/span_part.h"
#include "zip/zip_errors.h"

namespace fs = std::filesystem;

namespace zipcomp::detail {

namespace {

// How many times a disk is asked for before the operation gives up.
constexpr int kRequestsPerDisk = 3;

std::uint64_t NewBackupId() {
    std::random_device random;
    return (static_cast<std::uint64_t>(random()) << 32) ^ random();
}

// Writes the header (when there is one) and `length` bytes of `whole` from
// `offset` as the file `archive`; removes what it wrote when that fails.
void WriteMediumFile(const fs::path& archive, const SpanPart* part, int whole, const fs::path& wholePath,
                     std::uint64_t offset, std::uint64_t length) {
    Fd out = CreateTruncated(archive);
    try {
        if (part) {
            unsigned char header[SpanPart::kHeaderSize];
            EncodeSpanHeader(*part, header);
            WriteAll(out.get(), header, sizeof header, archive);
        }
        CopyRange(whole, wholePath, offset, length, out.get(), archive);
        Sync(out.get(), archive);
        out.Close(archive);
    } catch (...) {
        out = Fd();
        ::unlink(archive.c_str());
        throw;
    }
}

// A part of this same backup still in the drive means the disk was not changed.
bool HoldsPartOf(const fs::path& archive, std::uint64_t backupId) {
    try {
        const std::optional<SpanPart> part = ReadSpanPart(archive);
        return part && part->backupId == backupId;
    } catch (const Failure&) {
        return false;  // a damaged part of anything is overwritten like any file
    }
}

// The medium for the next part, once the handler says it is in: its folder
// is made when the new medium lacks it.
void AwaitNextMedium(const fs::path& archive, std::uint64_t backupId, std::uint16_t disk, const Media& media) {
    for (int attempt = 1;; ++attempt) {
        if (media.request) media.request(static_cast<std::int16_t>(disk));
        if (!HoldsPartOf(archive, backupId)) break;
        if (attempt == kRequestsPerDisk) Fail(kWrongDisk);
    }
    const fs::path folder = archive.parent_path();
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0 && ::mkdir(folder.c_str(), 0777) != 0) Fail(kPathNotFound);
    RequireFolder(folder);
}

std::uint64_t SizeOf(const fs::path& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) ? static_cast<std::uint64_t>(st.st_size) : 0;
}

// Where the new archive is written before it takes the old one's name.
fs::path PendingPath(const fs::path& archive) { return archive.string() + ".tmp"; }

// The new archive is written beside the old one, read back whole, and only
// then takes its name: a failure keeps the old one. The pending file is
// locked while it exists, so that only an abandoned one is cleared.
void WriteBesideOld(int whole, const fs::path& wholePath, std::uint64_t total, const fs::path& archive) {
    const fs::path pending = PendingPath(archive);
    const Fd held(::open(pending.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644));
    if (held.get() >= 0) ::flock(held.get(), LOCK_EX);
    WriteMediumFile(pending, nullptr, whole, wholePath, 0, total);
    try {
        ZipReader reader(pending, true);
        for (std::uint64_t i = 0; i < reader.EntryCount(); ++i) reader.ReadEntry(i, [](std::string_view) {});
        if (::rename(pending.c_str(), archive.c_str()) != 0) Fail(NumberForErrno(errno, archive));
    } catch (...) {
        ::unlink(pending.c_str());
        throw;
    }
    SyncFolder(archive.parent_path());
}

} // namespace

void PlaceOnMedia(const fs::path& wholePath, const fs::path& archive, const Media& media) {
    Fd whole = OpenForReading(wholePath);
    const std::uint64_t total = FileSize(whole.get(), wholePath);
    RequireFolder(archive.parent_path());

    // A new archive that a killed backup left half written only takes room.
    RemoveAbandoned(archive.parent_path(), PendingPath(archive).filename().string());
    std::uint64_t room = media.room(archive);
    const std::uint64_t old = SizeOf(archive);
    const bool besideOld = old != 0 && old < room && total <= room - old;
    if (!media.spans && (total > room || (old != 0 && !besideOld))) Fail(kDiskFull);
    if (total <= room) {
        if (besideOld) WriteBesideOld(whole.get(), wholePath, total, archive);
        else WriteMediumFile(archive, nullptr, whole.get(), wholePath, 0, total);
        return;
    }

    SpanPart part;
    part.backupId = NewBackupId();
    part.total = total;
    for (part.disk = 1;; ++part.disk) {
        if (room <= SpanPart::kHeaderSize) Fail(kDiskFull);
        part.length = std::min(room - SpanPart::kHeaderSize, total - part.offset);
        WriteMediumFile(archive, &part, whole.get(), wholePath, part.offset, part.length);
        part.offset += part.length;
        if (part.offset == total) return;
        if (part.disk == UINT16_MAX) Fail(kDiskFull);
        AwaitNextMedium(archive, part.backupId, static_cast<std::uint16_t>(part.disk + 1), media);
        room = media.room(archive);
    }
}

} // namespace zipcomp::detail
