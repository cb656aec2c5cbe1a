#pragma once
// Internal: what a Recordset walks, one per storage format (the engine's own
// files, read-only Access files). The Recordset keeps the position; the
// backend gives the rows, the fields and the writes.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "dbengine/values/variant.h"

namespace dao {

class RecordsetBackend {
public:
    virtual ~RecordsetBackend() = default;

    virtual std::int64_t Count() const = 0;
    virtual int FieldCount() const = 0;
    virtual const std::string& FieldName(int index) const = 0;
    virtual VarType FieldType(int index) const = 0;
    virtual const std::string& TableName() const = 0;

    // The value of a field in the row at pos (or in the row being written).
    virtual Variant Value(int index) = 0;
    // The same into an existing value (a backend may keep its text buffer).
    // Defined apart, so that callers do not guess at it before calling the backend's own.
    virtual void ValueInto(int index, Variant& out);
    virtual void SetValue(int index, const Variant& value) = 0;
    virtual void AddNew() = 0;
    virtual void Edit() = 0;
    virtual void Update() = 0;
    virtual bool Writing() const = 0;     // between AddNew/Edit and Update
    virtual void Leave() = 0;             // drops the row being written
    // Rows read ahead are dropped: the next read sees the file as it is then.
    virtual void ReleaseRead() noexcept {}

    // The field of a name without regard to case; missing: 3265.
    int FieldIndex(std::string_view name);
    // The same, -1 when missing.
    int FindFieldIndex(std::string_view name);

    std::int64_t pos = 0;                 // -1 BOF, Count() EOF

protected:
    virtual int FindField(std::string_view name) const = 0;   // -1 when missing

private:
    struct StringHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view s) const noexcept { return std::hash<std::string_view>{}(s); }
    };
    // Names as the program spells them: most lookups skip folding. A copy loop
    // finds its fields once per binding (Fields::Find), so a map is enough.
    std::unordered_map<std::string, int, StringHash, std::equal_to<>> spellings_;
};

} // namespace dao
