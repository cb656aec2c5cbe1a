#include "dbengine/recordset.h"

#include <utility>

#include "dbengine/errors.h"
#include "dbengine/storage/recordset_backend.h"
#include "dbengine/storage/sqlite_rows.h"

namespace dao {

// --- Field / Fields -------------------------------------------------------------

const std::string& Field::Name() const { return owner_->rows().FieldName(index_); }
Variant Field::Value() const { return owner_->rows().Value(index_); }
void Field::ValueInto(Variant& out) const { owner_->rows().ValueInto(index_, out); }
void Field::SetValue(const Variant& value) { owner_->rows().SetValue(index_, value); }
VarType Field::Type() const { return owner_->rows().FieldType(index_); }

int Fields::Count() const { return static_cast<int>(owner_->fieldObjects_.size()); }

Field& Fields::operator[](int index) {
    if (index < 0 || index >= Count()) Raise(kFieldNotFound, std::to_string(index));
    return owner_->fieldObjects_[static_cast<std::size_t>(index)];
}

Field& Fields::operator[](std::string_view name) {
    return owner_->fieldObjects_[static_cast<std::size_t>(owner_->rows().FieldIndex(name))];
}

Field* Fields::Find(std::string_view name) {
    const int index = owner_->rows().FindFieldIndex(name);
    return index < 0 ? nullptr : &owner_->fieldObjects_[static_cast<std::size_t>(index)];
}

// --- Recordset ------------------------------------------------------------------

Recordset::Recordset(std::shared_ptr<Connection> connection, const std::string& table, bool readOnly) {
    Bind(OpenSqliteTable(std::move(connection), table, readOnly));
}

Recordset::Recordset(std::unique_ptr<RecordsetBackend> rows) { Bind(std::move(rows)); }

void Recordset::Bind(std::unique_ptr<RecordsetBackend> rows) {
    rows_ = std::move(rows);
    const int n = rows_->FieldCount();
    fieldObjects_.reserve(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) fieldObjects_.push_back(Field(*this, i));
}

Recordset::~Recordset() = default;

std::int32_t Recordset::RecordCount() const { return static_cast<std::int32_t>(rows_->Count()); }

void Recordset::MoveFirst() {
    rows_->Leave();
    if (rows_->Count() == 0) Raise(kNoCurrentRow);
    rows_->pos = 0;
}

void Recordset::MoveLast() {
    rows_->Leave();
    if (rows_->Count() == 0) Raise(kNoCurrentRow);
    rows_->pos = rows_->Count() - 1;
}

void Recordset::MoveNext() {
    rows_->Leave();
    if (rows_->pos >= rows_->Count()) Raise(kNoCurrentRow);
    ++rows_->pos;
}

bool Recordset::AtEOF() const { return rows_->Count() == 0 || rows_->pos >= rows_->Count(); }
void Recordset::ReleaseRead() noexcept { rows_->ReleaseRead(); }

bool Recordset::AtBOF() const { return rows_->Count() == 0 || rows_->pos < 0; }

double Recordset::PercentPosition() const {
    const auto n = rows_->Count();
    if (n == 0 || rows_->pos < 0) return 0;
    if (rows_->pos >= n - 1) return 100;
    return 100.0 * static_cast<double>(rows_->pos) / static_cast<double>(n - 1);
}

void Recordset::AddNew() { rows_->AddNew(); }
void Recordset::Edit() { rows_->Edit(); }
void Recordset::Update() { rows_->Update(); }

void Recordset::CancelUpdate() {
    if (!rows_->Writing()) Raise(kUpdateWithoutAddNew);
    rows_->Leave();
}

const std::string& Recordset::Name() const { return rows_->TableName(); }

} // namespace dao
