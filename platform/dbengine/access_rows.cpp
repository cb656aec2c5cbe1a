// The rows of an Access table as a read-only recordset: where each row lies is
// found at opening (so the count is exact), its values are read on first use.
#include "dbengine/libmdb.h"

#include <memory>
#include <unordered_map>
#include <vector>

#include "dbengine/access_file.h"
#include "dbengine/access_handle.h"
#include "dbengine/access_values.h"
#include "dbengine/errors.h"
#include "dbengine/recordset_backend.h"
#include "winfs/paths.h"

namespace dao {

namespace {

constexpr int kRowOffsetMask = 0x1fff;
constexpr int kRowDeleted = 0x4000;

struct RowPlace {
    std::uint32_t page;
    std::uint16_t row;
};

class AccessRows final : public RecordsetBackend {
public:
    AccessRows(const std::filesystem::path& path, const std::string& name) : handle_(path), path_(path.string()) {
        table_ = handle_.ReadTable(name);
        if (!table_) Raise(kTableNotFound, name);
        for (unsigned i = 0; i < table_->num_cols; ++i) {
            columns_.push_back(static_cast<MdbColumn*>(g_ptr_array_index(table_->columns, i)));
            names_.emplace_back(columns_.back()->name);
            byFolded_.emplace(winfs::FoldCase(names_.back()), static_cast<int>(i));
        }
        tableName_ = table_->name;
        fields_.resize(columns_.size());
        values_.resize(columns_.size());
        FindRows();
    }

    ~AccessRows() override { mdb_free_tabledef(table_); }

    std::int64_t Count() const override { return static_cast<std::int64_t>(places_.size()); }
    int FieldCount() const override { return static_cast<int>(columns_.size()); }
    const std::string& FieldName(int index) const override { return names_[static_cast<std::size_t>(index)]; }
    VarType FieldType(int index) const override { return AccessVarType(columns_[static_cast<std::size_t>(index)]->col_type); }
    const std::string& TableName() const override { return tableName_; }

    Variant Value(int index) override {
        if (pos < 0 || pos >= Count()) Raise(kNoCurrentRow);
        if (loaded_ != pos) Load();
        return values_[static_cast<std::size_t>(index)];
    }

    void SetValue(int, const Variant&) override { Refuse(); }
    void AddNew() override { Refuse(); }
    void Edit() override { Refuse(); }
    void Update() override { Refuse(); }
    bool Writing() const override { return false; }
    void Leave() override {}

protected:
    int FindField(std::string_view name) const override {
        auto it = byFolded_.find(winfs::FoldCase(std::string(name)));
        return it == byFolded_.end() ? -1 : it->second;
    }

private:
    [[noreturn]] void Refuse() const { Raise(kReadOnly, tableName_); }

    // Walks the table's data pages in the order libmdb reads them, keeping the
    // rows that are not deleted.
    void FindRows() {
        MdbHandle* mdb = handle_.get();
        mdb_rewind_table(table_);
        if (table_->num_cols == 0) return;
        while (mdb_read_next_dpg(table_)) {
            const int rows = mdb_get_int16(mdb->pg_buf, mdb->fmt->row_count_offset);
            for (int r = 0; r < rows; ++r) {
                int start = 0;
                std::size_t size = 0;
                if (mdb_find_row(mdb, r, &start, &size) != 0 || size == 0 || (start & kRowDeleted)) continue;
                places_.push_back({table_->cur_phys_pg, static_cast<std::uint16_t>(r)});
            }
        }
    }

    void Load() {
        MdbHandle* mdb = handle_.get();
        const RowPlace place = places_[static_cast<std::size_t>(pos)];
        int start = 0;
        std::size_t size = 0;
        if (mdb_read_pg(mdb, place.page) != mdb->fmt->pg_size || mdb_find_row(mdb, place.row, &start, &size) != 0)
            RaiseUnsupportedFormat(path_);
        const int cracked = mdb_crack_row(table_, start & kRowOffsetMask, size, fields_.data());
        if (cracked < 0) RaiseUnsupportedFormat(path_);
        for (std::size_t i = 0; i < columns_.size(); ++i) {
            const MdbField& field = fields_[i];
            const auto column = static_cast<std::size_t>(field.colnum);
            if (column < columns_.size()) values_[column] = AccessValue(mdb, *columns_[column], field);
        }
        loaded_ = pos;
    }

    AccessHandle handle_;
    std::string path_;
    MdbTableDef* table_ = nullptr;
    std::string tableName_;
    std::vector<MdbColumn*> columns_;
    std::vector<std::string> names_;
    std::unordered_map<std::string, int> byFolded_;
    std::vector<RowPlace> places_;
    std::vector<MdbField> fields_;
    std::vector<Variant> values_;
    std::int64_t loaded_ = -1;
};

} // namespace

std::unique_ptr<RecordsetBackend> OpenAccessTable(const std::filesystem::path& path, const std::string& table) {
    return std::make_unique<AccessRows>(path, table);
}

} // namespace dao
