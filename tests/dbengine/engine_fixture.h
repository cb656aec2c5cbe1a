#pragma once
// Shared set-up of the engine tests: a temporary folder, the engine, helpers
// to build a database, to expect an error number and to read a file directly.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dbengine/data_control.h"
#include "dbengine/engine.h"
#include "dbengine/errors.h"
#include "support/temp_dir.h"

namespace dbtest {

// Runs the action and returns the engine error number it raised (0 when none).
inline int ErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const vb::RuntimeError& e) {
        return e.Number();
    }
    return 0;
}

// Reads one number straight from the file with SQLite, bypassing the engine
// (what another program would find on disk).
inline long long QueryFile(const std::string& path, const std::string& sql) {
    sqlite3* db = nullptr;
    long long result = -1;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr) == SQLITE_OK && sqlite3_step(stmt) == SQLITE_ROW)
            result = sqlite3_column_int64(stmt, 0);
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
    return result;
}

// A data control of the engine bound to the table of the file.
inline std::unique_ptr<dao::DataControl> BindTable(dao::DBEngine& engine, const std::string& path,
                                                   const std::string& table) {
    auto control = std::make_unique<dao::DataControl>(engine);
    control->SetDatabaseName(path);
    control->SetRecordSource(table);
    control->Refresh();
    return control;
}

class EngineTest : public ::testing::Test {
protected:
    std::string File(const std::string& name) const { return dir_.file(name); }

    // Creates a database and runs the statements on it.
    std::string MakeDatabase(const std::string& name, const std::vector<std::string>& statements) {
        std::string path = File(name);
        auto db = engine_.CreateDatabase(path);
        for (const auto& s : statements) db->Execute(s);
        db->Close();
        return path;
    }

    std::unique_ptr<dao::DataControl> Bind(const std::string& path, const std::string& table) {
        return BindTable(engine_, path, table);
    }

    testing_support::TempDir dir_;
    dao::DBEngine engine_;
};

} // namespace dbtest
