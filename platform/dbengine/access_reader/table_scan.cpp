#include "table_scan.h"

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "table_definition.h"

namespace access_reader {

namespace {

constexpr unsigned kSkipped = 0x8000;      // deleted, or a moved row's new place
constexpr unsigned kMoved = 0x4000;        // holds where the row now lies
using jet::kDataPage;
using jet::U32;
constexpr std::size_t kOwnerAt = 4;
constexpr std::size_t kPointerSize = 4;     // row number, then page number (3 bytes)


} // namespace

TableScan::TableScan(MdbHandle& mdb, MdbTableDef& table, std::uint64_t fileSize)
    : mdb_(mdb), table_(table), fileSize_(fileSize), version_(VersionOf(mdb)) {}

void TableScan::Load(std::uint32_t page) {
    const auto size = static_cast<std::uint64_t>(mdb_.fmt->pg_size);
    if (page == 0 || (page + 1ull) * size > fileSize_) throw ScanError(Page(page) + " lies past the end of the file");
    if (mdb_read_pg(&mdb_, page) != mdb_.fmt->pg_size) throw ScanError(Page(page) + " cannot be read");
    if (mdb_.pg_buf[0] != kDataPage || U32(mdb_.pg_buf + kOwnerAt) != table_.entry->table_pg)
        throw ScanError(Page(page) + " is not a data page of the table");
}

bool TableScan::NextPage() {
    const gint32 next = mdb_map_find_next(&mdb_, table_.usage_map, static_cast<unsigned>(table_.map_sz), page_);
    if (next < 0) throw ScanError("the table's usage map is of an unknown kind");
    if (next == 0) return false;
    if (static_cast<std::uint32_t>(next) <= page_) throw ScanError("the table's usage map goes back to " + Page(next));
    Load(page_ = static_cast<std::uint32_t>(next));
    away_ = false;
    next_ = 0;
    slots_ = mdb_.pg_buf[mdb_.fmt->row_count_offset] | (mdb_.pg_buf[mdb_.fmt->row_count_offset + 1] << 8);
    if (mdb_.fmt->row_count_offset + 2 + 2 * slots_ > mdb_.fmt->pg_size)
        throw ScanError(Page(page_) + ": its table of row offsets does not fit");
    return true;
}

unsigned TableScan::Slot(int index) const {
    const std::size_t at = mdb_.fmt->row_count_offset + 2u + 2u * static_cast<std::size_t>(index);
    return mdb_.pg_buf[at] | (mdb_.pg_buf[at + 1] << 8);
}

jet::RowPlace TableScan::MovedRow(const jet::RowPlace& slot) {
    if (slot.end - slot.start < static_cast<int>(kPointerSize)) throw ScanError(Page(page_) + ": a moved row's pointer is cut short");
    const std::uint32_t pointer = U32(mdb_.pg_buf + slot.start);
    if (!moved_.insert(pointer).second) throw ScanError(Page(page_) + ": two rows moved to one place");
    const std::uint32_t page = pointer >> 8;
    const int row = static_cast<int>(pointer & 0xff);
    away_ = true;
    Load(page);
    const jet::Bytes bytes(mdb_.pg_buf, static_cast<std::size_t>(mdb_.fmt->pg_size));
    const auto place = jet::FindRow(bytes, row, version_);
    if (!place || (Slot(row) & (kSkipped | kMoved)) != kSkipped || place->start == place->end)
        throw ScanError(Page(page) + ": a moved row is not where its pointer says");
    return *place;
}

std::optional<jet::RowPlace> TableScan::Next() {
    for (;;) {
        if (next_ >= slots_) {
            if (!NextPage()) return std::nullopt;
            continue;
        }
        if (away_) {
            Load(page_);
            away_ = false;
        }
        const int index = next_++;
        const unsigned raw = Slot(index);
        if (raw & kSkipped) continue;
        const jet::Bytes bytes(mdb_.pg_buf, static_cast<std::size_t>(mdb_.fmt->pg_size));
        const auto place = jet::FindRow(bytes, index, version_);
        if (!place) throw ScanError(Page(page_) + ": row " + std::to_string(index) + " lies outside its page");
        // A live row holds at least its field count: an empty one is a row lost, not a row deleted.
        if (place->start == place->end) throw ScanError(Page(page_) + ": row " + std::to_string(index) + " is empty");
        if (raw & kMoved) return MovedRow(*place);
        return place;
    }
}

std::unordered_set<unsigned long> LiveCatalogPages(MdbHandle& mdb, std::uint64_t fileSize) {
    MdbCatalogEntry entry{};
    entry.mdb = &mdb;
    entry.object_type = MDB_TABLE;
    entry.table_pg = 2;
    std::strcpy(entry.object_name, "MSysObjects");
    CheckDefinition(mdb, static_cast<std::uint32_t>(entry.table_pg), fileSize);
    const std::unique_ptr<MdbTableDef, void (*)(MdbTableDef*)> table(mdb_read_table(&entry), mdb_free_tabledef);
    if (!table || !mdb_read_columns(table.get())) throw ScanError("the catalog's definition cannot be read");
    int idColumn = -1;
    for (unsigned i = 0; i < table->num_cols; ++i) {
        const auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
        if (std::strcmp(column->name, "Id") == 0 && column->col_type == MDB_LONGINT) idColumn = static_cast<int>(i);
    }
    if (idColumn < 0) throw ScanError("the catalog has no Id field");
    std::vector<MdbField> fields(table->num_cols);
    std::unordered_set<unsigned long> live;
    TableScan scan(mdb, *table, fileSize);
    std::uint64_t rows = 0;
    while (const auto row = scan.Next()) {
        ++rows;
        if (mdb_crack_row(table.get(), row->start, static_cast<std::size_t>(row->end - row->start), fields.data()) < 0)
            throw ScanError("a catalog row cannot be taken apart");
        for (const MdbField& field : fields) {
            if (field.colnum != idColumn || field.is_null || field.siz != 4 || field.start < row->start ||
                field.start + 4 > row->end)
                continue;
            // The low three bytes of an object's Id are the page of its definition.
            live.insert(U32(mdb.pg_buf + field.start) & 0x00ffffffu);
        }
    }
    if (rows != table->num_rows)
        throw ScanError("the catalog holds " + std::to_string(rows) + " rows where it declares " + std::to_string(table->num_rows));
    return live;
}

} // namespace access_reader
