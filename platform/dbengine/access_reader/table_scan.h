#pragma once
// A table's rows in the order the file's engine scans them: its data pages as
// its usage map lists them, each page's slots in turn. A slot flagged 0x8000
// is skipped (a deleted row, or the new place of a moved row); a slot flagged
// 0x4000 holds the page and row where its row now lies, and that row is
// delivered in the slot's place. Anything that keeps the table from being read
// whole (a page past the end of the file or unreadable, a listed page that is
// not one of the table's data pages, a slot table that does not fit, a live
// slot without a byte) is a ScanError, never a quiet end.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <unordered_set>

#include "dbengine/access_reader/libmdb.h"
#include "jet_decoding.h"

namespace access_reader {

struct ScanError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// How errors name a page of the file.
inline std::string Page(std::uint32_t number) { return "page " + std::to_string(number); }

inline jet::Version VersionOf(const MdbHandle& mdb) {
    return mdb.f->jet_version == MDB_VER_JET3 ? jet::Version::Jet3 : jet::Version::Jet4;
}

class TableScan {
public:
    TableScan(MdbHandle& mdb, MdbTableDef& table, std::uint64_t fileSize);

    // The next row, with libmdb's page buffer holding its page; nullopt after
    // the last. Throws ScanError.
    std::optional<jet::RowPlace> Next();

private:
    bool NextPage();
    // Reads a data page of the table into libmdb's page buffer.
    void Load(std::uint32_t page);
    jet::RowPlace MovedRow(const jet::RowPlace& slot);
    unsigned Slot(int index) const;

    MdbHandle& mdb_;
    MdbTableDef& table_;
    std::uint64_t fileSize_;
    jet::Version version_;
    std::uint32_t page_ = 0;       // the data page being scanned; 0 before the first
    int slots_ = 0, next_ = 0;
    bool away_ = false;            // the page buffer holds a moved row's page
    std::unordered_set<std::uint32_t> moved_;
};

// The definition pages of the objects the catalog (the table defined on page
// 2) holds as its engine scans it: libmdb's own catalog also lists deleted
// ones. Throws ScanError unless the catalog reads whole.
std::unordered_set<unsigned long> LiveCatalogPages(MdbHandle& mdb, std::uint64_t fileSize);

} // namespace access_reader
