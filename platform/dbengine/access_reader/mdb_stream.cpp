// libmdb finds the catalog, the table definition, the data pages and where
// each field of a row lies; the values are decoded by our own bounded code.
#include "dbengine/access_reader/libmdb.h"
#include "mdb_stream.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <unordered_set>
#include <vector>

#include "dbengine/access/reader_stream.h"
#include "jet_decoding.h"
#include "table_definition.h"
#include "table_scan.h"
#include "winfs/paths.h"

namespace access_reader {

namespace {

namespace wire = dao::reader_stream;

struct MdbCloser {
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
using Mdb = std::unique_ptr<MdbHandle, MdbCloser>;

struct TableFreer {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};
using Table = std::unique_ptr<MdbTableDef, TableFreer>;

void WriteFailure(StreamOut& out, wire::Failure kind, std::string_view detail) {
    wire::AppendU8(out.buffer, wire::kFailure);
    wire::AppendU8(out.buffer, static_cast<std::uint8_t>(kind));
    wire::AppendText(out.buffer, detail);
}

std::vector<MdbCatalogEntry*> TableEntries(MdbHandle& mdb, const std::unordered_set<unsigned long>& live) {
    std::vector<MdbCatalogEntry*> tables;
    for (unsigned i = 0; i < mdb.num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb.catalog, i));
        if (entry->object_type == MDB_TABLE && live.count(entry->table_pg)) tables.push_back(entry);
    }
    return tables;
}

// The pages of the file through libmdb's second page buffer, so that the
// data page being walked stays where it is.
class MdbPages final : public jet::PageSource {
public:
    MdbPages(MdbHandle& mdb, std::uint64_t fileSize) : mdb_(mdb), fileSize_(fileSize) {}

    jet::Bytes Page(std::uint32_t number) override {
        const auto size = static_cast<std::uint64_t>(mdb_.fmt->pg_size);
        if (number == 0 || (number + 1ull) * size > fileSize_) return {};
        if (mdb_read_alt_pg(&mdb_, number) != mdb_.fmt->pg_size) return {};
        return {mdb_.alt_pg_buf, static_cast<std::size_t>(size)};
    }
    std::size_t LongValueLimit() const override { return static_cast<std::size_t>(fileSize_); }

private:
    MdbHandle& mdb_;
    std::uint64_t fileSize_;
};

void WriteHeader(MdbTableDef& table, StreamOut& out) {
    wire::AppendU8(out.buffer, wire::kHeader);
    wire::AppendText(out.buffer, table.name);
    wire::AppendU32(out.buffer, table.num_cols);
    for (unsigned i = 0; i < table.num_cols; ++i) {
        const auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table.columns, i));
        wire::AppendText(out.buffer, column->name);
        wire::AppendU8(out.buffer, static_cast<std::uint8_t>(jet::VarTypeOf(column->col_type)));
    }
}

class RowWriter {
public:
    RowWriter(MdbHandle& mdb, MdbTableDef& table, std::uint64_t fileSize)
        : mdb_(mdb), table_(table), pages_(mdb, fileSize), version_(VersionOf(mdb)),
          fields_(table.num_cols), values_(table.num_cols) {
        for (unsigned i = 0; i < table.num_cols; ++i) {
            const auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table.columns, i));
            // libmdb keeps a Decimal's digits after the point in col_prec.
            columns_.push_back({column->col_type, column->col_prec});
        }
    }

    // One row of the current data page; a row libmdb cannot take apart is a
    // row whose every value is unreadable.
    void Write(const jet::RowPlace& row, StreamOut& out) {
        for (auto& value : values_) value.reset();
        const jet::Bytes page(mdb_.pg_buf, static_cast<std::size_t>(mdb_.fmt->pg_size));
        const int cracked = mdb_crack_row(&table_, row.start, static_cast<std::size_t>(row.end - row.start), fields_.data());
        if (cracked >= 0) {
            for (const MdbField& field : fields_) {
                if (field.colnum < 0 || static_cast<std::size_t>(field.colnum) >= values_.size()) continue;
                const auto column = static_cast<std::size_t>(field.colnum);
                values_[column] = jet::FieldValue(page, row, {field.start, field.siz, field.is_null != 0}, columns_[column],
                                                  version_, pages_);
            }
        }
        wire::AppendU8(out.buffer, wire::kRow);
        for (const auto& value : values_) {
            if (value) wire::AppendValue(out.buffer, *value);
            else {
                wire::AppendUnreadable(out.buffer);
                metDamage = true;
            }
        }
    }

    bool metDamage = false;

private:
    MdbHandle& mdb_;
    MdbTableDef& table_;
    MdbPages pages_;
    jet::Version version_;
    std::vector<jet::Column> columns_;
    std::vector<MdbField> fields_;
    std::vector<std::optional<dao::Variant>> values_;
};

// Every row of the table as its engine scans it, then its end; or, when the
// table cannot be read whole, a failure after the rows sent.
void WriteRows(MdbHandle& mdb, MdbTableDef& table, const std::string& path, std::uint64_t fileSize, StreamOut& out,
               bool& damaged) {
    std::uint64_t rows = 0;
    std::string failure;
    if (table.num_cols > 0) {
        RowWriter writer(mdb, table, fileSize);
        TableScan scan(mdb, table, fileSize);
        try {
            while (const auto row = scan.Next()) {
                writer.Write(*row, out);
                ++rows;
                out.Offer();
            }
        } catch (const ScanError& error) {
            failure = error.what();
        }
        damaged = damaged || writer.metDamage;
    }
    std::error_code ec;
    if (failure.empty() && std::filesystem::file_size(path, ec) != fileSize)
        failure = "the file changed size while it was read";
    if (failure.empty() && rows != table.num_rows)
        failure = std::to_string(rows) + " rows read where the table declares " + std::to_string(table.num_rows);
    if (failure.empty()) {
        wire::AppendU8(out.buffer, wire::kEnd);
        wire::AppendU64(out.buffer, rows);
        return;
    }
    damaged = true;
    WriteFailure(out, wire::Failure::Unreadable, "table " + std::string(table.name) + ": " + failure);
}

} // namespace

struct AccessSource::Handle {
    Mdb mdb;
    std::unordered_set<unsigned long> live;     // the catalog's objects that are not deleted
};

AccessSource::AccessSource(std::string path) : path_(std::move(path)) {
    std::error_code ec;
    fileSize_ = std::filesystem::file_size(path_, ec);
}

AccessSource::~AccessSource() = default;

bool AccessSource::Open(StreamOut& out) {
    if (!tried_) {
        tried_ = true;
        Mdb mdb(mdb_open(path_.c_str(), MDB_NOFLAGS));
        if (mdb && mdb->f->jet_version <= MDB_VER_JET4 && mdb_read_catalog(mdb.get(), MDB_TABLE)) {
            try {
                // libmdb ends its catalog quietly at a page it cannot read (a missing table would pass
                // for absent), and lists deleted tables.
                auto live = LiveCatalogPages(*mdb, fileSize_);
                handle_ = std::make_unique<Handle>(Handle{std::move(mdb), std::move(live)});
            } catch (const ScanError& error) {
                failure_ = error.what();
            }
        }
    }
    if (!handle_) {
        damaged_ = true;
        WriteFailure(out, wire::Failure::Unreadable,
                     "the file or its catalog cannot be read" + (failure_.empty() ? "" : ": " + failure_));
    }
    return handle_ != nullptr;
}

void AccessSource::WriteCatalog(StreamOut& out) {
    if (!Open(out)) return;
    const auto tables = TableEntries(*handle_->mdb, handle_->live);
    wire::AppendU8(out.buffer, wire::kCatalog);
    wire::AppendU32(out.buffer, static_cast<std::uint32_t>(tables.size()));
    for (const auto* entry : tables) wire::AppendText(out.buffer, entry->object_name);
    wire::AppendU8(out.buffer, wire::kEnd);
    wire::AppendU64(out.buffer, tables.size());
}

void AccessSource::WriteTable(const std::string& name, StreamOut& out) {
    if (!Open(out)) return;
    MdbHandle& mdb = *handle_->mdb;
    const std::string wanted = winfs::FoldCase(name);
    const auto entries = TableEntries(mdb, handle_->live);
    std::unordered_set<unsigned long> definitions;
    for (const MdbCatalogEntry* entry : entries) definitions.insert(entry->table_pg);
    for (MdbCatalogEntry* entry : entries) {
        if (winfs::FoldCase(entry->object_name) != wanted) continue;
        std::string failure = "the table definition cannot be read";
        Table table;
        try {
            CheckDefinition(mdb, static_cast<std::uint32_t>(entry->table_pg), fileSize_, definitions);
            table.reset(mdb_read_table(entry));
        } catch (const ScanError& error) {
            failure = error.what();
        }
        if (!table || !mdb_read_columns(table.get())) {
            damaged_ = true;
            const std::string detail = std::string("table ") + entry->object_name + ": " + failure;
            return WriteFailure(out, wire::Failure::Unreadable, detail);
        }
        WriteHeader(*table, out);
        WriteRows(mdb, *table, path_, fileSize_, out, damaged_);
        return;
    }
    WriteFailure(out, wire::Failure::TableNotFound, name);
}

} // namespace access_reader
