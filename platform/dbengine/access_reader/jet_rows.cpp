// Rows of a page and the chains of long values that run across pages.
#include <cstring>
#include <unordered_set>

#include "jet_decoding.h"

namespace jet {

namespace {

constexpr int kOffsetMask = 0x1fff;

// A long value keeps 12 bytes in the row: its length with flags, and the
// page and row (page << 8 | row) where its data lies when not in the row.
constexpr std::size_t kLongValueHeader = 12;
constexpr std::uint32_t kInRow = 0x80000000u;
constexpr std::uint32_t kOnePage = 0x40000000u;
constexpr std::uint32_t kFlags = 0xff000000u;
constexpr std::size_t kNextPointer = 4;     // each row of a chain starts with the place of the next

int RowCountOffset(Version version) { return version == Version::Jet3 ? 0x08 : 0x0c; }

constexpr std::size_t kMarkAt = 4;          // where a data page names its table, a long-value page says LVAL

// The bytes of the long-value row that a page-and-row pointer names.
std::optional<Bytes> PointedRow(PageSource& pages, std::uint32_t pageRow, Version version) {
    const Bytes page = pages.Page(pageRow >> 8);
    if (!IsLongValuePage(page)) return std::nullopt;
    const auto row = FindRow(page, static_cast<int>(pageRow & 0xff), version);
    if (!row) return std::nullopt;
    return page.subspan(static_cast<std::size_t>(row->start), static_cast<std::size_t>(row->end - row->start));
}

std::optional<std::string> ChainedValue(std::uint32_t length, std::uint32_t pageRow, PageSource& pages, Version version) {
    if (length > pages.LongValueLimit()) return std::nullopt;
    std::string out;
    std::unordered_set<std::uint32_t> visited;
    while (out.size() < length) {
        if (pageRow == 0 || !visited.insert(pageRow).second) return std::nullopt;   // cut short, or a loop
        const auto row = PointedRow(pages, pageRow, version);
        if (!row || row->size() < kNextPointer) return std::nullopt;
        out.append(reinterpret_cast<const char*>(row->data()) + kNextPointer, row->size() - kNextPointer);
        pageRow = U32(row->data());
    }
    out.resize(length);
    return out;
}

} // namespace

int PageSize(Version version) { return version == Version::Jet3 ? 2048 : 4096; }

bool IsLongValuePage(Bytes page) {
    return page.size() >= kMarkAt + 4 && page[0] == kDataPage && std::memcmp(page.data() + kMarkAt, "LVAL", 4) == 0;
}

std::optional<RowPlace> FindRow(Bytes page, int row, Version version) {
    const auto countAt = static_cast<std::size_t>(RowCountOffset(version));
    if (page.size() < countAt + 2 || page.size() > kOffsetMask + 1u) return std::nullopt;
    const int count = static_cast<int>(U16(page.data() + countAt));
    const std::size_t tableEnd = countAt + 2 + 2 * static_cast<std::size_t>(count);
    if (row < 0 || row >= count || tableEnd > page.size()) return std::nullopt;
    const std::size_t entry = countAt + 2 + 2 * static_cast<std::size_t>(row);
    const unsigned raw = U16(page.data() + entry);
    RowPlace place;
    place.start = static_cast<int>(raw & kOffsetMask);
    // Rows fill the page from its end: a row ends where the one before it starts.
    place.end = row == 0 ? static_cast<int>(page.size()) : static_cast<int>(U16(page.data() + entry - 2) & kOffsetMask);
    if (place.start < static_cast<int>(tableEnd) || place.start > place.end ||
        place.end > static_cast<int>(page.size()))
        return std::nullopt;
    return place;
}

std::optional<std::string> LongValue(Bytes field, PageSource& pages, Version version) {
    if (field.empty()) return std::string();
    if (field.size() < kLongValueHeader) return std::nullopt;
    const std::uint32_t length = U32(field.data());
    if (length & kInRow)
        return std::string(reinterpret_cast<const char*>(field.data()) + kLongValueHeader, field.size() - kLongValueHeader);
    const std::uint32_t pageRow = U32(field.data() + 4);
    if (length & kOnePage) {
        // A row shorter than the value lost its end; the value is as long as declared.
        const std::size_t declared = length & ~kFlags;
        const auto row = PointedRow(pages, pageRow, version);
        if (!row || row->size() < declared) return std::nullopt;
        return std::string(reinterpret_cast<const char*>(row->data()), declared);
    }
    if (length & kFlags) return std::nullopt;
    return ChainedValue(length, pageRow, pages, version);
}

} // namespace jet
