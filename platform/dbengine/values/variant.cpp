#include "dbengine/values/variant.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <cstdint>
#include <algorithm>

#include "dbengine/values/errors.h"
#include "dbengine/values/number_text.h"
#include "dbengine/values/variant_dates.h"

namespace dao {

namespace {

bool EqualsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

// Basic rounds to the nearest even integer when converting to an integer type.
double RoundEven(double x) { return std::nearbyint(x); }

std::int64_t ToIntegerInRange(double x, double lo, double hi) {
    double r = RoundEven(x);
    if (!(r >= lo && r <= hi)) Raise(vb::kOverflow);
    return static_cast<std::int64_t>(r);
}

} // namespace

Variant::Variant(const char* text) : type_(VarType::String), text_(text ? text : "") {}
Variant::Variant(std::string text) : type_(VarType::String), text_(std::move(text)) {}
Variant::Variant(bool value) : type_(VarType::Boolean), integer_(value ? 1 : 0) {}
Variant::Variant(int value) : type_(VarType::Long), integer_(value) {}

void Variant::AssignString(std::string_view text) {
    type_ = VarType::String;
    text_.assign(text);
}

Variant Variant::Null() {
    Variant v;
    v.type_ = VarType::Null;
    return v;
}

Variant Variant::Byte(std::uint8_t value) {
    Variant v;
    v.type_ = VarType::Byte;
    v.integer_ = value;
    return v;
}

Variant Variant::Integer(std::int16_t value) {
    Variant v;
    v.type_ = VarType::Integer;
    v.integer_ = value;
    return v;
}

Variant Variant::Long(std::int32_t value) {
    Variant v;
    v.type_ = VarType::Long;
    v.integer_ = value;
    return v;
}

Variant Variant::Single(float value) {
    Variant v;
    v.type_ = VarType::Single;
    v.real_ = value;
    return v;
}

Variant Variant::Double(double value) {
    Variant v;
    v.type_ = VarType::Double;
    v.real_ = value;
    return v;
}

Variant Variant::CurrencyScaled(std::int64_t tenThousandths) {
    Variant v;
    v.type_ = VarType::Currency;
    v.integer_ = tenThousandths;
    return v;
}

Variant Variant::Currency(double value) {
    return CurrencyScaled(ExactTenThousandths(value));
}

Variant Variant::Date(double serialDays) {
    Variant v;
    v.type_ = VarType::Date;
    v.real_ = serialDays;
    return v;
}

Variant Variant::Date(int year, int month, int day, int hour, int minute, int second) {
    return Date(DateToSerial(year, month, day, hour, minute, second));
}

bool Variant::IsNumeric() const noexcept {
    switch (type_) {
    case VarType::Byte: case VarType::Integer: case VarType::Long:
    case VarType::Single: case VarType::Double: case VarType::Currency:
        return true;
    default:
        return false;
    }
}

double Variant::ToDouble() const {
    switch (type_) {
    case VarType::Empty: return 0;
    case VarType::Null: Raise(vb::kInvalidUseOfNull);
    case VarType::Boolean: return RawBool() ? -1.0 : 0.0;
    case VarType::Byte: case VarType::Integer: case VarType::Long:
        return static_cast<double>(RawInt());
    case VarType::Currency: return static_cast<double>(RawInt()) / 10000.0;
    case VarType::Single: case VarType::Double: case VarType::Date:
        return RawDouble();
    case VarType::String: {
        double d;
        if (ParseNumber(RawString(), d)) return d;
        std::string_view t = Trim(RawString());
        if (EqualsNoCase(t, "true") || EqualsNoCase(t, "vero")) return -1;
        if (EqualsNoCase(t, "false") || EqualsNoCase(t, "falso")) return 0;
        Raise(kTypeMismatch);
    }
    }
    Raise(kTypeMismatch);
}

bool Variant::ToBool() const {
    if (type_ == VarType::Boolean) return RawBool();
    if (type_ == VarType::String) {
        std::string_view t = Trim(RawString());
        if (EqualsNoCase(t, "true") || EqualsNoCase(t, "vero")) return true;
        if (EqualsNoCase(t, "false") || EqualsNoCase(t, "falso")) return false;
        double d;
        if (ParseNumber(t, d)) return d != 0;
        Raise(kTypeMismatch);
    }
    return ToDouble() != 0;
}

std::uint8_t Variant::ToByte() const {
    if (type_ == VarType::Byte) return static_cast<std::uint8_t>(RawInt());
    return static_cast<std::uint8_t>(ToIntegerInRange(ToDouble(), 0, 255));
}

std::int16_t Variant::ToInteger() const {
    if (type_ == VarType::Integer || type_ == VarType::Byte) return static_cast<std::int16_t>(RawInt());
    return static_cast<std::int16_t>(ToIntegerInRange(ToDouble(), -32768, 32767));
}

std::int32_t Variant::ToLong() const {
    if (type_ == VarType::Long || type_ == VarType::Integer || type_ == VarType::Byte)
        return static_cast<std::int32_t>(RawInt());
    return static_cast<std::int32_t>(ToIntegerInRange(ToDouble(), -2147483648.0, 2147483647.0));
}

float Variant::ToSingle() const {
    double d = ToDouble();
    if (std::fabs(d) > FLT_MAX) Raise(vb::kOverflow);
    return static_cast<float>(d);
}

std::int64_t Variant::ToCurrencyScaled() const {
    switch (type_) {
    case VarType::Currency: return RawInt();
    case VarType::Byte: case VarType::Integer: case VarType::Long: return RawInt() * 10000;
    case VarType::String: {
        // Exact decimal text keeps its four decimals without passing through a double.
        double d;
        if (!ParseNumber(RawString(), d)) return Variant::Currency(ToDouble()).RawInt();
        return Variant::Currency(d).RawInt();
    }
    default:
        return Variant::Currency(ToDouble()).RawInt();
    }
}

double Variant::ToDate() const {
    double d;
    switch (type_) {
    case VarType::Date: return RawDouble();
    case VarType::String:
        if (ParseDate(RawString(), d)) return d;
        if (ParseNumber(RawString(), d)) break;
        Raise(kTypeMismatch);
    default:
        d = ToDouble();
    }
    if (!(d >= kMinDate && d <= kMaxDate)) Raise(vb::kOverflow);
    return d;
}

std::string Variant::ToString() const {
    switch (type_) {
    case VarType::Empty: return {};
    case VarType::Null: Raise(vb::kInvalidUseOfNull);
    case VarType::Boolean: return RawBool() ? "True" : "False";
    case VarType::Byte: case VarType::Integer: case VarType::Long: return std::to_string(RawInt());
    case VarType::Single: return FormatDouble(RawDouble(), 7);
    case VarType::Double: return FormatDouble(RawDouble(), 15);
    case VarType::Currency: return FormatCurrency(RawInt());
    case VarType::Date: return FormatDate(RawDouble());
    case VarType::String: return RawString();
    }
    return {};
}

Variant Variant::ConvertTo(VarType type) const {
    if (type_ == VarType::Null || type_ == VarType::Empty || type == type_) return *this;
    switch (type) {
    case VarType::Empty: return Variant();
    case VarType::Null: return Null();
    case VarType::Boolean: return Variant(ToBool());
    case VarType::Byte: return Byte(ToByte());
    case VarType::Integer: return Integer(ToInteger());
    case VarType::Long: return Long(ToLong());
    case VarType::Single: return Single(ToSingle());
    case VarType::Double: return Double(ToDouble());
    case VarType::Currency: return CurrencyScaled(ToCurrencyScaled());
    case VarType::Date: return Date(ToDate());
    case VarType::String: return Variant(ToString());
    }
    return *this;
}

bool Variant::operator==(const Variant& other) const {
    if (type_ != other.type_) return false;
    switch (type_) {
    case VarType::Empty: case VarType::Null: return true;
    case VarType::Single: case VarType::Double: case VarType::Date: return real_ == other.real_;
    case VarType::String: return text_ == other.text_;
    default: return integer_ == other.integer_;
    }
}

Variant FormatMonth(const Variant& value) {
    if (value.IsNull()) return Variant::Null();
    int y, m, d, h, mi, s;
    SerialToDate(value.ToDate(), y, m, d, h, mi, s);
    char buffer[4];
    std::snprintf(buffer, sizeof buffer, "%02d", m);
    return Variant(std::string(buffer));
}

} // namespace dao
