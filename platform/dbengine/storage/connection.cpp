#include "dbengine/storage/connection.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <utility>

#include "dbengine/storage/field_values.h"
#include "dbengine/storage/regular_file.h"
#include "dbengine/values/errors.h"
#include "winfs/paths.h"

namespace dao {

namespace {

// Writable: the file has write permission (some write bit at all, as the
// read-only attribute, even for a privileged user) and its folder lets the
// storage create its journal next to it.
bool Writable(const std::filesystem::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return false;
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
    if (::access(path.c_str(), W_OK) != 0) return false;
    std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    struct stat dir {};
    if (::stat(folder.c_str(), &dir) != 0 || (dir.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

// Checks the file header: a SQLite file, not cut short. 3343 otherwise.
void CheckHeader(const std::filesystem::path& path) {
    unsigned char h[100];
    if (!ReadFileHead(path, h, sizeof h)) Raise(kNotADatabase, path.string());
    if (std::memcmp(h, "SQLite format 3", 16) != 0) Raise(kNotADatabase, path.string());
    auto be32 = [&](int at) {
        return (std::uint32_t(h[at]) << 24) | (std::uint32_t(h[at + 1]) << 16) | (std::uint32_t(h[at + 2]) << 8) | h[at + 3];
    };
    std::uint32_t pageSize = (std::uint32_t(h[16]) << 8) | h[17];
    if (pageSize == 1) pageSize = 65536;
    if (pageSize < 512 || (pageSize & (pageSize - 1)) != 0) Raise(kNotADatabase, path.string());
    const std::uint32_t pages = be32(28);
    const bool sizeValid = pages != 0 && be32(24) == be32(92);
    std::error_code ec;
    const auto fileSize = std::filesystem::file_size(path, ec);
    if (ec) Raise(kNotADatabase, path.string());
    // A file shorter than its header says was cut short (unless a journal is
    // there to put it right).
    std::filesystem::path journal = path;
    journal += "-journal";
    if (std::filesystem::exists(journal, ec)) return;
    if (sizeValid && fileSize < std::uint64_t(pages) * pageSize) Raise(kNotADatabase, path.string());
    if (fileSize % pageSize != 0) Raise(kNotADatabase, path.string());
}

} // namespace

// --- connection ---------------------------------------------------------------

Connection::Connection(sqlite3* db, std::filesystem::path path, bool readOnly)
    : db_(db), path_(std::move(path)), readOnly_(readOnly) {
    SetLockWait(kLockWait);
    sqlite3_extended_result_codes(db_, 1);
    struct stat st {};
    if (::stat(path_.c_str(), &st) == 0) {
        device_ = st.st_dev;
        inode_ = st.st_ino;
    }
}

bool Connection::StillTheFile() const {
    struct stat st {};
    return ::stat(path_.c_str(), &st) == 0 && st.st_dev == device_ && st.st_ino == inode_;
}

Connection::~Connection() {
    CommitNoThrow();
    Unpair();
    sqlite3_close_v2(db_);
}

void Connection::SetLockWait(std::chrono::milliseconds wait) noexcept {
    sqlite3_busy_timeout(db_, static_cast<int>(wait.count()));
}

void Connection::Pair(Connection& first, Connection& second) noexcept {
    if (&first == &second) return;
    first.Unpair();
    second.Unpair();
    first.peer_ = &second;
    second.peer_ = &first;
}

void Connection::Unpair() noexcept {
    if (peer_) peer_->peer_ = nullptr;
    peer_ = nullptr;
}

void Connection::ReleasePeerCursors() noexcept {
    if (peer_) peer_->ReleaseCursors();
}

void Connection::SyncWithWriter() {
    if (readOnly_ && peer_ && !peer_->readOnly_ && !sqlite3_get_autocommit(peer_->db_)) peer_->Commit();
}

std::shared_ptr<Connection> Connection::Open(const std::filesystem::path& path, bool readOnlyAsked) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) Raise(kFileNotFound, path.string());
    CheckHeader(path);
    const bool readOnly = readOnlyAsked || !Writable(path);
    sqlite3* db = nullptr;
    int flags = (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE) | SQLITE_OPEN_NOMUTEX;
    int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close_v2(db);
        if (rc == SQLITE_CANTOPEN) Raise(kFileNotFound, path.string());
        if (rc == SQLITE_NOTADB || rc == SQLITE_CORRUPT) Raise(kNotADatabase, path.string());
        Raise(kReservedError, path.string() + ": " + sqlite3_errstr(rc));
    }
    std::shared_ptr<Connection> connection(new Connection(db, path, readOnly));
    RegisterTakeRow(db);   // once the connection owns the handle, which closes it if this fails
    // First read: the schema. A damaged file fails here.
    connection->LoadSchema();
    return connection;
}

std::shared_ptr<Connection> Connection::Create(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::exists(path, ec)) Raise(kCompactTargetExists, path.string());
    if (path.has_parent_path() && !std::filesystem::is_directory(path.parent_path(), ec))
        Raise(kInvalidPath, path.string());
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close_v2(db);
        Raise(rc == SQLITE_CANTOPEN ? kInvalidPath : kReservedError, path.string());
    }
    std::shared_ptr<Connection> connection(new Connection(db, path, false));
    RegisterTakeRow(db);
    // Writes the header page, so that the new file is a database from the start.
    connection->Exec("PRAGMA application_id=1448359735");
    connection->LoadSchema();
    return connection;
}

void Connection::Exec(const char* sql) {
    char* error = nullptr;
    int rc = sqlite3_exec(db_, sql, nullptr, nullptr, &error);
    sqlite3_free(error);
    if (rc != SQLITE_OK) RaiseSqlite(db_, rc, sql);
}

void Connection::BeginWrite() {
    if (readOnly_) Raise(kReadOnly, path_.string());
    // Any write may need the file to itself (a cache spill): the program's
    // reader lets go first. It seeks its row again on its next read.
    ReleasePeerCursors();
    if (sqlite3_get_autocommit(db_)) {
        Exec("BEGIN IMMEDIATE");
        pendingRows_ = 0;
    }
}

void Connection::Commit() {
    if (!sqlite3_get_autocommit(db_)) {
        ReleasePeerCursors();
        Exec("COMMIT");
    }
    pendingRows_ = 0;
    rowsPending_ = false;
    if (lostNumber_) {
        const int number = std::exchange(lostNumber_, 0);
        throw vb::RuntimeError(number, std::exchange(lostDescription_, {}));
    }
}

void Connection::CountWrite() noexcept {
    if (++pendingRows_ < kRowsPerCommit) return;
    // Counted afresh whatever the outcome: a file locked by another program is
    // tried again after the next group, not at every row with its busy wait.
    pendingRows_ = 0;
    if (sqlite3_get_autocommit(db_)) return;
    ReleasePeerCursors();
    const int rc = sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) {
        rowsPending_ = false;
        return;
    }
    // Busy leaves the transaction open for the next commit; a failure that
    // rolled it back is kept to be raised there.
    if (sqlite3_get_autocommit(db_) && !lostNumber_) {
        try {
            RaiseSqlite(db_, rc, path_.string());
        } catch (const vb::RuntimeError& error) {
            lostNumber_ = error.Number();
            lostDescription_ = error.Description();
        } catch (...) {
            lostNumber_ = kReservedError;
        }
    }
}

void Connection::CommitNoThrow() noexcept {
    try {
        Commit();
    } catch (...) {
    }
}

std::int64_t Connection::NextCounter(const TableInfo& table, int column) {
    const std::string& key = table.columns[column].counterKey;
    auto it = counters_.find(key);
    if (it == counters_.end()) {
        Statement max(db_, "SELECT max(" + table.columns[column].quoted + ") FROM " + table.quoted);
        int rc = sqlite3_step(max.get());
        if (rc != SQLITE_ROW) RaiseSqlite(db_, rc);
        std::int64_t next = sqlite3_column_type(max.get(), 0) == SQLITE_NULL ? 1 : sqlite3_column_int64(max.get(), 0) + 1;
        it = counters_.emplace(key, next).first;
    }
    return it->second++;
}

void Connection::NoteCounter(const TableInfo& table, int column, std::int64_t used) {
    auto it = counters_.find(table.columns[column].counterKey);
    if (it != counters_.end() && it->second <= used) it->second = used + 1;
}

void Connection::AddCursorHolder(CursorHolder* holder) { cursorHolders_.push_back(holder); }

void Connection::RemoveCursorHolder(CursorHolder* holder) noexcept {
    cursorHolders_.erase(std::remove(cursorHolders_.begin(), cursorHolders_.end(), holder), cursorHolders_.end());
}

void Connection::ReleaseCursors() noexcept {
    for (auto* holder : cursorHolders_) holder->ReleaseCursor();
}

} // namespace dao
