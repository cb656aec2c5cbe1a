#include "dbengine/data_control.h"

#include "dbengine/access/access_file.h"
#include "dbengine/storage/connection.h"
#include "dbengine/engine.h"
#include "dbengine/errors.h"
#include "dbengine/face/open_files.h"
#include "dbengine/storage/recordset_backend.h"
#include "winfs/paths.h"

namespace dao {

DataControl::DataControl(DBEngine& engine, std::string connect)
    : engine_(&engine), connect_(std::move(connect)) {}

DataControl::~DataControl() {
    recordset_.reset();
    if (connection_) connection_->CommitNoThrow();
}

void DataControl::SetDatabaseName(std::string fileName) {
    // The binding changes: what this control wrote is saved now.
    if (connection_ && fileName != databaseName_) connection_->Commit();
    databaseName_ = std::move(fileName);
}

void DataControl::SetRecordSource(std::string table) { recordSource_ = std::move(table); }

void DataControl::Refresh() {
    recordset_.reset();
    // The previous connection is held until the new binding is made: bound
    // again to the same file, the control goes on with it instead of opening
    // the file and reading its schema anew.
    std::shared_ptr<Connection> previous = std::move(connection_);
    connection_.reset();
    if (previous) previous->Commit();
    // Access files are read by their own backend, with no storage connection.
    if (const auto path = winfs::Resolve(databaseName_); IsAccessFile(path)) {
        recordset_.reset(new Recordset(OpenAccessTable(ReadersOf(*engine_), path, recordSource_)));
        return;
    }
    auto connection = engine_->Connect(databaseName_, readOnly_);
    if (lockWait_) connection->SetLockWait(*lockWait_);
    // Counters are numbered from what the file holds at each binding, as on a
    // file opened anew: another program may have added rows meanwhile.
    connection->ForgetCounters();
    recordset_.reset(new Recordset(connection, recordSource_, readOnly_));
    connection_ = std::move(connection);
}

Recordset& DataControl::GetRecordset() {
    if (!recordset_) Raise(kNoCurrentRow, "data control senza recordset");
    return *recordset_;
}

} // namespace dao
