#include "zip/entry_extract.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "winfs/paths.h"
#include "zip/host_file.h"
#include "zip/zip_errors.h"

namespace fs = std::filesystem;

namespace zipcomp::detail {

namespace {

std::string FileNamePart(const std::string& name) {
    const std::size_t cut = name.find_last_of("/\\");
    return cut == std::string::npos ? name : name.substr(cut + 1);
}

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

mode_t ModeFor(const fs::path& target) {
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) return st.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

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
    std::string pattern = (folder / ("." + name + ".XXXXXX")).string();
    Fd out(::mkstemp(pattern.data()));
    if (out.get() < 0) Fail(NumberForErrno(errno, folder / name));
    const fs::path temp = pattern;
    ::flock(out.get(), LOCK_EX);
    const Fd held(::dup(out.get()));   // keeps the lock past the close
    try {
        reader.ReadEntry(index, [&](std::string_view chunk) { WriteAll(out.get(), chunk.data(), chunk.size(), temp); });
        if (::fchmod(out.get(), ModeFor(target)) != 0) Fail(NumberForErrno(errno, temp));
        Sync(out.get(), temp);
        out.Close(temp);
        if (check) check(temp);
        if (::rename(temp.c_str(), target.c_str()) != 0) Fail(NumberForErrno(errno, target));
    } catch (...) {
        out = Fd();
        ::unlink(temp.c_str());
        throw;
    }
    SyncFolder(folder);
}

} // namespace zipcomp::detail
