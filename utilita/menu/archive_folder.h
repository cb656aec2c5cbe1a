#pragma once
// The archive folder named by "C:\VanRete7.dat" and the marker file that
// proves it is reachable.
#include <string>

namespace utilita {

enum class FolderFile {
    Read,           // folder holds the first line
    NoPath,         // the first line runs past the read limit, so names no folder; folder holds its start
    Missing,        // the file or its path does not exist (file or path not found)
    Unreadable,     // any other failure (an empty file, ...); folder is left as it was
};

FolderFile ReadArchiveFolder(std::string& folder);

// Opens folder & "\VanReteAB.dat" for reading and closes it; false on any failure.
bool ServerMarkerReachable(const std::string& folder);

// The five-line message shown when the folder cannot be reached (a long
// folder shown shortened).
std::string UnreachableFolderMessage(const std::string& folder);

} // namespace utilita
