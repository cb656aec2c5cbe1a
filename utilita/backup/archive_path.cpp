#include "backup/archive_path.h"

namespace utilita::backup {

std::optional<ArchivePlace> ArchivePlaceFor(const std::string& drive) {
    if (drive.find_first_of("\\/") != std::string::npos) return std::nullopt;
    ArchivePlace place;
    place.folder = drive + ":\\v7copia";
    if (drive == "A") place.archive = "a:\\v7backup.zip";
    else if (drive == "B") place.archive = "b:\\v7backup.zip";
    else place.archive = drive + ":\\v7copia\\v7backup.zip";
    return place;
}

} // namespace utilita::backup
