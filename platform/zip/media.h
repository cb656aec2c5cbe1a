#pragma once
// Putting a whole zip on one or more media, and getting it back from them.
// A medium is the folder of the archive path; changing it is the DiskRequest
// handler's business.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>

#include <sys/types.h>

namespace zipcomp::detail {

struct Media {
    // Whether an archive larger than the medium goes on over further media
    // (a floppy drive); on any other drive it is disk full.
    bool spans = false;
    // Room for the archive file on the medium now in the drive.
    std::function<std::uint64_t(const std::filesystem::path& archive)> room;
    // Asks for disk n and returns when the user says it is in the drive.
    std::function<void(std::int16_t disk)> request;
};

// The room for `archive` on its medium: `capacity` when set, else the free
// space of its folder plus an archive already there (it is replaced), less a
// small margin for the file system's own blocks.
std::uint64_t MediumRoom(const std::filesystem::path& archive, std::optional<std::uint64_t> capacity);

// The room for a new file in `folder`: `capacity` when set, else its free
// space less the same margin.
std::uint64_t FolderRoom(const std::filesystem::path& folder, std::optional<std::uint64_t> capacity);

// Writes the zip at `whole` to `archive`: as it is when it fits the medium,
// else, where the media span, in parts over as many media as it takes. A part
// that could not be written completely is removed. Where the media do not
// span, an archive already there is replaced only by a new one written beside
// it and read back whole; without room for that, or for the new one at all,
// it is disk full before anything is written. Every file is made new with
// `mode` (a link at the archive's name is replaced, never written through).
void PlaceOnMedia(const std::filesystem::path& whole, const std::filesystem::path& archive, const Media& media,
                  mode_t mode);

// The archive at `archive` as one standard zip: the file itself when it is
// plain, else all its parts joined into a file in `scratch`.
std::filesystem::path GatherFromMedia(const std::filesystem::path& archive, const std::filesystem::path& scratch,
                                      const Media& media);

} // namespace zipcomp::detail
