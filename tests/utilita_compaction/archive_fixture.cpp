#include "utilita_compaction/archive_fixture.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>

#include <sqlite3.h>

#include "dbengine/engine.h"
#include "tools/schema_loader.h"

namespace compaction_testing {

namespace fs = std::filesystem;

ArchiveFolder::ArchiveFolder() {
    if (const char* old = std::getenv("VANTORIMA_DRIVES")) previous_ = old;
    ::setenv("VANTORIMA_DRIVES", drives_.path().c_str(), 1);
    fs::create_directories(Folder());
    fs::create_directories(drives_.path() / "aside");
}

ArchiveFolder::~ArchiveFolder() {
    if (previous_) ::setenv("VANTORIMA_DRIVES", previous_->c_str(), 1);
    else ::unsetenv("VANTORIMA_DRIVES");
}

fs::path ArchiveFolder::Folder() const { return drives_.path() / "c" / "archivi"; }

fs::path ArchiveFolder::Aside(const std::string& name) const { return drives_.path() / "aside" / name; }

void ArchiveFolder::BuildDatabase(const std::string& name, int seed) const {
    const std::string file = std::string(kArchive) + "\\" + name;
    schema::BuildVersion7(file);
    auto db = dao::DBEngine::Instance().OpenDatabase(file);
    const std::string tag = "db" + std::to_string(seed);
    // Rows that are deleted again: their pages stay in the file as free space.
    for (int i = 0; i < 1500; ++i)
        db->Execute("INSERT INTO [tazone] ([codice], [descrizione]) VALUES ('" + std::to_string(i) +
                    "', 'zona da togliere " + tag + " con una descrizione lunga')");
    db->Execute("Delete * from [tazone]");
    for (int i = 0; i < 300; ++i)
        db->Execute("INSERT INTO [tasettmerc] ([codice], [descrizione]) VALUES ('S" + std::to_string(i) +
                    "', 'settore " + std::to_string(i) + " di " + tag + " con l''apostrofo')");
    for (int i = 0; i < 40; ++i)
        db->Execute("INSERT INTO [taaliquote] ([descrizione], [commento], [percentuale], [esente]) VALUES ('IVA" +
                    std::to_string(i) + "', " + (i % 3 ? "'aliquota " + tag + "'" : std::string("NULL")) + ", " +
                    std::to_string(seed * 100 + i) + ".25, " + (i % 2 ? "TRUE" : "FALSE") + ")");
    db->Close();
}

void ArchiveFolder::Write(const std::string& name, const std::string& bytes) const {
    std::ofstream(Host(name), std::ios::binary) << bytes;
}

std::set<std::string> ArchiveFolder::Names() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(Folder())) names.insert(entry.path().filename().string());
    return names;
}

std::string ArchiveFolder::Bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TableRows ArchiveFolder::Rows(const fs::path& file) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(db);
        throw std::runtime_error("cannot open " + file.string());
    }
    auto query = [&](const std::string& sql, auto&& onRow) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db));
        while (sqlite3_step(stmt) == SQLITE_ROW) onRow(stmt);
        sqlite3_finalize(stmt);
    };
    std::vector<std::string> tables;
    query("SELECT name FROM sqlite_master WHERE type='table' ORDER BY name", [&](sqlite3_stmt* s) {
        tables.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(s, 0)));
    });
    TableRows rows;
    for (const auto& table : tables) {
        auto& out = rows[table];
        query("SELECT * FROM \"" + table + "\" ORDER BY rowid", [&](sqlite3_stmt* s) {
            std::ostringstream row;
            for (int c = 0; c < sqlite3_column_count(s); ++c) {
                row << sqlite3_column_type(s, c) << ':';
                if (const unsigned char* text = sqlite3_column_text(s, c)) row << text;
                row << '|';
            }
            out.push_back(row.str());
        });
    }
    sqlite3_close(db);
    return rows;
}

} // namespace compaction_testing
