#include "run/data_bindings.h"

namespace conversione {

DataBindings::DataBindings(dao::DBEngine& engine) : source_(engine), target_(engine) {
    source_.SetReadOnly(true);
}

void DataBindings::BindSource(const std::string& fileName, const std::string& table) {
    side_ = BindingSide::Source;
    source_.SetDatabaseName(fileName);
    source_.SetRecordSource(table);
    source_.Refresh();
}

void DataBindings::RebindSource() {
    side_ = BindingSide::Source;
    source_.Refresh();
}

void DataBindings::BindTarget(const std::string& fileName, const std::string& table) {
    side_ = BindingSide::Target;
    target_.SetDatabaseName(fileName);
    target_.SetRecordSource(table);
    target_.Refresh();
}

} // namespace conversione
