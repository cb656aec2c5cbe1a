#include "dbengine/engine.h"

#include <exception>
#include <map>
#include <mutex>
#include <optional>

#include "dbengine/access/access_file.h"
#include "dbengine/access/reader_supervisor.h"
#include "dbengine/storage/connection.h"
#include "dbengine/claims/engine_holdings.h"
#include "dbengine/errors.h"
#include "dbengine/exclusive_use.h"
#include "dbengine/face/open_files.h"
#include "winfs/error_numbers.h"
#include "winfs/files.h"
#include "winfs/paths.h"
#include "winfs/runtime_error.h"

namespace dao {

namespace {

// The open files of the program, shared by every engine object so that no two
// storage connections of one program ever wait on each other. A file has at
// most one read-write and one read-only connection, paired to keep in step.
struct Registry {
    using Key = std::pair<std::string, bool>;   // path, read-only
    std::mutex mutex;
    std::map<Key, std::weak_ptr<Connection>> open;

    static Registry& Get() {
        static Registry registry;
        return registry;
    }

    static std::string PathKey(const std::filesystem::path& path) {
        std::error_code ec;
        auto canonical = std::filesystem::weakly_canonical(path, ec);
        return (ec ? path : canonical).string();
    }

    std::shared_ptr<Connection> FindLocked(const Key& key) {
        auto it = open.find(key);
        if (it == open.end()) return nullptr;
        auto connection = it->second.lock();
        if (!connection || !connection->StillTheFile()) {
            // Gone, or the file was replaced: whoever still holds the old
            // connection keeps it; new bindings open the file anew.
            if (connection) {
                connection->CommitNoThrow();
                connection->Unpair();
            }
            open.erase(it);
            return nullptr;
        }
        return connection;
    }

    std::shared_ptr<Connection> Find(const std::filesystem::path& path, bool readOnly) {
        std::lock_guard lock(mutex);
        return FindLocked({PathKey(path), readOnly});
    }

    void Add(const std::filesystem::path& path, bool readOnly, const std::shared_ptr<Connection>& connection) {
        std::lock_guard lock(mutex);
        for (auto it = open.begin(); it != open.end();) {
            if (it->second.expired()) it = open.erase(it);
            else ++it;
        }
        const std::string key = PathKey(path);
        open[{key, readOnly}] = connection;
        if (auto other = FindLocked({key, !readOnly})) Connection::Pair(*connection, *other);
    }

    std::vector<std::shared_ptr<Connection>> All() {
        std::lock_guard lock(mutex);
        std::vector<std::shared_ptr<Connection>> out;
        for (auto& [key, weak] : open)
            if (auto c = weak.lock()) out.push_back(std::move(c));
        return out;
    }
};

// The connection handed out keeps the engine's shared claim on the file
// alive; the claim goes after the connection is closed.
std::shared_ptr<Connection> WithClaim(std::shared_ptr<Connection> connection, ClaimRef claim) {
    struct Held {
        ClaimRef claim;
        std::shared_ptr<Connection> connection;
    };
    auto held = std::make_shared<Held>(Held{std::move(claim), std::move(connection)});
    return std::shared_ptr<Connection>(held, held->connection.get());
}

} // namespace

void QuietOpenConnections(const std::filesystem::path& path) {
    for (bool readOnly : {false, true}) {
        if (auto connection = Registry::Get().Find(path, readOnly)) {
            connection->Commit();
            connection->ReleaseCursors();
        }
    }
}

// --- Database -----------------------------------------------------------------

Database::Database(std::shared_ptr<Connection> connection, std::string name)
    : connection_(std::move(connection)), name_(std::move(name)) {}

Database::~Database() {
    if (connection_) connection_->CommitNoThrow();
}

void Database::Execute(const std::string& statement) {
    if (accessFile_) Raise(kReadOnly, name_);
    if (!connection_) Raise(kInvalidObject, name_);
    connection_->Execute(statement);
}

void Database::Close() {
    if (!connection_) return;
    auto connection = std::move(connection_);
    connection_.reset();
    connection->Commit();
}

bool Database::ReadOnly() const { return accessFile_ || (connection_ && connection_->ReadOnly()); }

// --- DBEngine -----------------------------------------------------------------

struct DBEngine::Impl {
    EngineHoldings holdings;
    ReaderPool readers;   // the Access readers kept between questions
    std::optional<std::chrono::milliseconds> lockWait;

    // A connection just opened, with this engine's wait and its claim.
    std::shared_ptr<Connection> Opened(std::shared_ptr<Connection> connection, ClaimRef claim) const {
        if (lockWait) connection->SetLockWait(*lockWait);
        return WithClaim(std::move(connection), std::move(claim));
    }
};

// The registry is made before any engine, so that it outlives them all
// (static objects end in the reverse order of their making).
DBEngine::DBEngine() : impl_(std::make_unique<Impl>()) { Registry::Get(); }

DBEngine::~DBEngine() {
    for (auto& connection : Registry::Get().All()) connection->CommitNoThrow();
}

DBEngine& DBEngine::Instance() {
    static DBEngine engine;
    return engine;
}

std::shared_ptr<Connection> DBEngine::Connect(const std::string& fileName, bool readOnly) {
    auto path = winfs::Resolve(fileName);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) Raise(kFileNotFound, fileName);
    auto& registry = Registry::Get();
    if (auto connection = registry.Find(path, readOnly)) return connection;
    if (readOnly) {
        // What this program wrote to the file is committed first, so that the
        // new connection's first read (the schema) sees it.
        if (auto writer = registry.Find(path, false)) writer->Commit();
    }
    auto claim = impl_->holdings.claims.Shared(path);
    auto connection = impl_->Opened(Connection::Open(path, readOnly), std::move(claim));
    registry.Add(path, readOnly, connection);
    return connection;
}

std::unique_ptr<Database> DBEngine::OpenDatabase(const std::string& fileName) {
    const auto path = winfs::Resolve(fileName);
    if (IsAccessFile(path)) {
        CheckAccessFile(impl_->readers, path);
        std::unique_ptr<Database> database(new Database(nullptr, fileName));
        database->accessFile_ = true;
        return database;
    }
    return std::unique_ptr<Database>(new Database(Connect(fileName), fileName));
}

std::unique_ptr<Database> DBEngine::CreateDatabase(const std::string& fileName) {
    auto path = winfs::Resolve(fileName);
    auto claim = impl_->holdings.claims.Shared(path);
    auto connection = impl_->Opened(Connection::Create(path), std::move(claim));
    Registry::Get().Add(path, false, connection);
    return std::unique_ptr<Database>(new Database(std::move(connection), fileName));
}

void DBEngine::CompactDatabase(const std::string& src, const std::string& dst) {
    auto from = winfs::Resolve(src);
    auto to = winfs::Resolve(dst);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(from, ec)) Raise(kFileNotFound, src);
    if (IsAccessFile(from)) Raise(kReadOnly, src);
    if (std::filesystem::exists(to, ec)) Raise(kCompactTargetExists, dst);
    if (to.has_parent_path() && !std::filesystem::is_directory(to.parent_path(), ec)) Raise(kInvalidPath, dst);
    // Under this engine's exclusive use of the source: the one it holds
    // already, or one for the compaction alone.
    const ExclusiveUse* use = impl_->holdings.exclusiveUses.On(from);
    std::optional<ExclusiveUse> own;
    if (!use) use = &own.emplace(*this, src);
    use->CompactInto(to);
}

void DBEngine::CommitAll() {
    std::exception_ptr first;
    for (auto& connection : Registry::Get().All()) {
        try {
            connection->Commit();
        } catch (...) {
            if (!first) first = std::current_exception();
        }
    }
    if (first) std::rethrow_exception(first);
}

EngineHoldings& HoldingsOf(DBEngine& engine) noexcept { return engine.impl_->holdings; }

ReaderPool& ReadersOf(DBEngine& engine) noexcept { return engine.impl_->readers; }

void DBEngine::SetLockWait(std::chrono::milliseconds wait) noexcept { impl_->lockWait = wait; }

void DBEngine::SettleReplacedFile(const std::string& fileName) {
    try {
        winfs::DeleteFile(fileName + "-journal");
    } catch (const vb::RuntimeError& error) {
        if (error.Number() != vb::kFileNotFound) throw;
    }
}

} // namespace dao
