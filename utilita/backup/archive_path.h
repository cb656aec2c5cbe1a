#pragma once
// Where the backup archive lies for the drive text the user typed.
#include <optional>
#include <string>

namespace utilita::backup {

struct ArchivePlace {
    std::string archive;  // "a:\v7backup.zip", or the text & ":\v7copia\v7backup.zip"
    std::string folder;   // the text & ":\v7copia", made before a backup
};

// "A" and "B" (exactly) put the archive at the root of the floppy; any other
// text names a drive whose folder v7copia holds it. A text with a path
// separator in it names no drive at all: it would lead the paths elsewhere,
// so it has no place.
std::optional<ArchivePlace> ArchivePlaceFor(const std::string& drive);

} // namespace utilita::backup
