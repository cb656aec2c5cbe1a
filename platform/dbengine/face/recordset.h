#pragma once
// A table's rows as a recordset: walked in storage order, written through
// AddNew/Edit and Update.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "dbengine/variant.h"

namespace dao {

class Connection;
class Recordset;
class RecordsetBackend;

class Field {
public:
    const std::string& Name() const;     // as stored in the schema
    Variant Value() const;               // current row, or the pending new/edited row; no current row: 3021
    void ValueInto(Variant& out) const;  // the same into out, reusing its text buffer (no allocation per row)
    void SetValue(const Variant& value); // only between AddNew/Edit and Update; converts by the field type or 3421/3163
    VarType Type() const;

private:
    friend class Recordset;
    Field(Recordset& owner, int index) : owner_(&owner), index_(index) {}
    Recordset* owner_;
    int index_;
};

class Fields {
public:
    int Count() const;
    Field& operator[](int index);                 // from 0; out of range: 3265
    Field& operator[](std::string_view name);     // without regard to letter case; missing: 3265
    // The same, null when missing: a copy loop resolves its names once per
    // binding (a Field stays valid as long as its recordset).
    Field* Find(std::string_view name);

private:
    friend class Recordset;
    explicit Fields(Recordset& owner) : owner_(&owner) {}
    Recordset* owner_;
};

class Recordset {
public:
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // 0 right after opening exactly when the table is empty; exact after MoveLast.
    std::int32_t RecordCount() const;

    void MoveFirst();
    void MoveLast();
    void MoveNext();                     // past the last row EOF becomes true; moving past EOF: 3021
    bool AtEOF() const;                  // EOF (a macro name in C, hence the spelling)
    bool AtBOF() const;
    double PercentPosition() const;      // 0..100
    // No read is held on the file between calls; this drops the rows read
    // ahead, so that the next read sees what other programs wrote since.
    void ReleaseRead() noexcept;

    void AddNew();                       // starts a new row with the fields' defaults
    void Edit();                         // current row into edit mode; no current row: 3021
    void Update();                       // saves the new or edited row; refusals 3022, 3314, 3317, 3163, 3027
                                         // (AddNew and Edit too raise 3027 when bound read-only)
    void CancelUpdate();

    class Fields& Fields() { return fields_; }
    Field& Fields(std::string_view name) { return fields_[name]; }
    Field& Fields(int index) { return fields_[index]; }

    const std::string& Name() const;     // table name as stored

    RecordsetBackend& rows() { return *rows_; }

private:
    friend class DataControl;
    friend class Field;
    friend class dao::Fields;
    Recordset(std::shared_ptr<Connection> connection, const std::string& table, bool readOnly = false);
    explicit Recordset(std::unique_ptr<RecordsetBackend> rows);
    void Bind(std::unique_ptr<RecordsetBackend> rows);
    std::unique_ptr<RecordsetBackend> rows_;
    class Fields fields_{*this};
    std::vector<Field> fieldObjects_;
};

} // namespace dao
