// Field values of a row, each read only from bytes checked to lie in the row.
#include <array>
#include <cstring>

#include "jet_decoding.h"
#include "winfs/ansi_text.h"

namespace jet {

using dao::Variant;
using dao::VarType;

namespace {

constexpr std::size_t kGuidSize = 16;
constexpr std::size_t kDecimalSize = 17;
constexpr int kMaxDecimals = 38;

template <typename T>
T Raw(Bytes bytes) {
    T value;
    std::memcpy(&value, bytes.data(), sizeof value);   // the files are little-endian, as this host
    return value;
}

std::string Guid(Bytes g) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    // The first three groups are stored little-endian, the rest as written.
    static constexpr int kOrder[16] = {3, 2, 1, 0, 5, 4, 7, 6, 8, 9, 10, 11, 12, 13, 14, 15};
    std::string out = "{";
    for (int i = 0; i < 16; ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) out += '-';
        out += kHex[g[kOrder[i]] >> 4];
        out += kHex[g[kOrder[i]] & 15];
    }
    return out + "}";
}

// The size a fixed-width type needs in the row (0 for the others).
std::size_t FixedWidth(int type) {
    switch (type) {
    case kByte: return 1;
    case kInteger: return 2;
    case kLong: case kComplex: case kSingle: return 4;
    case kMoney: case kDouble: case kDateTime: return 8;
    case kReplicationId: return kGuidSize;
    case kNumeric: return kDecimalSize;
    default: return 0;
    }
}

std::optional<Variant> Decode(Bytes bytes, Bytes fixed, const Column& column, Version version, PageSource& pages) {
    switch (column.type) {
    case kByte: return Variant::Byte(fixed[0]);
    case kInteger: return Variant::Integer(Raw<std::int16_t>(fixed));
    case kLong: case kComplex: return Variant::Long(Raw<std::int32_t>(fixed));
    case kMoney: return Variant::CurrencyScaled(Raw<std::int64_t>(fixed));
    case kSingle: return Variant::Single(Raw<float>(fixed));
    case kDouble: return Variant::Double(Raw<double>(fixed));
    case kDateTime: return Variant::Date(Raw<double>(fixed));
    case kReplicationId: return Variant(Guid(fixed));
    case kNumeric:
        if (column.decimals < 0 || column.decimals > kMaxDecimals) return std::nullopt;
        return Variant(DecimalText(fixed, column.decimals));
    case kText: return Variant(Text(bytes, version));
    case kMemo: case kOle: {
        auto value = LongValue(bytes, pages, version);
        if (!value) return std::nullopt;
        if (column.type == kOle) return Variant(std::move(*value));
        return Variant(Text(Bytes(reinterpret_cast<const unsigned char*>(value->data()), value->size()), version));
    }
    default: return Variant(std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    }
}

} // namespace

VarType VarTypeOf(int columnType) {
    switch (columnType) {
    case kBool: return VarType::Boolean;
    case kByte: return VarType::Byte;
    case kInteger: return VarType::Integer;
    case kLong: case kComplex: return VarType::Long;
    case kMoney: return VarType::Currency;
    case kSingle: return VarType::Single;
    case kDouble: return VarType::Double;
    case kDateTime: return VarType::Date;
    default: return VarType::String;
    }
}

std::string Text(Bytes bytes, Version version) {
    std::string out;
    if (version == Version::Jet3) {
        winfs::AppendWindows1252(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), out);
        return out;
    }
    const std::size_t size = bytes.size();
    out.reserve(size);
    // Compressed texts start with FF FE; a zero byte then switches between
    // one byte per character (the low half of UCS-2) and two.
    const bool compressed = size >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE;
    bool single = compressed;
    for (std::size_t i = compressed ? 2 : 0; i < size;) {
        if (compressed && bytes[i] == 0) {
            single = !single;
            ++i;
            continue;
        }
        char32_t code;
        if (single) {
            code = bytes[i++];
        } else {
            if (i + 1 >= size) break;
            code = U16(&bytes[i]);
            i += 2;
            if (code >= 0xD800 && code < 0xDC00 && i + 1 < size && U16(&bytes[i]) >= 0xDC00 && U16(&bytes[i]) < 0xE000) {
                code = 0x10000 + ((code - 0xD800) << 10) + (U16(&bytes[i]) - 0xDC00);
                i += 2;
            }
        }
        winfs::AppendUtf8(code, out);
    }
    return out;
}

std::string DecimalText(Bytes bytes, int decimals) {
    // The 128-bit magnitude, divided by ten again and again for its digits.
    std::array<std::uint32_t, 4> words{};
    for (std::size_t w = 0; w < words.size(); ++w) std::memcpy(&words[w], bytes.data() + 1 + 4 * w, 4);
    std::string digits;
    for (bool zero = false; !zero;) {
        std::uint64_t rest = 0;
        zero = true;
        for (auto& word : words) {
            const std::uint64_t current = (rest << 32) | word;
            word = static_cast<std::uint32_t>(current / 10);
            rest = current % 10;
            zero = zero && word == 0;
        }
        digits.insert(digits.begin(), static_cast<char>('0' + rest));
    }
    if (digits.size() <= static_cast<std::size_t>(decimals))
        digits.insert(0, static_cast<std::size_t>(decimals) + 1 - digits.size(), '0');
    if (decimals > 0) digits.insert(digits.end() - decimals, '.');
    return (bytes[0] & 0x80 ? "-" : "") + digits;
}

std::optional<Variant> FieldValue(Bytes page, const RowPlace& row, const FieldPlace& field, const Column& column,
                                  Version version, PageSource& pages) {
    // Yes/No lives in the null mask: a clear bit is No.
    if (column.type == kBool) return Variant(!field.isNull);
    if (field.isNull) return Variant::Null();
    // A row starts with its field count (one byte in Jet 3, two in Jet 4).
    const int rowHeader = version == Version::Jet3 ? 1 : 2;
    if (row.start < 0 || row.end > static_cast<int>(page.size()) || row.start > row.end) return std::nullopt;
    if (field.start < row.start + rowHeader || field.start > row.end || field.size < 0 || field.size > row.end - field.start)
        return std::nullopt;
    const Bytes bytes = page.subspan(static_cast<std::size_t>(field.start), static_cast<std::size_t>(field.size));
    const std::size_t width = FixedWidth(column.type);
    if (static_cast<std::size_t>(row.end - field.start) < width) return std::nullopt;
    const Bytes fixed = page.subspan(static_cast<std::size_t>(field.start), width);
    return Decode(bytes, fixed, column, version, pages);
}

} // namespace jet
