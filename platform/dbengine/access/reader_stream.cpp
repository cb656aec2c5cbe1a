#include "dbengine/access/reader_stream.h"

#include <cstring>

namespace dao::reader_stream {

namespace {

// One byte before each value; Yes/No and Null need nothing more.
enum ValueTag : std::uint8_t {
    kNull, kFalse, kTrue, kByte, kInteger, kLong, kCurrency, kSingle, kDouble, kDate, kString, kUnreadable
};

template <typename T>
void AppendRaw(std::string& out, T value) {
    char bytes[sizeof value];
    std::memcpy(bytes, &value, sizeof value);   // both ends are this host
    out.append(bytes, sizeof bytes);
}

template <typename T>
T ReadRaw(std::string_view bytes) {
    T value;
    std::memcpy(&value, bytes.data(), sizeof value);
    return value;
}

ValueTag TagOf(const Variant& value) {
    switch (value.Type()) {
    case VarType::Null: case VarType::Empty: return kNull;
    case VarType::Boolean: return value.RawBool() ? kTrue : kFalse;
    case VarType::Byte: return kByte;
    case VarType::Integer: return kInteger;
    case VarType::Long: return kLong;
    case VarType::Currency: return kCurrency;
    case VarType::Single: return kSingle;
    case VarType::Double: return kDouble;
    case VarType::Date: return kDate;
    case VarType::String: return kString;
    }
    return kNull;
}

} // namespace

void AppendU8(std::string& out, std::uint8_t value) { out.push_back(static_cast<char>(value)); }
void AppendU32(std::string& out, std::uint32_t value) { AppendRaw(out, value); }
void AppendU64(std::string& out, std::uint64_t value) { AppendRaw(out, value); }

void AppendText(std::string& out, std::string_view text) {
    AppendU32(out, static_cast<std::uint32_t>(text.size()));
    out.append(text);
}

void AppendUnreadable(std::string& out) { AppendU8(out, kUnreadable); }

void AppendValue(std::string& out, const Variant& value) {
    const ValueTag tag = TagOf(value);
    AppendU8(out, tag);
    switch (tag) {
    case kByte: AppendU8(out, static_cast<std::uint8_t>(value.RawInt())); break;
    case kInteger: AppendRaw(out, static_cast<std::int16_t>(value.RawInt())); break;
    case kLong: AppendRaw(out, static_cast<std::int32_t>(value.RawInt())); break;
    case kCurrency: AppendRaw(out, value.RawInt()); break;
    case kSingle: AppendRaw(out, static_cast<float>(value.RawDouble())); break;
    case kDouble: case kDate: AppendRaw(out, value.RawDouble()); break;
    case kString: AppendText(out, value.RawString()); break;
    default: break;
    }
}

void StreamReader::Seek(std::size_t pos) {
    if (pos > bytes_.size()) throw ProtocolError("position past the stream");
    pos_ = pos;
}

std::string_view StreamReader::Take(std::size_t size) {
    if (size > bytes_.size() - pos_) throw ProtocolError("stream cut short");
    const std::string_view part = bytes_.substr(pos_, size);
    pos_ += size;
    return part;
}

std::uint8_t StreamReader::U8() { return static_cast<std::uint8_t>(Take(1)[0]); }
std::uint32_t StreamReader::U32() { return ReadRaw<std::uint32_t>(Take(4)); }
std::uint64_t StreamReader::U64() { return ReadRaw<std::uint64_t>(Take(8)); }
std::string_view StreamReader::Text() { return Take(U32()); }

bool StreamReader::Value(Variant& value) {
    switch (U8()) {
    case kNull: value = Variant::Null(); return true;
    case kFalse: value = Variant(false); return true;
    case kTrue: value = Variant(true); return true;
    case kByte: value = Variant::Byte(U8()); return true;
    case kInteger: value = Variant::Integer(ReadRaw<std::int16_t>(Take(2))); return true;
    case kLong: value = Variant::Long(ReadRaw<std::int32_t>(Take(4))); return true;
    case kCurrency: value = Variant::CurrencyScaled(ReadRaw<std::int64_t>(Take(8))); return true;
    case kSingle: value = Variant::Single(ReadRaw<float>(Take(4))); return true;
    case kDouble: value = Variant::Double(ReadRaw<double>(Take(8))); return true;
    case kDate: value = Variant::Date(ReadRaw<double>(Take(8))); return true;
    case kString: value = Variant(std::string(Text())); return true;
    case kUnreadable: return false;
    default: throw ProtocolError("unknown value tag");
    }
}

void StreamReader::SkipValue() {
    switch (U8()) {
    case kByte: Take(1); break;
    case kInteger: Take(2); break;
    case kLong: case kSingle: Take(4); break;
    case kCurrency: case kDouble: case kDate: Take(8); break;
    case kString: Text(); break;
    case kNull: case kFalse: case kTrue: case kUnreadable: break;
    default: throw ProtocolError("unknown value tag");
    }
}

} // namespace dao::reader_stream
