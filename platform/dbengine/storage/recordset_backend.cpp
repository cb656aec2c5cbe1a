#include "dbengine/storage/recordset_backend.h"

#include "dbengine/values/errors.h"

namespace dao {

void RecordsetBackend::ValueInto(int index, Variant& out) { out = Value(index); }

int RecordsetBackend::FindFieldIndex(std::string_view name) {
    if (auto it = spellings_.find(name); it != spellings_.end()) return it->second;
    const int index = FindField(name);
    if (index >= 0) spellings_.emplace(std::string(name), index);
    return index;
}

int RecordsetBackend::FieldIndex(std::string_view name) {
    const int index = FindFieldIndex(name);
    if (index < 0) Raise(kFieldNotFound, std::string(name));
    return index;
}

} // namespace dao
