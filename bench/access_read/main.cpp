// Reads every value of every table of an Access file through the engine and
// compares with mdb-export writing the same tables as CSV, each repeated until
// it has run for at least a second; the ratio compares the time of one pass.
// Usage: bench_access_read [file=../shared/testdata/jet/nwind.mdb] [seconds=1]
// Prints both times, the passes, and last "ratio=X.XX" (engine / mdb-export).
#include "dbengine/access_reader/libmdb.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "dbengine/data_control.h"
#include "dbengine/engine.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point since) { return std::chrono::duration<double>(Clock::now() - since).count(); }

std::vector<std::string> UserTables(const std::string& file) {
    std::vector<std::string> names;
    MdbHandle* mdb = mdb_open(file.c_str(), MDB_NOFLAGS);
    if (!mdb || !mdb_read_catalog(mdb, MDB_TABLE)) return names;
    for (unsigned i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (mdb_is_user_table(entry)) names.emplace_back(entry->object_name);
    }
    mdb_close(mdb);
    return names;
}

bool ExportAll(const std::string& file, const std::vector<std::string>& tables) {
    for (const auto& table : tables) {
        const std::string command = "mdb-export '" + file + "' '" + table + "' > /dev/null";
        if (std::system(command.c_str()) != 0) return false;
    }
    return true;
}

long long ReadAll(dao::DBEngine& engine, const std::string& file, const std::vector<std::string>& tables) {
    long long values = 0;
    for (const auto& table : tables) {
        dao::DataControl control(engine);
        control.SetDatabaseName(file);
        control.SetRecordSource(table);
        control.Refresh();
        auto& rs = control.GetRecordset();
        const int fields = rs.Fields().Count();
        for (; !rs.AtEOF(); rs.MoveNext())
            for (int f = 0; f < fields; ++f) values += !rs.Fields(f).Value().IsNull();
    }
    return values;
}

} // namespace

int main(int argc, char** argv) {
    const std::string file = argc > 1 ? argv[1] : std::string(SOURCE_DIR) + "/../shared/testdata/jet/nwind.mdb";
    const double minimum = argc > 2 ? std::atof(argv[2]) : 1.0;
    if (!std::filesystem::exists(file)) {
        std::fprintf(stderr, "missing %s\n", file.c_str());
        return 1;
    }
    const auto tables = UserTables(file);
    int passes = 0;
    const auto exportStart = Clock::now();
    while (Seconds(exportStart) < minimum) {
        if (!ExportAll(file, tables)) {
            std::fprintf(stderr, "mdb-export failed\n");
            return 1;
        }
        ++passes;
    }
    const double exportTime = Seconds(exportStart);

    dao::DBEngine engine;
    long long values = 0;
    int enginePasses = 0;
    const auto engineStart = Clock::now();
    for (; Seconds(engineStart) < minimum; ++enginePasses) values = ReadAll(engine, file, tables);
    const double engineTime = Seconds(engineStart);

    const double exportPass = exportTime / passes, enginePass = engineTime / enginePasses;
    std::printf("tables=%zu values per pass=%lld\n", tables.size(), values);
    std::printf("mdb-export %d passes, %.2f ms each; engine %d passes, %.2f ms each\n", passes, 1000 * exportPass,
                enginePasses, 1000 * enginePass);
    std::printf("ratio=%.2f\n", enginePass / exportPass);
    return 0;
}
