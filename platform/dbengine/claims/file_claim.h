#pragma once
// Claims on database files that other processes see, as the lock file the
// platform keeps beside every open database: a lock on a companion file named
// like the database with the extension ".ldb", so that it never meets
// SQLite's own locks on the database file (and works where those do: on a
// network share too). An engine object keeps one lock per file, shared by all
// its claims (a second engine in the process keeps its own, as another
// process would); an exclusive claim raises it to a write lock. The companion
// is removed when the last holder lets go of it.
#include <filesystem>
#include <memory>

namespace dao {

class FileClaim;
struct CompanionLocks;

// Released when the last copy goes.
using ClaimRef = std::shared_ptr<FileClaim>;

// The companion locks of one engine object: one per file, shared by all the
// engine's claims on it. Two engines hold their own, as two processes would.
class ClaimRegistry {
public:
    ClaimRegistry();
    ~ClaimRegistry();
    ClaimRegistry(const ClaimRegistry&) = delete;
    ClaimRegistry& operator=(const ClaimRegistry&) = delete;

    // A shared claim: 3045 while another holder has the file exclusively.
    ClaimRef Shared(const std::filesystem::path& database);
    // An exclusive claim: 3045 while another holder has any claim on the file.
    ClaimRef Exclusive(const std::filesystem::path& database);

private:
    ClaimRef Claim(const std::filesystem::path& database, bool exclusive);
    std::shared_ptr<CompanionLocks> locks_;   // shared with the claims, which may outlive the engine
};

// The companion file of a database ("x.mdb" -> "x.ldb").
std::filesystem::path CompanionOf(const std::filesystem::path& database);

} // namespace dao
