#pragma once
// Taking one entry out of an archive into a folder.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "zip/libzip_archive.h"

namespace zipcomp::detail {

// The last part of a path or entry name, after its last slash or backslash.
std::string FileNamePart(const std::string& path);

// The entry whose file name (its name less any folders in it) is `name`,
// without regard to case; an entry named exactly `name` comes first.
std::optional<std::uint64_t> FindEntry(const ZipReader& reader, const std::string& name);

// Writes the entry as `name` into `folder`: into a temporary file there first,
// which replaces a file of that name (matched without regard to case) only
// after the whole entry was read and its CRC checked. Whatever the entry's
// own name says, nothing is written outside `folder`. `check`, when set, sees
// the temporary file before it replaces anything; its exception ends the
// extraction. The temporary file (winfs::FileBeside) takes the mode of the file
// it replaces, or the umask's.
// `room`: the bytes the folder takes; an entry that declares more is disk
// full before anything is written.
void ExtractEntry(ZipReader& reader, std::uint64_t index, const std::filesystem::path& folder,
                  const std::string& name, std::uint64_t room,
                  const std::function<void(const std::filesystem::path&)>& check = {});

} // namespace zipcomp::detail
