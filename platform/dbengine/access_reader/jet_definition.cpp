// How far a table definition's columns, names and indexes reach, walked as
// the format lays them out, each count and length checked against the bytes.
#include "jet_decoding.h"

namespace jet {

namespace {

// Where the counts lie in a definition and how large each of its entries is.
struct DefinitionLayout {
    std::size_t columnCountAt, indexCountAt, realIndexCountAt, entriesAt;
    std::size_t realIndexEntry, columnEntry, realIndexMap, index, nameLength;
};

constexpr std::size_t kLengthAt = 8;
constexpr DefinitionLayout kJet3{25, 27, 31, 43, 8, 18, 39, 20, 1};
constexpr DefinitionLayout kJet4{45, 47, 51, 63, 12, 25, 52, 28, 2};

std::uint64_t Little(Bytes bytes, std::size_t at, std::size_t size) {
    std::uint64_t value = 0;
    for (std::size_t i = size; i-- > 0;) value = value << 8 | bytes[at + i];
    return value;
}

} // namespace

std::optional<std::size_t> DefinitionExtent(Bytes definition, Version version) {
    const DefinitionLayout& layout = version == Version::Jet3 ? kJet3 : kJet4;
    if (definition.size() < layout.entriesAt) return std::nullopt;
    // Its declared length must lie in its pages, and all that follows within that length.
    const std::uint64_t size = Little(definition, kLengthAt, 4);
    if (size > definition.size() || size < layout.entriesAt) return std::nullopt;
    const std::uint64_t columns = Little(definition, layout.columnCountAt, 2);
    const std::uint64_t indexes = Little(definition, layout.indexCountAt, 4);
    const std::uint64_t realIndexes = Little(definition, layout.realIndexCountAt, 4);
    // Each count is below 2^32 and each entry below 64 bytes: no sum here wraps.
    std::uint64_t at = layout.entriesAt + realIndexes * layout.realIndexEntry + columns * layout.columnEntry;
    // Names, each after its length; the loop ends at the declared end whatever the count says.
    auto names = [&](std::uint64_t count) {
        for (std::uint64_t i = 0; i < count && at <= size; ++i) {
            if (at + layout.nameLength > size) return false;
            at += layout.nameLength + Little(definition, static_cast<std::size_t>(at), layout.nameLength);
        }
        return at <= size;
    };
    if (at > size || !names(columns)) return std::nullopt;
    at += realIndexes * layout.realIndexMap + indexes * layout.index;
    if (at > size || !names(indexes)) return std::nullopt;
    return static_cast<std::size_t>(at);
}

} // namespace jet
