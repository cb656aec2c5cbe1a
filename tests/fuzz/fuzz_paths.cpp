// Windows path mapping: a path on a drive, a UNC path or a rooted one maps
// inside the drives folder, whatever its ".." and separators.
#include "fuzz_entries.h"
#include "fuzz_scratch.h"

#include <cstdio>
#include <cstdlib>

#include "winfs/paths.h"

namespace fuzz {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMaxPaths = 64;

// Folders for the mapping to match without regard to letter case.
void LayOutFolders(const fs::path& drives) {
    for (const char* folder : {"c/Vantorima7", "c/archivi/Sub", "d/Dati", "unc/server/share/Cartella"})
        fs::create_directories(drives / folder);
}

bool IsWindowsForm(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':') {
        const char c = path[0];
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    }
    return !path.empty() && path[0] == '\\';
}

bool Inside(const fs::path& path, const fs::path& folder) {
    const fs::path below = path.lexically_normal().lexically_relative(folder);
    return !below.empty() && *below.begin() != "..";
}

} // namespace

int FuzzPaths(const std::uint8_t* data, std::size_t size) {
    static const fs::path drives = [] {
        LayOutFolders(ScratchDrives());
        return ScratchDrives();
    }();
    for (const std::string& path : Lines(AsText(data, size), kMaxPaths)) {
        const fs::path host = winfs::Resolve(path);
        if (IsWindowsForm(path) && !Inside(host, drives)) {
            std::fprintf(stderr, "path left the drives folder: %s -> %s\n", path.c_str(), host.c_str());
            std::abort();
        }
        (void)winfs::WindowsForm(host.string());
    }
    return 0;
}

} // namespace fuzz
