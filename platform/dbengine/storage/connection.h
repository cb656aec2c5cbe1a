#pragma once
// Internal: one open SQLite file shared by every Database and DataControl of
// the program, its schema as the engine sees it (field_values.h), the grouped
// write transaction and the error mapping (sqlite_statement.h).
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "dbengine/storage/field_values.h"
#include "dbengine/storage/sqlite_statement.h"
#include "dbengine/values/variant.h"

struct sqlite3;
struct sqlite3_stmt;

namespace dao {

// Something holding a read cursor on a connection: asked to release it before
// statements that need the file quiet (DDL, compaction).
class CursorHolder {
public:
    virtual void ReleaseCursor() noexcept = 0;

protected:
    ~CursorHolder() = default;
};

class Connection {
public:
    // Opens an existing file: 3024 missing or a folder, 3343 not a database.
    // readOnly asks for a storage connection that never writes the file (not
    // even to roll back a journal left by a crash: such a file is 3049).
    static std::shared_ptr<Connection> Open(const std::filesystem::path& path, bool readOnly = false);
    // Creates a new file: 3204 when it exists, 3044 when its folder is missing.
    static std::shared_ptr<Connection> Create(const std::filesystem::path& path);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3* db() const noexcept { return db_; }
    bool ReadOnly() const noexcept { return readOnly_; }
    const std::filesystem::path& Path() const noexcept { return path_; }
    // False once the file at Path() is no longer the one this connection opened
    // (deleted, or replaced by a restore): the next binding then opens it anew.
    bool StillTheFile() const;

    // Schema, cached until this connection changes it (or another one does).
    std::shared_ptr<const TableInfo> FindTable(std::string_view name);  // null when missing
    std::shared_ptr<const TableInfo> Table(std::string_view name);      // 3078 when missing
    void InvalidateSchema();

    // Grouped writes: BeginWrite before a row's statement (3027 on a read-only
    // file), RowWritten after it succeeded (commits every kRowsPerCommit rows).
    // A failed automatic commit keeps the rows pending for the next Commit,
    // which raises the failure if it persists (or if the rows were lost).
    // Measured on a row-by-row copy: groups of 5,000 cost about a tenth more
    // time, groups larger than 20,000 save nothing that shows above the noise.
    static constexpr int kRowsPerCommit = 20000;
    void BeginWrite();
    void RowWritten() noexcept {
        ++generation_;
        rowsPending_ = true;
        CountWrite();
    }
    void Commit();
    void CommitNoThrow() noexcept;

    // How long a statement waits for another program's lock before failing
    // (3218), unless the engine or a binding asks for another wait.
    static constexpr std::chrono::milliseconds kLockWait{10000};
    // Another wait for this connection, from now on.
    void SetLockWait(std::chrono::milliseconds wait) noexcept;

    // The program's other connection to the same file (a read-only one beside
    // the read-write one), kept in step: the writer lets go of the reader's
    // cursors before it writes, the reader commits the writer's open
    // transaction before it reads, so that neither waits on the other and the
    // reader sees what the program wrote.
    static void Pair(Connection& first, Connection& second) noexcept;
    void Unpair() noexcept;
    void SyncWithWriter();

    // Counts every change made through this connection (cursors re-read after one).
    std::uint64_t Generation() const noexcept { return generation_; }
    void Changed() noexcept { ++generation_; }

    // The next value of a counter field (largest stored + 1, then counted here).
    std::int64_t NextCounter(const TableInfo& table, int column);
    void NoteCounter(const TableInfo& table, int column, std::int64_t used);
    void ForgetCounters() noexcept { counters_.clear(); }

    // What this connection and other programs have written to the file so
    // far: equal stamps mean the tables hold the same rows. Taken before a read.
    struct WriteStamp {
        std::int64_t ownChanges = 0;   // rows changed through this connection
        std::int64_t dataVersion = 0;  // PRAGMA data_version: commits by others
        bool operator==(const WriteStamp&) const = default;
    };
    WriteStamp Stamp(const std::string& context);   // context: for a failure's message
    // A table's rowids as read at a binding, handed to the next binding of the
    // same table while the stamp is the same (a converter binds its source twice).
    bool ReuseRowids(const TableInfo& table, const WriteStamp& stamp, std::vector<std::int64_t>& out) const;
    void KeepRowids(std::shared_ptr<const TableInfo> table, const WriteStamp& stamp, const std::vector<std::int64_t>& rowids);

    void AddCursorHolder(CursorHolder* holder);
    void RemoveCursorHolder(CursorHolder* holder) noexcept;
    void ReleaseCursors() noexcept;

    // Runs one statement of the Execute subset (execute.cpp).
    void Execute(const std::string& statement);

private:
    Connection(sqlite3* db, std::filesystem::path path, bool readOnly);
    void LoadSchema();
    void Exec(const char* sql);
    void CountWrite() noexcept;
    void ReleasePeerCursors() noexcept;

    sqlite3* db_ = nullptr;
    std::filesystem::path path_;
    unsigned long long device_ = 0, inode_ = 0;
    bool readOnly_ = false;
    int pendingRows_ = 0;         // writes in the open transaction
    bool rowsPending_ = false;    // some of them by Recordset::Update
    std::uint64_t generation_ = 0;
    bool schemaLoaded_ = false;
    int schemaVersion_ = -1;
    std::unordered_map<std::string, std::shared_ptr<const TableInfo>> tables_;  // by folded name
    std::unordered_map<std::string, std::int64_t> counters_;                   // by ColumnInfo::counterKey
    std::vector<CursorHolder*> cursorHolders_;
    Statement dataVersion_;   // PRAGMA data_version, prepared once
    struct KeptRowids {
        std::shared_ptr<const TableInfo> table;   // held: the schema read then
        WriteStamp stamp;
        std::vector<std::int64_t> rowids;
    } keptRowids_;
    Connection* peer_ = nullptr;
    // An automatic commit that failed and took the open transaction with it:
    // raised by the next Commit, so that the lost rows do not pass unnoticed.
    int lostNumber_ = 0;
    std::string lostDescription_;
};

} // namespace dao
