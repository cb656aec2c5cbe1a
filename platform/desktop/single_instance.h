#pragma once
// Tells whether another instance of a program already runs for this user.
//
// The first instance holds an exclusive flock on a lock file in the user's
// runtime folder for as long as it lives. The kernel drops the lock when the
// process ends in any way, a crash included, so no stale lock can block a
// later start.
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
    // process, or another object of this one) already has it. A lock file that
    // cannot be opened at all gives false: a broken lock must not shut the user
    // out of the program.
    bool OtherInstanceRunning();

    // The lock file used for the name.
    std::filesystem::path LockFile() const;

private:
    std::string name_;
    int fd_ = -1;
};

} // namespace desktop
