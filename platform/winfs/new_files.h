#pragma once
// Files the programs write, on host paths: made new (never through a link
// another user planted), with the modes the data already has, and the
// leftovers of a killed writer told from anyone else's entries.
// Failures are errno values: each caller turns them into its own numbers.
#include <filesystem>
#include <string>

#include <sys/types.h>

namespace winfs {

// `wanted` under the process's umask: what any other new file would get.
mode_t UnderUmask(mode_t wanted = 0666);

// The permissions for a file that takes `target`'s name: the target's own
// when it is a regular file (looked at, never through a link), else the
// umask's.
mode_t ModeToKeep(const std::filesystem::path& target);

// Opens `path` as a new file (O_CREAT | O_EXCL | O_NOFOLLOW added to
// `flags`): whatever is there, a dangling link included, is never written.
// -1 with errno set when it cannot.
int CreateNewFile(const std::filesystem::path& path, int flags, mode_t mode);

// Opens or makes a shared file that no one replaces (a lock companion). A
// link at its name is never followed: it is removed and a file made there.
int OpenOrCreateNoLink(const std::filesystem::path& path, int flags, mode_t mode);

// Gives `to` the owner and group (where the user may) and the permissions of
// `from`. 0 or the errno of the permission change.
int TakeModeAndOwner(const std::filesystem::path& from, const std::filesystem::path& to);

// The prefix of the names written beside `target` while it is replaced:
// ".<name>.", followed by six random letters or digits.
std::string BesideMarker(const std::filesystem::path& target);

// A file written under a fresh name beside `target` (mkstemp: a new file,
// never a link), locked (flock) while it exists so that RemoveOurLeftovers
// leaves it alone, and removed unless it is put in place.
class FileBeside {
public:
    explicit FileBeside(const std::filesystem::path& target);
    ~FileBeside();
    FileBeside(const FileBeside&) = delete;
    FileBeside& operator=(const FileBeside&) = delete;

    // 0 once made, else the errno of the attempt.
    int error() const { return error_; }
    int fd() const { return fd_; }
    const std::filesystem::path& path() const { return path_; }

    // Gives it `mode`, flushes it to disk and closes it. 0 or errno.
    int Finish(mode_t mode);
    // Renames it over the target, or over `other` in the same folder (the
    // target's name spelled otherwise), and syncs the folder: a link there is
    // replaced, never followed. 0 or errno; on failure it is still removed.
    int Install(const std::filesystem::path& other = {});

private:
    std::filesystem::path target_;
    std::filesystem::path path_;
    int fd_ = -1;
    int held_ = -1;    // keeps the lock past Finish's close
    int error_ = 0;
    bool installed_ = false;
};

// Syncs a folder so that a rename in it lasts; a folder that cannot be synced
// is no fault.
void SyncFolder(const std::filesystem::path& folder);

// Whether `name` is `prefix` followed by the six letters or digits of a
// mkstemp/mkdtemp name: the pattern of our own leftovers.
bool IsLeftoverName(const std::string& name, const std::string& prefix);

// Removes the entries of `folder` that a killed writer of ours left: a name
// of the leftover pattern, a regular file or folder (never a link) owned by
// this user, that no process holds locked. Anything else stays.
void RemoveOurLeftovers(const std::filesystem::path& folder, const std::string& prefix);

} // namespace winfs
