// Statements of the engine's subset on a new scratch database each time, so
// that one input never sees what another created.
#include "fuzz_entries.h"
#include "fuzz_scratch.h"

#include "dbengine/engine.h"
#include "winfs/runtime_error.h"

namespace fuzz {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kMaxStatements = 32;

void RemoveDatabase(const fs::path& file) {
    std::error_code ec;
    for (const char* suffix : {"", "-journal", "-wal", "-shm"}) fs::remove(file.string() + suffix, ec);
    fs::path claim = file;
    fs::remove(claim.replace_extension(".ldb"), ec);
}

} // namespace

int FuzzExecute(const std::uint8_t* data, std::size_t size) {
    const fs::path file = ScratchDrives() / "execute" / "scratch.mdb";
    fs::create_directories(file.parent_path());
    RemoveDatabase(file);
    {
        dao::DBEngine engine;
        try {
            auto database = engine.CreateDatabase(file.string());
            for (const std::string& statement : Lines(AsText(data, size), kMaxStatements)) {
                try {
                    database->Execute(statement);
                } catch (const vb::RuntimeError&) {
                    // A refused statement; the next one runs all the same.
                }
            }
            database->Close();
        } catch (const vb::RuntimeError&) {
            // The commit itself was refused.
        }
    }
    RemoveDatabase(file);
    return 0;
}

} // namespace fuzz
