#pragma once
// The data control: binds a database file and a table and holds the open recordset.
#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "dbengine/recordset.h"

namespace dao {

class DBEngine;
class Connection;

class DataControl {
public:
    explicit DataControl(DBEngine& engine, std::string connect = "Access 2000;");
    ~DataControl();                      // commits what its recordset wrote
    DataControl(const DataControl&) = delete;
    DataControl& operator=(const DataControl&) = delete;

    const std::string& Connect() const noexcept { return connect_; }
    const std::string& DatabaseName() const noexcept { return databaseName_; }
    const std::string& RecordSource() const noexcept { return recordSource_; }
    void SetDatabaseName(std::string fileName);   // takes effect at the next Refresh
    void SetRecordSource(std::string table);      // takes effect at the next Refresh
    // Read-only: the file is opened so that it is never written, not even to
    // roll back a journal left by a crash (3049 then); AddNew, Edit and Update
    // raise 3027. Takes effect at the next Refresh.
    bool ReadOnly() const noexcept { return readOnly_; }
    void SetReadOnly(bool readOnly) noexcept { readOnly_ = readOnly; }
    // How long this binding's file waits for another program's lock before
    // 3218, instead of the engine's usual wait. Takes effect at the next Refresh.
    void SetLockWait(std::chrono::milliseconds wait) noexcept { lockWait_ = wait; }

    // Commits what the previous binding wrote, opens the file and the table and
    // stands on the first row. 3024 missing file, 3343 not a database, 3078 missing table.
    void Refresh();

    // The open recordset; before the first successful Refresh: 3021.
    Recordset& GetRecordset();

private:
    DBEngine* engine_;
    std::string connect_;
    std::string databaseName_;
    std::string recordSource_;
    bool readOnly_ = false;
    std::optional<std::chrono::milliseconds> lockWait_;
    std::shared_ptr<Connection> connection_;
    std::unique_ptr<Recordset> recordset_;
};

} // namespace dao
