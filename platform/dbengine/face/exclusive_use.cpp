#include "dbengine/exclusive_use.h"

#include <sqlite3.h>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

#include <vector>

#include "dbengine/storage/connection.h"
#include "dbengine/claims/engine_holdings.h"
#include "dbengine/errors.h"
#include "dbengine/face/open_files.h"
#include "winfs/new_files.h"
#include "winfs/paths.h"

namespace dao {

namespace {

// A foreign writer finishing its commit is waited for this long.
constexpr int kLockWaitMs = 300;

// Opens the file and takes SQLite's exclusive lock, kept after the
// transaction by the exclusive locking mode. A read-only file keeps a read
// lock instead: no foreign writer can commit past it. Null for a file that is
// no database (nothing can write it through SQLite): the claim alone holds it.
sqlite3* LockStorage(const std::filesystem::path& path, const std::string& fileName) {
    const bool writable = ::access(path.c_str(), W_OK) == 0;
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, (writable ? SQLITE_OPEN_READWRITE : SQLITE_OPEN_READONLY) |
                                                    SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_extended_result_codes(db, 1);
        sqlite3_busy_timeout(db, kLockWaitMs);
        const char* sql = writable ? "PRAGMA locking_mode=EXCLUSIVE; BEGIN EXCLUSIVE; COMMIT;"
                                   : "PRAGMA locking_mode=EXCLUSIVE; SELECT count(*) FROM sqlite_master;";
        rc = sqlite3_exec(db, sql, nullptr, nullptr, nullptr);
    }
    if (rc == SQLITE_OK) return db;
    const int code = rc & 0xff;
    if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT) {
        sqlite3_close_v2(db);
        return nullptr;
    }
    try {
        if (code == SQLITE_BUSY || code == SQLITE_LOCKED) Raise(kFileInUse, fileName);
        RaiseSqlite(db, rc, fileName);
    } catch (...) {
        sqlite3_close_v2(db);
        throw;
    }
}

// 0, or the number for the failure. A write that takes only part of what it
// is given is tried again with the rest: the second one says why (a full
// disk, a file size limit), or, taking nothing, means no room.
int WriteAll(int fd, const char* data, std::size_t length) {
    while (length > 0) {
        const ssize_t n = ::write(fd, data, length);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return NumberForWriteErrno(errno);
        if (n == 0) return vb::kDiskFull;
        data += n;
        length -= static_cast<std::size_t>(n);
    }
    return 0;
}

} // namespace

ExclusiveUse::ExclusiveUse(DBEngine& engine, const std::string& fileName, Storage storage)
    : path_(winfs::Resolve(fileName)), key_(HeldUses::KeyOf(path_)) {
    std::error_code ec;
    const bool exists = std::filesystem::is_regular_file(path_, ec);
    if (exists) QuietOpenConnections(path_);
    EngineHoldings& holdings = HoldingsOf(engine);
    claim_ = holdings.claims.Exclusive(path_);
    if (!exists) return;
    lock_ = LockStorage(path_, fileName);
    if (!lock_) return;
    if (storage == Storage::CheckOnly) {
        sqlite3_close_v2(lock_);
        lock_ = nullptr;
        return;
    }
    heldBy_ = &holdings.exclusiveUses;
    heldBy_->Add(key_, this);
}

ExclusiveUse::~ExclusiveUse() {
    if (!lock_) return;
    if (heldBy_) heldBy_->Remove(key_, this);
    sqlite3_close_v2(lock_);
}

void ExclusiveUse::CopyTo(const std::filesystem::path& target) const {
    std::error_code ec;
    if (!lock_) {
        // No database: no SQLite lock of ours to lose, a plain copy will do.
        if (!std::filesystem::copy_file(path_, target, ec))
            Raise(ec == std::errc::no_such_file_or_directory ? kFileNotFound : NumberForWriteErrno(ec.value()),
                  path_.string());
        return;
    }
    // Read through SQLite's own descriptor: opening and closing another one on
    // the file would drop the process's locks on it.
    sqlite3_file* file = nullptr;
    sqlite3_int64 size = 0;
    if (sqlite3_file_control(lock_, "main", SQLITE_FCNTL_FILE_POINTER, &file) != SQLITE_OK || !file ||
        file->pMethods->xFileSize(file, &size) != SQLITE_OK)
        Raise(kDiskOrNetworkError, path_.string());
    const int out = winfs::CreateNewFile(target, O_WRONLY, 0666);
    if (out < 0) Raise(NumberForWriteErrno(errno), target.string());
    std::vector<char> buffer(1 << 20);
    int failed = 0;  // the number of the first failure
    for (sqlite3_int64 at = 0; !failed && at < size;) {
        const int n = static_cast<int>(std::min<sqlite3_int64>(buffer.size(), size - at));
        if (file->pMethods->xRead(file, buffer.data(), n, at) != SQLITE_OK) failed = kDiskOrNetworkError;
        else failed = WriteAll(out, buffer.data(), n);
        at += n;
    }
    if (::fsync(out) != 0 && !failed) failed = NumberForWriteErrno(errno);
    ::close(out);
    if (failed) {
        ::unlink(target.c_str());
        Raise(failed, target.string());
    }
}

void ExclusiveUse::CompactInto(const std::filesystem::path& target) const {
    std::error_code ec;
    if (!lock_) Raise(std::filesystem::is_regular_file(path_, ec) ? kNotADatabase : kFileNotFound, path_.string());
    // Made first, empty, as VACUUM INTO accepts it: a folder that refuses it
    // says why (SQLite would only say it cannot open the file).
    const int made = winfs::CreateNewFile(target, O_WRONLY, 0666);
    if (made < 0) Raise(NumberForWriteErrno(errno), target.string());
    ::close(made);
    const std::string name = target.string();
    int rc = SQLITE_DONE;
    try {
        Statement vacuum(lock_, "VACUUM INTO ?1");
        sqlite3_bind_text(vacuum.get(), 1, name.data(), static_cast<int>(name.size()), SQLITE_STATIC);
        rc = sqlite3_step(vacuum.get());
    } catch (...) {
        std::filesystem::remove(target, ec);
        throw;
    }
    if (rc != SQLITE_DONE) {
        std::filesystem::remove(target, ec);
        std::filesystem::path journal = target;
        std::filesystem::remove(journal += "-journal", ec);
        // A copy that found no room says so as any other file would.
        const int err = sqlite3_system_errno(lock_);
        if ((rc & 0xff) == SQLITE_FULL || err == ENOSPC || err == EDQUOT || err == EFBIG)
            Raise(vb::kDiskFull, name);
        RaiseSqlite(lock_, rc, name);
    }
}

} // namespace dao
