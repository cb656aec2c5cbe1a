#include "zip/entry_extract.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "winfs/new_files.h"
#include "winfs/paths.h"
#include "zip/host_file.h"
#include "zip/zip_errors.h"

namespace fs = std::filesystem;

namespace zipcomp::detail {

namespace {

// The file in `folder` that `name` means on a case-blind file system.
fs::path TargetIn(const fs::path& folder, const std::string& name) {
    std::error_code ec;
    if (fs::exists(folder / name, ec)) return folder / name;
    const std::string wanted = winfs::FoldCase(name);
    for (const fs::directory_entry& entry : fs::directory_iterator(folder, ec)) {
        if (winfs::FoldCase(entry.path().filename().string()) == wanted) return entry.path();
    }
    return folder / name;
}

} // namespace

std::string FileNamePart(const std::string& path) {
    const std::size_t cut = path.find_last_of("/\\");
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

std::optional<std::uint64_t> FindEntry(const ZipReader& reader, const std::string& name) {
    const std::string wanted = winfs::FoldCase(name);
    std::optional<std::uint64_t> found;
    for (std::uint64_t i = 0; i < reader.EntryCount(); ++i) {
        const std::string entry = reader.EntryName(i);
        if (entry.empty() || entry.back() == '/') continue;  // folders
        if (winfs::FoldCase(entry) == wanted) return i;
        if (!found && winfs::FoldCase(FileNamePart(entry)) == wanted) found = i;
    }
    return found;
}

void ExtractEntry(ZipReader& reader, std::uint64_t index, const fs::path& folder, const std::string& name,
                  std::uint64_t room, const std::function<void(const fs::path&)>& check) {
    // A link is neither followed nor written out as a file holding its target.
    if (reader.IsLink(index)) Fail(kUnsupported);
    // The file it replaces stays until the entry is whole: both must fit.
    if (reader.DeclaredSize(index) > room) Fail(kDiskFull);
    const fs::path target = TargetIn(folder, name);
    winfs::FileBeside copy(folder / name);
    if (copy.error()) Fail(NumberForErrno(copy.error(), folder / name));
    reader.ReadEntry(index,
                     [&](std::string_view chunk) { WriteAll(copy.fd(), chunk.data(), chunk.size(), copy.path()); });
    if (const int err = copy.Finish(winfs::ModeToKeep(target))) Fail(NumberForErrno(err, copy.path()));
    if (check) check(copy.path());
    if (const int err = copy.Install(target)) Fail(NumberForErrno(err, target));
}

} // namespace zipcomp::detail
