#pragma once
// Tells whether another instance of a program already runs for this user.
//
// The first instance holds an exclusive flock on a lock file in a folder only
// this user may enter (XDG_RUNTIME_DIR, or a 0700 folder of our own in the
// temporary folder, its owner checked) for as long as it lives. The kernel
// drops the lock when the process ends in any way, a crash included, so no
// stale lock can block a later start.
#include <filesystem>
#include <string>

namespace desktop {

class SingleInstance {
public:
    // name: the program's lock name, e.g. "utilita".
    explicit SingleInstance(std::string name);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Takes the lock for this object. Returns true when another holder (another
    // process, or another object of this one) already has it. No private
    // folder, a lock file that cannot be opened or one that is not this
    // user's gives false: a broken lock must not shut the user out of the
    // program, nor another user's file stand for a running copy.
    bool OtherInstanceRunning();

    // The lock file used for the name; empty when no private folder is found.
    std::filesystem::path LockFile() const;

private:
    std::string name_;
    int fd_ = -1;
};

} // namespace desktop
