// Prepared statements and the mapping of SQLite failures to engine errors.
#include "dbengine/storage/sqlite_statement.h"

#include <sqlite3.h>

#include <string>

#include "dbengine/values/errors.h"

namespace dao {

Statement::Statement(sqlite3* db, std::string_view sql) {
    int rc = sqlite3_prepare_v3(db, sql.data(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_finalize(stmt_);
        stmt_ = nullptr;
        RaiseSqlite(db, rc, std::string(sql));
    }
}

Statement::~Statement() { sqlite3_finalize(stmt_); }

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(stmt_);
        stmt_ = other.stmt_;
        other.stmt_ = nullptr;
    }
    return *this;
}

void RaiseSqlite(sqlite3* db, int rc, const std::string& context) {
    const int extended = db ? sqlite3_extended_errcode(db) : rc;
    std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    std::string detail = context.empty() ? message : context + ": " + message;
    switch (extended) {
    // A journal left by a crash that only a writer may roll back.
    case SQLITE_READONLY_ROLLBACK: case SQLITE_READONLY_RECOVERY: Raise(kCannotOpenDatabase, detail);
    case SQLITE_CONSTRAINT_NOTNULL: Raise(kNullInRequiredField, detail);
    case SQLITE_CONSTRAINT_CHECK: Raise(kValidationRule, detail);
    case SQLITE_CONSTRAINT_UNIQUE: case SQLITE_CONSTRAINT_PRIMARYKEY: case SQLITE_CONSTRAINT_ROWID:
        Raise(kDuplicateKey, detail);
    default: break;
    }
    switch (rc & 0xff) {
    case SQLITE_CONSTRAINT: Raise(kDuplicateKey, detail);
    case SQLITE_READONLY: Raise(kReadOnly, detail);
    case SQLITE_NOTADB: case SQLITE_CORRUPT: Raise(kNotADatabase, detail);
    case SQLITE_FULL: Raise(kDiskFull, detail);
    case SQLITE_BUSY: case SQLITE_LOCKED: Raise(kDatabaseLocked, detail);
    case SQLITE_IOERR: Raise(kDiskOrNetworkError, detail);
    case SQLITE_CANTOPEN: Raise(kInvalidPath, detail);
    case SQLITE_PERM: case SQLITE_AUTH: Raise(kReadOnly, detail);
    case SQLITE_ERROR:
        if (message.rfind("no such table", 0) == 0) Raise(kTableNotFound, detail);
        if (message.rfind("no such column", 0) == 0) Raise(kFieldNotFound, detail);
        if (message.find("already exists") != std::string::npos)
            Raise(message.rfind("index", 0) == 0 ? kIndexExists : kTableExists, detail);
        break;
    default: break;
    }
    Raise(kReservedError, detail);
}

} // namespace dao
