// Times the engine's CompactDatabase against SQLite's own VACUUM INTO on the
// same database file, in the same run.
//
// The database (about 100 MB by default) is made by the engine and filled
// straight through SQLite with rows of texts, numbers, dates and notes; every
// tenth row is then deleted, so the file holds free pages scattered through
// it, as a database does after a season of work. Each repeat compacts it both
// ways into fresh files, the two ways taking turns at going first.
//
// Usage: bench_compaction [megabytes=100] [repeats=5] [folder]
// Prints the best time of each way, the sizes, and last "ratio=X.XX"
// (engine / VACUUM INTO).
#include <sqlite3.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>

#include "dbengine/engine.h"
#include "winfs/runtime_error.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const char* const kTable =
    "CREATE TABLE [clienti] ([codice] TEXT(10) NOT NULL, [ragione sociale] TEXT(60), [indirizzo] TEXT(60), "
    "[città] TEXT(40), [cap] TEXT(5), [pr] TEXT(2), [partita iva] TEXT(16), [telefono] TEXT(20), "
    "[fido] CURRENCY, [sconto%] DOUBLE, [zona] LONG, [ultimo ordine] DATETIME, [attivo] YESNO, [note] MEMO, "
    "CONSTRAINT [pk_clienti] PRIMARY KEY ([codice]))";

void Check(int rc, sqlite3* db, const char* what) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw std::runtime_error(std::string(what) + ": " + sqlite3_errmsg(db));
}

void Exec(sqlite3* db, const char* sql) { Check(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), db, sql); }

// A new database file holding the empty table, made by the engine.
void MakeDatabase(const fs::path& path) {
    dao::DBEngine engine;
    auto db = engine.CreateDatabase(path.string());
    db->Execute(kTable);
    db->Close();
}

// Fills the table until the file reaches megabytes, then deletes every tenth row.
long long Fill(const fs::path& path, long long megabytes) {
    sqlite3* db = nullptr;
    Check(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr), db, "open");
    sqlite3_stmt* insert = nullptr;
    Check(sqlite3_prepare_v2(db,
                             "INSERT INTO clienti (codice, \"ragione sociale\", indirizzo, \"città\", cap, pr, "
                             "\"partita iva\", telefono, fido, \"sconto%\", zona, \"ultimo ordine\", attivo, note) "
                             "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14)",
                             -1, &insert, nullptr),
          db, "prepare");
    unsigned seed = 2005;
    auto next = [&] { seed = seed * 1103515245u + 12345u; return (seed >> 8) & 0xffffff; };
    const std::string noteText =
        "Cliente storico della zona, consegna al mattino, telefonare prima. Pagamento a 60 giorni data fattura; "
        "sconto concordato sul listino dell'anno, con riserva di revisione a fine stagione. ";
    long long rows = 0;
    const auto target = static_cast<std::uintmax_t>(megabytes) * 1024 * 1024;
    while (true) {
        Exec(db, "BEGIN");
        for (int i = 0; i < 20000; ++i, ++rows) {
            char code[24];
            std::snprintf(code, sizeof code, "C%09lld", rows);
            const std::string name = "Ditta " + std::to_string(next()) + " di Rossi & figli s.n.c.";
            const std::string street = "Via della Repubblica " + std::to_string(next() % 300);
            const std::string note = noteText.substr(0, 60 + next() % (noteText.size() - 60));
            sqlite3_bind_text(insert, 1, code, -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(insert, 2, name.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(insert, 3, street.c_str(), -1, SQLITE_TRANSIENT);
            sqlite3_bind_text(insert, 4, rows % 2 ? "Città di Castello" : "Forlì", -1, SQLITE_STATIC);
            sqlite3_bind_text(insert, 5, "06012", -1, SQLITE_STATIC);
            sqlite3_bind_text(insert, 6, "PG", -1, SQLITE_STATIC);
            sqlite3_bind_text(insert, 7, "01234567890", -1, SQLITE_STATIC);
            sqlite3_bind_text(insert, 8, "075 8521234", -1, SQLITE_STATIC);
            sqlite3_bind_int64(insert, 9, static_cast<sqlite3_int64>(next() % 100000000));
            sqlite3_bind_double(insert, 10, (next() % 2000) / 100.0);
            sqlite3_bind_int64(insert, 11, next() % 40);
            sqlite3_bind_double(insert, 12, 38000.0 + next() % 4000);
            sqlite3_bind_int(insert, 13, rows % 5 ? -1 : 0);
            if (rows % 3) sqlite3_bind_text(insert, 14, note.c_str(), -1, SQLITE_TRANSIENT);
            else sqlite3_bind_null(insert, 14);
            Check(sqlite3_step(insert), db, "insert");
            sqlite3_reset(insert);
        }
        Exec(db, "COMMIT");
        if (fs::file_size(path) >= target) break;
    }
    sqlite3_finalize(insert);
    Exec(db, "DELETE FROM clienti WHERE rowid % 10 = 0");
    sqlite3_close(db);
    return rows - rows / 10;
}

double CompactWithEngine(const fs::path& src, const fs::path& dst) {
    fs::remove(dst);
    const auto start = Clock::now();
    dao::DBEngine engine;
    engine.CompactDatabase(src.string(), dst.string());
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double VacuumInto(const fs::path& src, const fs::path& dst) {
    fs::remove(dst);
    const auto start = Clock::now();
    sqlite3* db = nullptr;
    Check(sqlite3_open_v2(src.c_str(), &db, SQLITE_OPEN_READONLY, nullptr), db, "open");
    sqlite3_stmt* vacuum = nullptr;
    Check(sqlite3_prepare_v2(db, "VACUUM INTO ?1", -1, &vacuum, nullptr), db, "prepare");
    sqlite3_bind_text(vacuum, 1, dst.c_str(), -1, SQLITE_TRANSIENT);
    Check(sqlite3_step(vacuum), db, "vacuum into");
    sqlite3_finalize(vacuum);
    sqlite3_close(db);
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// What the compaction window adds before it deletes a database: the copy on the disk.
double Sync(const fs::path& file) {
    const auto start = Clock::now();
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double Megabytes(const fs::path& file) { return static_cast<double>(fs::file_size(file)) / (1024.0 * 1024.0); }

} // namespace

int main(int argc, char** argv) {
    const long long megabytes = argc > 1 ? std::max(1LL, std::atoll(argv[1])) : 100;
    const int repeats = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const fs::path folder =
        argc > 3 ? fs::path(argv[3]) : fs::temp_directory_path() / ("bench_compaction-" + std::to_string(::getpid()));
    try {
        fs::create_directories(folder);
        const fs::path source = folder / "vantorima7.mdb";
        const fs::path byEngine = folder / "vantorima7save.mdb";
        const fs::path bySqlite = folder / "vacuum_into.mdb";
        fs::remove(source);
        MakeDatabase(source);
        const long long rows = Fill(source, megabytes);
        std::printf("database: %.1f MB, %lld rows, every tenth row deleted\n", Megabytes(source), rows);

        double bestEngine = 1e300, bestSqlite = 1e300, sync = 0;
        for (int r = 0; r < repeats; ++r) {
            double engine = 0, sqlite = 0;
            if (r % 2 == 0) {
                engine = CompactWithEngine(source, byEngine);
                sync = std::max(sync, Sync(byEngine));
                sqlite = VacuumInto(source, bySqlite);
            } else {
                sqlite = VacuumInto(source, bySqlite);
                engine = CompactWithEngine(source, byEngine);
                sync = std::max(sync, Sync(byEngine));
            }
            std::printf("repeat %d: engine CompactDatabase %.3f s, VACUUM INTO %.3f s\n", r + 1, engine, sqlite);
            bestEngine = std::min(bestEngine, engine);
            bestSqlite = std::min(bestSqlite, sqlite);
        }
        std::printf("compacted: engine %.1f MB, VACUUM INTO %.1f MB\n", Megabytes(byEngine), Megabytes(bySqlite));
        std::printf("best of %d: engine CompactDatabase %.3f s, VACUUM INTO %.3f s\n", repeats, bestEngine,
                    bestSqlite);
        std::printf("slowest sync of the engine's copy, which the compaction window adds: %.3f s\n", sync);
        fs::remove(source);
        fs::remove(byEngine);
        fs::remove(bySqlite);
        if (argc <= 3) fs::remove(folder);
        std::printf("ratio=%.2f\n", bestEngine / bestSqlite);
    } catch (const vb::RuntimeError& error) {
        std::fprintf(stderr, "bench_compaction: error %d: %s\n", error.Number(), error.Description().c_str());
        return 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "bench_compaction: %s\n", error.what());
        return 1;
    }
    return 0;
}
