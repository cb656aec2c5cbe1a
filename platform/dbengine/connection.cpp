#include "dbengine/connection.h"

#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <utility>

#include "dbengine/errors.h"
#include "winfs/paths.h"

namespace dao {

namespace {

std::atomic<int> busyTimeout{10000};

std::string Upper(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char c : s) {
        if (c == ' ' || c == '\t') continue;
        out += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return out;
}

std::size_t Utf8Length(const std::string& s) {
    std::size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

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
    std::ifstream in(path, std::ios::binary);
    unsigned char h[100];
    if (!in.read(reinterpret_cast<char*>(h), sizeof h)) Raise(kNotADatabase, path.string());
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

// --- types ------------------------------------------------------------------

FieldKind KindOfDeclaredType(std::string_view declared, int& size) {
    std::string t = Upper(declared);
    size = 0;
    std::string base = t;
    auto paren = t.find('(');
    if (paren != std::string::npos) {
        base = t.substr(0, paren);
        size = std::atoi(t.c_str() + paren + 1);
    }
    if (base == "TEXT" || base == "VARCHAR" || base == "CHAR" || base == "NVARCHAR" || base == "NCHAR" ||
        base == "CHARACTER" || base == "STRING") {
        if (size <= 0) size = 255;
        return FieldKind::Text;
    }
    size = 0;
    if (base == "LONGTEXT" || base == "MEMO" || base == "NOTE" || base == "CLOB") return FieldKind::Memo;
    if (base == "BYTE" || base == "TINYINT") return FieldKind::Byte;
    if (base == "SHORT" || base == "SMALLINT" || base == "INTEGER2") return FieldKind::Integer;
    if (base == "LONG" || base == "INTEGER" || base == "INT" || base == "INTEGER4" || base == "BIGINT")
        return FieldKind::Long;
    if (base == "SINGLE" || base == "REAL" || base == "FLOAT4") return FieldKind::Single;
    if (base == "DOUBLE" || base == "FLOAT" || base == "FLOAT8" || base == "NUMBER" || base == "NUMERIC" ||
        base == "DECIMAL" || base == "DOUBLEPRECISION")
        return FieldKind::Double;
    if (base == "CURRENCY" || base == "MONEY") return FieldKind::Currency;
    if (base == "DATETIME" || base == "DATE" || base == "TIME" || base == "TIMESTAMP") return FieldKind::DateTime;
    if (base == "YESNO" || base == "BIT" || base == "BOOLEAN" || base == "LOGICAL" || base == "LOGICAL1")
        return FieldKind::YesNo;
    if (base == "COUNTER" || base == "AUTOINCREMENT" || base == "AUTONUMBER") return FieldKind::Counter;
    return FieldKind::Other;
}

std::string DeclaredTypeOf(FieldKind kind, int size) {
    switch (kind) {
    case FieldKind::Text: return "TEXT(" + std::to_string(size) + ")";
    case FieldKind::Memo: return "LONGTEXT";
    case FieldKind::Byte: return "BYTE";
    case FieldKind::Integer: return "SHORT";
    case FieldKind::Long: return "LONG";
    case FieldKind::Single: return "SINGLE";
    case FieldKind::Double: return "DOUBLE";
    case FieldKind::Currency: return "CURRENCY";
    case FieldKind::DateTime: return "DATETIME";
    case FieldKind::YesNo: return "YESNO";
    case FieldKind::Counter: return "COUNTER";
    case FieldKind::Other: return "";
    }
    return "";
}

VarType VarTypeOf(FieldKind kind) {
    switch (kind) {
    case FieldKind::Text: case FieldKind::Memo: return VarType::String;
    case FieldKind::Byte: return VarType::Byte;
    case FieldKind::Integer: return VarType::Integer;
    case FieldKind::Long: case FieldKind::Counter: return VarType::Long;
    case FieldKind::Single: return VarType::Single;
    case FieldKind::Double: return VarType::Double;
    case FieldKind::Currency: return VarType::Currency;
    case FieldKind::DateTime: return VarType::Date;
    case FieldKind::YesNo: return VarType::Boolean;
    case FieldKind::Other: return VarType::Empty;
    }
    return VarType::Empty;
}

int TableInfo::Find(std::string_view name) const {
    auto it = byFolded.find(winfs::FoldCase(std::string(name)));
    return it == byFolded.end() ? -1 : it->second;
}

void ConvertForColumnInto(const ColumnInfo& column, const Variant& value, Variant& out) {
    if (value.IsNull() || value.IsEmpty()) {
        out = Variant::Null();
        return;
    }
    const VarType target = VarTypeOf(column.kind);
    auto checkLength = [&](const Variant& text) {
        if (column.kind == FieldKind::Text && Utf8Length(text.RawString()) > static_cast<std::size_t>(column.size))
            Raise(kTextTooLong, column.name);
    };
    if (target == VarType::Empty) {
        out = value;
    } else if (value.Type() == target) {
        checkLength(value);
        out = value;   // same type: copied into the buffer already there
    } else {
        Variant converted;
        try {
            converted = value.ConvertTo(target);
        } catch (const vb::RuntimeError&) {
            Raise(kTypeRefused, column.name);
        }
        checkLength(converted);
        out = std::move(converted);
    }
}

Variant ConvertForColumn(const ColumnInfo& column, const Variant& value) {
    Variant out;
    ConvertForColumnInto(column, value, out);
    return out;
}

void BindValue(sqlite3_stmt* stmt, int index, const Variant& v) {
    int rc = SQLITE_OK;
    switch (v.Type()) {
    case VarType::Empty: case VarType::Null: rc = sqlite3_bind_null(stmt, index); break;
    case VarType::Boolean: rc = sqlite3_bind_int(stmt, index, v.RawBool() ? -1 : 0); break;
    case VarType::Byte: case VarType::Integer: case VarType::Long:
        rc = sqlite3_bind_int64(stmt, index, v.RawInt());
        break;
    case VarType::Currency: rc = sqlite3_bind_double(stmt, index, static_cast<double>(v.RawInt()) / 10000.0); break;
    case VarType::Single: case VarType::Double: case VarType::Date:
        rc = sqlite3_bind_double(stmt, index, v.RawDouble());
        break;
    case VarType::String: {
        const std::string& s = v.RawString();
        rc = sqlite3_bind_text(stmt, index, s.data(), static_cast<int>(s.size()), SQLITE_STATIC);
        break;
    }
    }
    if (rc != SQLITE_OK) RaiseSqlite(sqlite3_db_handle(stmt), rc);
}

Variant ReadValue(sqlite3_stmt* stmt, int column, FieldKind kind) {
    const int type = sqlite3_column_type(stmt, column);
    if (type == SQLITE_NULL) return Variant::Null();
    switch (kind) {
    case FieldKind::Text: case FieldKind::Memo: {
        auto text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
        return Variant(std::string(text, static_cast<std::size_t>(sqlite3_column_bytes(stmt, column))));
    }
    case FieldKind::Byte: return Variant::Byte(static_cast<std::uint8_t>(sqlite3_column_int64(stmt, column)));
    case FieldKind::Integer: return Variant::Integer(static_cast<std::int16_t>(sqlite3_column_int64(stmt, column)));
    case FieldKind::Long: case FieldKind::Counter:
        return Variant::Long(static_cast<std::int32_t>(sqlite3_column_int64(stmt, column)));
    case FieldKind::Single: return Variant::Single(static_cast<float>(sqlite3_column_double(stmt, column)));
    case FieldKind::Double: return Variant::Double(sqlite3_column_double(stmt, column));
    case FieldKind::Currency:
        if (type == SQLITE_INTEGER) return Variant::CurrencyScaled(sqlite3_column_int64(stmt, column) * 10000);
        return Variant::CurrencyScaled(std::llround(sqlite3_column_double(stmt, column) * 10000.0));
    case FieldKind::DateTime: return Variant::Date(sqlite3_column_double(stmt, column));
    case FieldKind::YesNo: return Variant(sqlite3_column_int64(stmt, column) != 0);
    case FieldKind::Other: break;
    }
    switch (type) {
    case SQLITE_INTEGER: {
        sqlite3_int64 i = sqlite3_column_int64(stmt, column);
        if (i >= INT32_MIN && i <= INT32_MAX) return Variant::Long(static_cast<std::int32_t>(i));
        return Variant::Double(static_cast<double>(i));
    }
    case SQLITE_FLOAT: return Variant::Double(sqlite3_column_double(stmt, column));
    default: {
        auto bytes = static_cast<const char*>(sqlite3_column_blob(stmt, column));
        return Variant(std::string(bytes ? bytes : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt, column))));
    }
    }
}

std::string QuoteName(std::string_view name) {
    std::string out;
    out.reserve(name.size() + 2);
    out += '"';
    for (char c : name) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

// --- statements and errors ------------------------------------------------------

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

// --- connection ---------------------------------------------------------------

Connection::Connection(sqlite3* db, std::filesystem::path path, bool readOnly)
    : db_(db), path_(std::move(path)), readOnly_(readOnly) {
    sqlite3_busy_timeout(db_, busyTimeout.load());
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

void Connection::SetBusyTimeout(int milliseconds) noexcept { busyTimeout.store(milliseconds); }
int Connection::BusyTimeout() noexcept { return busyTimeout.load(); }

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

void Connection::LoadSchema() {
    tables_.clear();
    {
        Statement version(db_, "PRAGMA schema_version");
        int rc = sqlite3_step(version.get());
        if (rc != SQLITE_ROW) RaiseSqlite(db_, rc, path_.string());
        schemaVersion_ = sqlite3_column_int(version.get(), 0);
    }
    std::vector<std::string> names;
    {
        Statement list(db_, "SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite\\_%' ESCAPE '\\'");
        int rc;
        while ((rc = sqlite3_step(list.get())) == SQLITE_ROW)
            names.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(list.get(), 0)));
        if (rc != SQLITE_DONE) RaiseSqlite(db_, rc, path_.string());
    }
    Statement info(db_, "SELECT name, type, \"notnull\", dflt_value FROM pragma_table_info(?1)");
    for (const auto& name : names) {
        auto table = std::make_shared<TableInfo>();
        table->name = name;
        table->quoted = QuoteName(name);
        sqlite3_reset(info.get());
        sqlite3_bind_text(info.get(), 1, name.data(), static_cast<int>(name.size()), SQLITE_STATIC);
        int rc;
        while ((rc = sqlite3_step(info.get())) == SQLITE_ROW) {
            ColumnInfo c;
            c.name = reinterpret_cast<const char*>(sqlite3_column_text(info.get(), 0));
            c.quoted = QuoteName(c.name);
            auto declared = reinterpret_cast<const char*>(sqlite3_column_text(info.get(), 1));
            c.kind = KindOfDeclaredType(declared ? declared : "", c.size);
            c.notNull = sqlite3_column_int(info.get(), 2) != 0;
            if (sqlite3_column_type(info.get(), 3) != SQLITE_NULL) {
                std::string d = reinterpret_cast<const char*>(sqlite3_column_text(info.get(), 3));
                Variant raw = Variant::Null();
                if (d.size() >= 2 && d.front() == '\'' && d.back() == '\'') {
                    std::string text;
                    for (std::size_t i = 1; i + 1 < d.size(); ++i) {
                        text += d[i];
                        if (d[i] == '\'' && d[i + 1] == '\'') ++i;
                    }
                    raw = Variant(text);
                } else if (!d.empty() && d != "NULL" && d != "null") {
                    char* end = nullptr;
                    double value = std::strtod(d.c_str(), &end);
                    if (end && *end == 0) raw = Variant::Double(value);
                }
                try {
                    if (c.kind == FieldKind::Currency && raw.Type() == VarType::Double)
                        c.defaultValue = Variant::Currency(raw.RawDouble());
                    else if (c.kind == FieldKind::DateTime && raw.Type() == VarType::Double)
                        c.defaultValue = Variant::Date(raw.RawDouble());
                    else
                        c.defaultValue = ConvertForColumn(c, raw);
                } catch (const vb::RuntimeError&) {
                    c.defaultValue = Variant::Null();
                }
            }
            table->byFolded.emplace(winfs::FoldCase(c.name), static_cast<int>(table->columns.size()));
            table->columns.push_back(std::move(c));
        }
        if (rc != SQLITE_DONE) RaiseSqlite(db_, rc, path_.string());
        tables_[winfs::FoldCase(name)] = std::move(table);
    }
    schemaLoaded_ = true;
}

void Connection::InvalidateSchema() {
    schemaLoaded_ = false;
    counters_.clear();
}

std::shared_ptr<const TableInfo> Connection::FindTable(std::string_view name) {
    if (schemaLoaded_) {
        // Another connection (another program) may have changed the schema.
        Statement version(db_, "PRAGMA schema_version");
        if (sqlite3_step(version.get()) == SQLITE_ROW && sqlite3_column_int(version.get(), 0) != schemaVersion_)
            schemaLoaded_ = false;
    }
    if (!schemaLoaded_) LoadSchema();
    auto it = tables_.find(winfs::FoldCase(std::string(name)));
    return it == tables_.end() ? nullptr : it->second;
}

std::shared_ptr<const TableInfo> Connection::Table(std::string_view name) {
    auto table = FindTable(name);
    if (!table) Raise(kTableNotFound, std::string(name));
    return table;
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
    std::string key = winfs::FoldCase(table.name) + '\x1f' + winfs::FoldCase(table.columns[column].name);
    auto it = counters_.find(key);
    if (it == counters_.end()) {
        Statement max(db_, "SELECT max(" + table.columns[column].quoted + ") FROM " + table.quoted);
        int rc = sqlite3_step(max.get());
        if (rc != SQLITE_ROW) RaiseSqlite(db_, rc);
        std::int64_t next = sqlite3_column_type(max.get(), 0) == SQLITE_NULL ? 1 : sqlite3_column_int64(max.get(), 0) + 1;
        it = counters_.emplace(std::move(key), next).first;
    }
    return it->second++;
}

void Connection::NoteCounter(const TableInfo& table, int column, std::int64_t used) {
    std::string key = winfs::FoldCase(table.name) + '\x1f' + winfs::FoldCase(table.columns[column].name);
    auto it = counters_.find(key);
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
