// Writing a whole zip to its media, spanning when it does not fit.
#include <algorithm>
#include <cerrno>
#include <random>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "winfs/new_files.h"
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
// `offset` into `out`, flushed.
void WriteContent(int out, const fs::path& outPath, const SpanPart* part, int whole, const fs::path& wholePath,
                  std::uint64_t offset, std::uint64_t length) {
    if (part) {
        unsigned char header[SpanPart::kHeaderSize];
        EncodeSpanHeader(*part, header);
        WriteAll(out, header, sizeof header, outPath);
    }
    CopyRange(whole, wholePath, offset, length, out, outPath);
    Sync(out, outPath);
}

// Writes a part as the file `archive` of a medium whose room counts the file
// there as free: whatever is at the name (the old archive, a link) is removed,
// never written through, and a new file made; it is removed again when the
// part could not be written whole.
void WriteMediumFile(const fs::path& archive, mode_t mode, const SpanPart* part, int whole, const fs::path& wholePath,
                     std::uint64_t offset, std::uint64_t length) {
    if (::unlink(archive.c_str()) != 0 && errno != ENOENT) Fail(NumberForErrno(errno, archive));
    Fd out = CreateNew(archive, mode);
    try {
        WriteContent(out.get(), archive, part, whole, wholePath, offset, length);
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

// The size of the archive file at the name; 0 when there is none (a link
// counts as none: it is replaced, its target never read nor written).
std::uint64_t SizeOf(const fs::path& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) ? static_cast<std::uint64_t>(st.st_size) : 0;
}

// The new archive is written under a fresh name beside the old one, read back
// whole, and only then takes its name: a failure keeps the old one.
void WriteBeside(int whole, const fs::path& wholePath, std::uint64_t total, const fs::path& archive, mode_t mode) {
    winfs::FileBeside pending(archive);
    if (pending.error()) Fail(NumberForErrno(pending.error(), archive));
    WriteContent(pending.fd(), pending.path(), nullptr, whole, wholePath, 0, total);
    if (const int err = pending.Finish(mode)) Fail(NumberForErrno(err, pending.path()));
    ZipReader reader(pending.path(), true);
    for (std::uint64_t i = 0; i < reader.EntryCount(); ++i) reader.ReadEntry(i, [](std::string_view) {});
    if (const int err = pending.Install()) Fail(NumberForErrno(err, archive));
}

} // namespace

void PlaceOnMedia(const fs::path& wholePath, const fs::path& archive, const Media& media, mode_t mode) {
    Fd whole = OpenForReading(wholePath);
    const std::uint64_t total = FileSize(whole.get(), wholePath);
    RequireFolder(archive.parent_path());

    // A new archive that a killed backup left half written only takes room.
    winfs::RemoveOurLeftovers(archive.parent_path(), winfs::BesideMarker(archive));
    std::uint64_t room = media.room(archive);
    const std::uint64_t old = SizeOf(archive);
    const bool besideOld = total <= room && old <= room - total;
    if (!media.spans && !besideOld) Fail(kDiskFull);
    if (besideOld) {
        WriteBeside(whole.get(), wholePath, total, archive, mode);
        return;
    }
    if (total <= room) {   // fits only in place of the old one
        WriteMediumFile(archive, mode, nullptr, whole.get(), wholePath, 0, total);
        return;
    }

    SpanPart part;
    part.backupId = NewBackupId();
    part.total = total;
    for (part.disk = 1;; ++part.disk) {
        if (room <= SpanPart::kHeaderSize) Fail(kDiskFull);
        part.length = std::min(room - SpanPart::kHeaderSize, total - part.offset);
        WriteMediumFile(archive, mode, &part, whole.get(), wholePath, part.offset, part.length);
        part.offset += part.length;
        if (part.offset == total) return;
        if (part.disk == UINT16_MAX) Fail(kDiskFull);
        AwaitNextMedium(archive, part.backupId, static_cast<std::uint16_t>(part.disk + 1), media);
        room = media.room(archive);
    }
}

} // namespace zipcomp::detail
