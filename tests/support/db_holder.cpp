// db_holder engine|sqlite <database>
// engine: opens the database through our engine; sqlite: begins a write
// transaction with one row in it, as a foreign program would. Prints "ready",
// waits for a line on stdin, then writes a row into [held_by_holder] (engine)
// or commits (sqlite). Exit status 0 when that row is saved.
#include <sqlite3.h>

#include <iostream>
#include <string>

#include "dbengine/engine.h"

namespace {

int Sql(sqlite3* db, const char* sql) { return sqlite3_exec(db, sql, nullptr, nullptr, nullptr); }

int HoldThroughSqlite(const char* path) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(path, &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) return 2;
    if (Sql(db, "BEGIN IMMEDIATE; CREATE TABLE IF NOT EXISTS held_by_holder (x TEXT);"
                "INSERT INTO held_by_holder VALUES ('held');") != SQLITE_OK)
        return 2;
    std::cout << "ready" << std::endl;
    std::string line;
    std::getline(std::cin, line);
    const int rc = Sql(db, "COMMIT");
    sqlite3_close(db);
    return rc == SQLITE_OK ? 0 : 1;
}

int HoldThroughEngine(const char* path) {
    try {
        auto db = dao::DBEngine::Instance().OpenDatabase(path);
        std::cout << "ready" << std::endl;
        std::string line;
        std::getline(std::cin, line);
        db->Execute("CREATE TABLE [held_by_holder] ([x] TEXT(10))");
        db->Execute("INSERT INTO [held_by_holder] ([x]) VALUES ('held')");
        db->Close();
        return 0;
    } catch (const std::exception&) {
        std::cout << "failed" << std::endl;
        return 1;
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    return std::string(argv[1]) == "sqlite" ? HoldThroughSqlite(argv[2]) : HoldThroughEngine(argv[2]);
}
