#pragma once
// Internal: prepared statements and the mapping of SQLite failures to the
// engine's errors.
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace dao {

// A prepared statement, finalized with its owner.
class Statement {
public:
    Statement() = default;
    Statement(sqlite3* db, std::string_view sql);
    ~Statement();
    Statement(Statement&& other) noexcept : stmt_(other.stmt_) { other.stmt_ = nullptr; }
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    sqlite3_stmt* get() const noexcept { return stmt_; }
    explicit operator bool() const noexcept { return stmt_ != nullptr; }

private:
    sqlite3_stmt* stmt_ = nullptr;
};

// Maps a failed SQLite call to the engine's error and raises it.
[[noreturn]] void RaiseSqlite(sqlite3* db, int rc, const std::string& context = {});

} // namespace dao
