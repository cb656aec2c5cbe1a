#include "winfs/paths.h"

#include <cstdlib>
#include <string_view>
#include <system_error>
#include <vector>

#include <pwd.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace winfs {

namespace {

std::string EnvValue(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

fs::path HomeFolder() {
    std::string home = EnvValue("HOME");
    if (!home.empty()) return home;
    if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) return pw->pw_dir;
    return fs::current_path();
}

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

bool IsAsciiLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::vector<std::string_view> SplitOnSeparators(std::string_view rest) {
    std::vector<std::string_view> parts;
    std::size_t i = 0;
    while (i < rest.size()) {
        while (i < rest.size() && IsSeparator(rest[i])) ++i;
        std::size_t start = i;
        while (i < rest.size() && !IsSeparator(rest[i])) ++i;
        if (i > start) parts.push_back(rest.substr(start, i - start));
    }
    return parts;
}

// The name of the entry of `folder` that matches `name` without regard to
// case, or empty when none does. An exact match wins; otherwise the first in
// name order, so the choice does not depend on directory order.
std::string FindEntry(const fs::path& folder, const std::string& name) {
    std::error_code ec;
    if (fs::exists(folder / name, ec)) return name;
    const std::string wanted = FoldCase(name);
    std::string found;
    fs::directory_iterator it(folder, ec);
    if (ec) return {};
    for (const fs::directory_entry& entry : it) {
        std::string candidate = entry.path().filename().string();
        if (FoldCase(candidate) == wanted && (found.empty() || candidate < found))
            found = std::move(candidate);
    }
    return found;
}

// Walks `rest` down from `base`. Empty and "." components vanish (doubled
// separators included); ".." goes up, but never above `base` when it is a
// drive root, as on Windows, so no path leaves the drives folder.
fs::path Descend(fs::path base, std::string_view rest, bool clampAtBase) {
    std::vector<std::string> below;  // components added under base, as matched
    std::size_t missingFrom = std::string::npos;  // first component that does not exist
    for (std::string_view raw : SplitOnSeparators(rest)) {
        if (raw == ".") continue;
        if (raw == "..") {
            if (!below.empty()) {
                below.pop_back();
                if (missingFrom != std::string::npos && below.size() <= missingFrom) missingFrom = std::string::npos;
            } else if (!clampAtBase && base.has_relative_path()) {
                base = base.parent_path();
            }
            continue;
        }
        std::string part(raw);
        if (missingFrom == std::string::npos) {
            fs::path here = base;
            for (const std::string& b : below) here /= b;
            std::string actual = FindEntry(here, part);
            if (!actual.empty()) {
                below.push_back(std::move(actual));
                continue;
            }
            missingFrom = below.size();
        }
        below.push_back(std::move(part));
    }
    for (const std::string& b : below) base /= b;
    return base;
}

} // namespace

fs::path DrivesFolder() {
    std::string drives = EnvValue("VANTORIMA_DRIVES");
    if (!drives.empty()) return drives;
    // XDG says a relative value is to be ignored.
    std::string dataHome = EnvValue("XDG_DATA_HOME");
    fs::path base = (!dataHome.empty() && dataHome.front() == '/')
                        ? fs::path(dataHome)
                        : HomeFolder() / ".local" / "share";
    return base / "vantorima" / "drives";
}

fs::path Resolve(const std::string& windowsPath) {
    const std::string_view p = windowsPath;

    if (!p.empty() && p.front() == '/') return fs::path(windowsPath);

    if (p.size() >= 2 && IsAsciiLetter(p[0]) && p[1] == ':') {
        // "C:name" has no per-drive current folder here: it counts from the root.
        fs::path drive = DrivesFolder() / std::string(1, AsciiLower(p[0]));
        return Descend(drive, p.substr(2), true);
    }

    if (p.size() >= 2 && IsSeparator(p[0]) && IsSeparator(p[1]))
        return Descend(DrivesFolder() / "unc", p.substr(2), true);

    if (!p.empty() && p.front() == '\\')
        return Descend(DrivesFolder() / "c", p.substr(1), true);

    std::error_code ec;
    fs::path here = fs::current_path(ec);
    if (ec) here = "/";
    return Descend(here, p, false);
}

std::string WindowsForm(const std::string& hostPath) {
    // A drive path (or any relative one) is already what the operator reads.
    if (hostPath.empty() || hostPath.front() != '/') return hostPath;
    std::error_code ec;
    const fs::path drives = fs::weakly_canonical(DrivesFolder(), ec);
    const fs::path below = fs::weakly_canonical(hostPath, ec).lexically_relative(drives);
    auto part = below.begin();
    if (ec || part == below.end() || *part == ".." || *part == ".") return hostPath;
    const std::string first = (part++)->string();
    std::string rest;
    for (; part != below.end(); ++part) rest += (rest.empty() ? "" : "\\") + part->string();
    if (first.size() == 1 && IsAsciiLetter(first[0])) return std::string(1, static_cast<char>(first[0] & ~0x20)) + ":\\" + rest;
    if (first == "unc") return "\\\\" + rest;
    return hostPath;
}

void MakeDrivesFolderAbsolute() {
    const std::string drives = EnvValue("VANTORIMA_DRIVES");
    std::error_code ec;
    if (!drives.empty() && drives.front() != '/') setenv("VANTORIMA_DRIVES", fs::absolute(drives, ec).c_str(), 1);
}

std::string FoldCase(const std::string& utf8) {
    std::string out = utf8;
    for (std::size_t i = 0; i < out.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(out[i]);
        if (c >= 'A' && c <= 'Z') {
            out[i] = static_cast<char>(c - 'A' + 'a');
        } else if (c == 0xC3 && i + 1 < out.size()) {
            // U+00C0..U+00DE are the Latin-1 capitals (U+00D7 is the
            // multiplication sign); their small letters are 0x20 further.
            unsigned char next = static_cast<unsigned char>(out[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97) out[i + 1] = static_cast<char>(next + 0x20);
            ++i;
        }
    }
    return out;
}

} // namespace winfs
