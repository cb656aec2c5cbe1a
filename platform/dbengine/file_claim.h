#pragma once
// Claims on database files that other processes see, as the lock file the
// platform keeps beside every open database: a lock on a companion file named
// like the database with the extension ".ldb", so that it never meets
// SQLite's own locks on the database file (and works where those do: on a
// network share too). A process keeps one lock per file, shared by all its
// claims; an exclusive claim of the process raises it to a write lock. The
// companion is removed when the last process lets go of it.
#include <filesystem>
#include <memory>

namespace dao {

class FileClaim;

// Released when the last copy goes.
using ClaimRef = std::shared_ptr<FileClaim>;

// A shared claim: 3045 while another process holds the file exclusively.
ClaimRef ClaimShared(const std::filesystem::path& database);

// An exclusive claim: 3045 while another process holds any claim on the file.
ClaimRef ClaimExclusive(const std::filesystem::path& database);

// The companion file of a database ("x.mdb" -> "x.ldb").
std::filesystem::path CompanionOf(const std::filesystem::path& database);

} // namespace dao
