#pragma once
// Internal: what the engine knows of the files this program has open, for
// the engine's parts that take hold of a file (engine.cpp, exclusive_use.cpp,
// data_control.cpp).
#include <filesystem>

namespace dao {

class DBEngine;
struct EngineHoldings;
class ReaderPool;

// The claims and exclusive uses of one engine object.
EngineHoldings& HoldingsOf(DBEngine& engine) noexcept;

// The Access readers one engine object keeps between its questions.
ReaderPool& ReadersOf(DBEngine& engine) noexcept;

// Commits this program's pending writes to the file and lets go of its read
// cursors, so that its storage connections hold no lock on it.
void QuietOpenConnections(const std::filesystem::path& path);

} // namespace dao
