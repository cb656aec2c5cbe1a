#include "table_definition.h"

#include <string>
#include <vector>

#include "jet_decoding.h"
#include "table_scan.h"

namespace access_reader {

namespace {

constexpr unsigned char kDefinitionPage = 0x02;
constexpr std::size_t kNextAt = 4;      // each page of a definition names the page it goes on to
constexpr std::size_t kHeader = 8;      // the bytes of a page before its part of the definition

} // namespace

void CheckDefinition(MdbHandle& mdb, std::uint32_t first, std::uint64_t fileSize,
                     const std::unordered_set<unsigned long>& definitions) {
    const auto size = static_cast<std::size_t>(mdb.fmt->pg_size);
    std::vector<unsigned char> definition;
    std::unordered_set<std::uint32_t> seen;
    for (std::uint32_t page = first; page != 0;) {
        const std::string where = "the table definition goes on to " + Page(page);
        if ((page + 1ull) * size > fileSize) throw ScanError(where + ", past the end of the file");
        if (!seen.insert(page).second) throw ScanError(where + " again");
        if (page != first && definitions.count(page)) throw ScanError(where + ", another table's definition");
        if (mdb_read_alt_pg(&mdb, page) != mdb.fmt->pg_size) throw ScanError(where + ", which cannot be read");
        const unsigned char* bytes = mdb.alt_pg_buf;
        if (bytes[0] != kDefinitionPage) throw ScanError(where + ", which is no definition page");
        definition.insert(definition.end(), bytes + (definition.empty() ? 0 : kHeader), bytes + size);
        page = jet::U32(bytes + kNextAt);
    }
    if (!jet::DefinitionExtent(definition, VersionOf(mdb)))
        throw ScanError("the table definition's fields and indexes do not fit in its declared length or its pages");
}

} // namespace access_reader
