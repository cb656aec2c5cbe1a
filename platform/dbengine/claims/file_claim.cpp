#include "dbengine/claims/file_claim.h"

#include <cerrno>
#include <map>
#include <mutex>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "dbengine/values/errors.h"
#include "winfs/new_files.h"

namespace dao {

namespace {

// The engine's lock on one companion file. Open-file-description locks: they
// belong to this descriptor alone, so no other open and close of the file in
// the process can drop them, and a failed raise leaves the read lock held.
struct CompanionLock {
    std::filesystem::path path;
    int fd = -1;
    int shared = 0;
    int exclusive = 0;
};

// 0, or the errno of the attempt (EAGAIN: another process holds a lock in the way).
int SetLock(int fd, short type) {
    struct flock lock {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    return ::fcntl(fd, F_OFD_SETLK, &lock) == 0 ? 0 : errno;
}

bool Conflict(int err) { return err == EAGAIN || err == EACCES; }

bool SameInode(int fd, const std::filesystem::path& path) {
    struct stat open {}, named {};
    return ::fstat(fd, &open) == 0 && ::stat(path.c_str(), &named) == 0 && open.st_dev == named.st_dev &&
           open.st_ino == named.st_ino;
}

// Opens and locks the companion. -1 when the folder allows no companion (a
// read-only medium: nobody can change the database there either) or its file
// system has no locks. A companion removed by its last holder between our
// open and our lock is opened anew.
int OpenLocked(const std::filesystem::path& path, short type, const std::filesystem::path& database) {
    for (;;) {
        // A link at the companion's name is no holder's: never followed.
        int fd = winfs::OpenOrCreateNoLink(path, O_RDWR, 0666);
        if (fd < 0 && type == F_RDLCK) fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) return -1;
        const int err = SetLock(fd, type);
        if (err == 0 && SameInode(fd, path)) return fd;
        ::close(fd);
        if (Conflict(err)) Raise(kFileInUse, database.string());
        if (err != 0) return -1;
    }
}

} // namespace

struct CompanionLocks {
    std::mutex mutex;
    std::map<std::string, CompanionLock> byKey;   // by the companion's canonical path
};

class FileClaim {
public:
    FileClaim(std::shared_ptr<CompanionLocks> locks, std::string key, bool exclusive)
        : locks_(std::move(locks)), key_(std::move(key)), exclusive_(exclusive) {}
    ~FileClaim();
    FileClaim(const FileClaim&) = delete;
    FileClaim& operator=(const FileClaim&) = delete;

private:
    std::shared_ptr<CompanionLocks> locks_;
    std::string key_;
    bool exclusive_;
};

FileClaim::~FileClaim() {
    std::lock_guard guard(locks_->mutex);
    auto& locks = locks_->byKey;
    auto it = locks.find(key_);
    if (it == locks.end()) return;
    CompanionLock& lock = it->second;
    --(exclusive_ ? lock.exclusive : lock.shared);
    if (lock.fd >= 0 && lock.exclusive == 0 && lock.shared > 0) SetLock(lock.fd, F_RDLCK);
    if (lock.exclusive + lock.shared > 0) return;
    // The last holder of all removes the companion: only when its write lock
    // shows that no other one holds a lock.
    if (lock.fd >= 0) {
        if (SetLock(lock.fd, F_WRLCK) == 0 && SameInode(lock.fd, lock.path)) ::unlink(lock.path.c_str());
        ::close(lock.fd);
    }
    locks.erase(it);
}

std::filesystem::path CompanionOf(const std::filesystem::path& database) {
    std::filesystem::path companion = database;
    return companion.replace_extension(".ldb");
}

ClaimRegistry::ClaimRegistry() : locks_(std::make_shared<CompanionLocks>()) {}
ClaimRegistry::~ClaimRegistry() = default;

ClaimRef ClaimRegistry::Claim(const std::filesystem::path& database, bool exclusive) {
    const std::filesystem::path companion = CompanionOf(database);
    std::error_code ec;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(companion, ec);
    const std::string key = (ec ? companion : canonical).string();
    const short type = exclusive ? F_WRLCK : F_RDLCK;

    std::lock_guard guard(locks_->mutex);
    auto& locks = locks_->byKey;
    auto it = locks.find(key);
    if (it == locks.end()) {
        const int fd = OpenLocked(companion, type, database);
        it = locks.emplace(key, CompanionLock{companion, fd}).first;
    } else if (exclusive && it->second.exclusive == 0 && it->second.fd >= 0) {
        if (Conflict(SetLock(it->second.fd, F_WRLCK))) Raise(kFileInUse, database.string());
    }
    ++(exclusive ? it->second.exclusive : it->second.shared);
    return std::make_shared<FileClaim>(locks_, key, exclusive);
}

ClaimRef ClaimRegistry::Shared(const std::filesystem::path& database) { return Claim(database, false); }
ClaimRef ClaimRegistry::Exclusive(const std::filesystem::path& database) { return Claim(database, true); }

} // namespace dao
