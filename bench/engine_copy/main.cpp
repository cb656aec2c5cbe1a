// Copies a table of 20 fields (texts, longs, doubles, dates, a currency, a
// Yes/No, Nulls) from one database file to another three ways and compares:
//   1. row at a time through two data controls (AddNew, values, Update,
//      MoveNext), as every table converter does: each field found once per
//      binding, values read into buffers kept from row to row;
//   2. the same with every field looked up by name at every row, as callers of
//      Fields("name") do;
//   3. one INSERT INTO ... SELECT over ATTACH in one transaction;
//   4. a raw prepared-statement insert loop in one transaction.
// Usage: bench_engine_copy [rows=200000] [repeats=3] [folder]
// Prints the best time of each way, the ratios, and last "ratio=X.XX"
// (row at a time as the converters copy / raw loop).
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "dbengine/data_control.h"
#include "dbengine/engine.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const char* const kTable =
    "CREATE TABLE [articoli] ([codice] TEXT(20) NOT NULL, [descrizione] TEXT(60), [descrizione 2] TEXT(60), "
    "[unità] TEXT(5), [note] MEMO, [categoria] TEXT(10), [id tabella] LONG, [giacenza] LONG, [scorta] LONG, "
    "[fornitore] LONG, [reparto] LONG, [prezzo] DOUBLE, [costo] DOUBLE, [provv%] DOUBLE, [peso] DOUBLE, "
    "[data creazione] DATETIME, [data modifica] DATETIME, [ultimo carico] DATETIME, [listino] CURRENCY, "
    "[attivo] YESNO, CONSTRAINT [pk] PRIMARY KEY ([codice]))";

const std::vector<std::string> kFields = {
    "codice", "descrizione", "descrizione 2", "unità", "note", "categoria", "id tabella", "giacenza",
    "scorta", "fornitore", "reparto", "prezzo", "costo", "provv%", "peso", "data creazione",
    "data modifica", "ultimo carico", "listino", "attivo"};

void Check(int rc, sqlite3* db, const char* what) {
    if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW)
        throw std::runtime_error(std::string(what) + ": " + sqlite3_errmsg(db));
}

sqlite3* OpenRaw(const fs::path& path) {
    sqlite3* db = nullptr;
    Check(sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr), db, "open");
    return db;
}

void Exec(sqlite3* db, const std::string& sql) { Check(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), db, sql.c_str()); }

std::string ColumnList() {
    std::string list;
    for (const auto& f : kFields) list += (list.empty() ? "\"" : ", \"") + f + "\"";
    return list;
}

// A new database file holding the empty table, made by the engine.
void MakeDatabase(const fs::path& path) {
    fs::remove(path);
    dao::DBEngine engine;
    auto db = engine.CreateDatabase(path.string());
    db->Execute(kTable);
}

// Fills the source with rows, straight through SQLite in the engine's storage form.
void FillSource(const fs::path& path, int rows) {
    sqlite3* db = OpenRaw(path);
    Exec(db, "BEGIN");
    std::string params;
    for (std::size_t i = 0; i < kFields.size(); ++i) params += i ? ", ?" : "?";
    sqlite3_stmt* stmt = nullptr;
    Check(sqlite3_prepare_v2(db, ("INSERT INTO articoli (" + ColumnList() + ") VALUES (" + params + ")").c_str(), -1, &stmt, nullptr), db, "prepare");
    unsigned seed = 12345;
    auto next = [&] { seed = seed * 1103515245u + 12345u; return (seed >> 8) & 0xffffff; };
    for (int r = 0; r < rows; ++r) {
        char code[32];
        std::snprintf(code, sizeof code, "ART%08d", r);
        std::string description = "Articolo di prova numero " + std::to_string(r) + " in magazzino";
        sqlite3_bind_text(stmt, 1, code, -1, SQLITE_TRANSIENT);
        sqlite3_bind_text(stmt, 2, description.c_str(), -1, SQLITE_TRANSIENT);
        if (r % 3) sqlite3_bind_text(stmt, 3, "seconda riga descrittiva", -1, SQLITE_STATIC); else sqlite3_bind_null(stmt, 3);
        sqlite3_bind_text(stmt, 4, r % 2 ? "pz" : "kg", -1, SQLITE_STATIC);
        if (r % 5 == 0) sqlite3_bind_text(stmt, 5, "Nota lunga sull'articolo, con accenti: più, già, perché.", -1, SQLITE_STATIC);
        else sqlite3_bind_null(stmt, 5);
        sqlite3_bind_text(stmt, 6, "CAT" , -1, SQLITE_STATIC);
        sqlite3_bind_int64(stmt, 7, r);
        sqlite3_bind_int64(stmt, 8, next() % 1000);
        if (r % 4) sqlite3_bind_int64(stmt, 9, next() % 100); else sqlite3_bind_null(stmt, 9);
        sqlite3_bind_int64(stmt, 10, next() % 5000);
        sqlite3_bind_int64(stmt, 11, r % 17);
        sqlite3_bind_double(stmt, 12, (next() % 100000) / 100.0);
        sqlite3_bind_double(stmt, 13, (next() % 100000) / 100.0);
        if (r % 7) sqlite3_bind_double(stmt, 14, 2.5); else sqlite3_bind_null(stmt, 14);
        sqlite3_bind_double(stmt, 15, (next() % 10000) / 1000.0);
        sqlite3_bind_double(stmt, 16, 36526.0 + r % 9000);
        sqlite3_bind_double(stmt, 17, 40000.5 + r % 3000);
        if (r % 2) sqlite3_bind_double(stmt, 18, 43000.0 + r % 1000); else sqlite3_bind_null(stmt, 18);
        sqlite3_bind_double(stmt, 19, (next() % 1000000) / 10000.0);
        sqlite3_bind_int(stmt, 20, r % 3 ? -1 : 0);
        Check(sqlite3_step(stmt), db, "insert");
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    Exec(db, "COMMIT");
    sqlite3_close(db);
}

enum class Lookup { OncePerBinding, ByNameEveryRow };

// 1. and 2. Row at a time through two data controls.
void CopyThroughDataControls(const fs::path& source, const fs::path& target, Lookup lookup) {
    dao::DBEngine engine;
    dao::DataControl data1(engine), data2(engine);
    data1.SetDatabaseName(source.string());
    data1.SetRecordSource("articoli");
    data1.Refresh();
    if (data1.GetRecordset().RecordCount() == 0) return;
    data1.GetRecordset().MoveLast();
    data2.SetDatabaseName(target.string());
    data2.SetRecordSource("ARTICOLI");
    data2.Refresh();
    const int count = data1.GetRecordset().RecordCount();
    data1.Refresh();
    auto& in = data1.GetRecordset();
    auto& out = data2.GetRecordset();
    if (lookup == Lookup::ByNameEveryRow) {
        for (int answer = 1; answer <= count; ++answer) {
            out.AddNew();
            for (const auto& field : kFields) out.Fields(field).SetValue(in.Fields(field).Value());
            out.Update();
            in.MoveNext();
        }
        return;
    }
    std::vector<std::pair<dao::Field*, dao::Field*>> pairs;   // (source, target)
    for (const auto& field : kFields) pairs.emplace_back(in.Fields().Find(field), out.Fields().Find(field));
    dao::Variant value;
    for (int answer = 1; answer <= count; ++answer) {
        out.AddNew();
        for (auto& [from, to] : pairs) {
            from->ValueInto(value);
            to->SetValue(value);
        }
        out.Update();
        in.MoveNext();
    }
}   // the data controls end here: what they wrote is committed

// 2. One statement over ATTACH.
void CopyWithInsertSelect(const fs::path& source, const fs::path& target) {
    sqlite3* db = OpenRaw(target);
    sqlite3_stmt* attach = nullptr;
    Check(sqlite3_prepare_v2(db, "ATTACH DATABASE ?1 AS src", -1, &attach, nullptr), db, "attach");
    sqlite3_bind_text(attach, 1, source.c_str(), -1, SQLITE_TRANSIENT);
    Check(sqlite3_step(attach), db, "attach");
    sqlite3_finalize(attach);
    Exec(db, "BEGIN");
    Exec(db, "INSERT INTO main.articoli (" + ColumnList() + ") SELECT " + ColumnList() + " FROM src.articoli");
    Exec(db, "COMMIT");
    Exec(db, "DETACH DATABASE src");
    sqlite3_close(db);
}

// 3. A raw prepared-statement loop in one transaction, source and target on their own connections.
void CopyWithRawLoop(const fs::path& source, const fs::path& target) {
    sqlite3* in = OpenRaw(source);
    sqlite3* out = OpenRaw(target);
    sqlite3_stmt* select = nullptr;
    sqlite3_stmt* insert = nullptr;
    std::string params;
    for (std::size_t i = 0; i < kFields.size(); ++i) params += i ? ", ?" : "?";
    Check(sqlite3_prepare_v2(in, ("SELECT " + ColumnList() + " FROM articoli").c_str(), -1, &select, nullptr), in, "select");
    Check(sqlite3_prepare_v2(out, ("INSERT INTO articoli (" + ColumnList() + ") VALUES (" + params + ")").c_str(), -1, &insert, nullptr), out, "insert");
    Exec(out, "BEGIN");
    const int n = static_cast<int>(kFields.size());
    while (sqlite3_step(select) == SQLITE_ROW) {
        for (int i = 0; i < n; ++i) sqlite3_bind_value(insert, i + 1, sqlite3_column_value(select, i));
        Check(sqlite3_step(insert), out, "insert");
        sqlite3_reset(insert);
    }
    Exec(out, "COMMIT");
    sqlite3_finalize(select);
    sqlite3_finalize(insert);
    sqlite3_close(in);
    sqlite3_close(out);
}

long long CountRows(const fs::path& path) {
    sqlite3* db = OpenRaw(path);
    sqlite3_stmt* stmt = nullptr;
    sqlite3_prepare_v2(db, "SELECT count(*) FROM articoli", -1, &stmt, nullptr);
    sqlite3_step(stmt);
    long long n = sqlite3_column_int64(stmt, 0);
    sqlite3_finalize(stmt);
    sqlite3_close(db);
    return n;
}

template <typename F>
double Time(F&& f) {
    auto start = Clock::now();
    f();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv) {
    const int rows = argc > 1 ? std::atoi(argv[1]) : 200000;
    const int repeats = argc > 2 ? std::max(1, std::atoi(argv[2])) : 3;
    fs::path folder = argc > 3 ? fs::path(argv[3]) : fs::temp_directory_path() / ("bench_engine_copy-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const fs::path source = folder / "sorgente.mdb";
    const fs::path target = folder / "destinazione.mdb";
    try {
        MakeDatabase(source);
        FillSource(source, rows);
        std::printf("rows: %d x %zu fields, source %.1f MB, folder %s, best of %d\n", rows, kFields.size(),
                    fs::file_size(source) / 1e6, folder.c_str(), repeats);
        constexpr int kWays = 4;
        double best[kWays] = {1e9, 1e9, 1e9, 1e9};
        const char* names[kWays] = {"row at a time (data controls)", "the same, fields by name per row",
                                    "INSERT INTO ... SELECT", "raw prepared loop"};
        for (int rep = 0; rep < repeats; ++rep) {
            for (int way = 0; way < kWays; ++way) {
                MakeDatabase(target);
                double t = Time([&] {
                    if (way == 0) CopyThroughDataControls(source, target, Lookup::OncePerBinding);
                    else if (way == 1) CopyThroughDataControls(source, target, Lookup::ByNameEveryRow);
                    else if (way == 2) CopyWithInsertSelect(source, target);
                    else CopyWithRawLoop(source, target);
                });
                if (CountRows(target) != rows) {
                    std::fprintf(stderr, "%s copied %lld rows instead of %d\n", names[way], CountRows(target), rows);
                    return 1;
                }
                best[way] = std::min(best[way], t);
            }
        }
        for (int way = 0; way < kWays; ++way)
            std::printf("%-34s %8.3f s  %9.0f rows/s\n", names[way], best[way], rows / best[way]);
        std::printf("row at a time / INSERT SELECT:   %.2f\n", best[0] / best[2]);
        std::printf("fields by name / raw loop:       %.2f\n", best[1] / best[3]);
        std::printf("row at a time / raw loop:        %.2f\n", best[0] / best[3]);
        fs::remove_all(folder);
        std::printf("ratio=%.2f\n", best[0] / best[3]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "error: %s\n", e.what());
        return 1;
    }
    return 0;
}
