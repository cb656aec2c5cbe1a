#include "dbengine/variant.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "dbengine/errors.h"

namespace dao {

namespace {

// Dates Basic accepts: 1 January 100 .. 31 December 9999.
constexpr double kMinDate = -657434.0;
constexpr double kMaxDate = 2958465.99999;

// Days from 1 January of year 1 (proleptic Gregorian) for a civil date; the
// usual days-from-civil algorithm.
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;  // days since 1970-01-01
}

void CivilFromDays(std::int64_t z, int& year, int& month, int& day) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(y + (month <= 2));
}

const std::int64_t kEpochOffset = DaysFromCivil(1899, 12, 30);  // serial 0 in unix days

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

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

// Text to number: optional sign, digits, one decimal separator "." or ",",
// optional exponent. Returns false when the text is no number.
bool ParseNumber(std::string_view text, double& out) {
    text = Trim(text);
    if (text.empty() || text.size() > 400) return false;
    char buffer[401] = {};
    std::size_t n = 0;
    bool separatorSeen = false;
    for (char c : text) {
        if (c == ',' || c == '.') {
            if (separatorSeen) return false;
            separatorSeen = true;
            c = '.';
        }
        buffer[n++] = c;
    }
    const char* begin = buffer;
    const char* end = buffer + n;
    if (*begin == '+') ++begin;
    if (begin == end) return false;
    auto [ptr, ec] = std::from_chars(begin, end, out, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        out = HUGE_VAL;
        return true;
    }
    return ec == std::errc() && ptr == end && std::isfinite(out);
}

bool ReadInt(std::string_view& s, int& value, int maxDigits) {
    int digits = 0;
    value = 0;
    while (!s.empty() && s.front() >= '0' && s.front() <= '9' && digits < maxDigits) {
        value = value * 10 + (s.front() - '0');
        s.remove_prefix(1);
        ++digits;
    }
    return digits > 0;
}

bool ParseTime(std::string_view s, int& h, int& mi, int& se) {
    se = 0;
    if (!ReadInt(s, h, 2) || s.empty() || s.front() != ':') return false;
    s.remove_prefix(1);
    if (!ReadInt(s, mi, 2)) return false;
    if (!s.empty() && s.front() == ':') {
        s.remove_prefix(1);
        if (!ReadInt(s, se, 2)) return false;
    }
    s = Trim(s);
    if (!s.empty()) return false;
    return h < 24 && mi < 60 && se < 60;
}

bool ValidDate(int y, int m, int d) {
    if (y < 100 || y > 9999 || m < 1 || m > 12 || d < 1) return false;
    static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int last = kDays[m - 1];
    if (m == 2 && ((y % 4 == 0 && y % 100 != 0) || y % 400 == 0)) last = 29;
    return d <= last;
}

// Date text: dd/mm/yyyy (also "-" or "." between), yyyy-mm-dd, each with an
// optional time hh:mm[:ss]; or a time alone.
bool ParseDate(std::string_view text, double& serial) {
    std::string_view s = Trim(text);
    if (s.empty()) return false;
    int h = 0, mi = 0, se = 0;
    if (ParseTime(s, h, mi, se)) {
        serial = DateToSerial(1899, 12, 30, h, mi, se);
        return true;
    }
    h = mi = se = 0;
    int a = 0, b = 0, c = 0;
    std::string_view rest = s;
    int digitsA = 0;
    {
        std::string_view probe = rest;
        while (!probe.empty() && probe.front() >= '0' && probe.front() <= '9') {
            ++digitsA;
            probe.remove_prefix(1);
        }
    }
    if (!ReadInt(rest, a, 4) || rest.empty()) return false;
    const char sep = rest.front();
    if (sep != '/' && sep != '-' && sep != '.') return false;
    rest.remove_prefix(1);
    if (!ReadInt(rest, b, 2) || rest.empty() || rest.front() != sep) return false;
    rest.remove_prefix(1);
    int digitsC = 0;
    {
        std::string_view probe = rest;
        while (!probe.empty() && probe.front() >= '0' && probe.front() <= '9') {
            ++digitsC;
            probe.remove_prefix(1);
        }
    }
    if (!ReadInt(rest, c, 4)) return false;
    int year, month, day;
    if (digitsA == 4) {
        year = a; month = b; day = c;
    } else {
        day = a; month = b; year = c;
        if (digitsC <= 2) year += year < 30 ? 2000 : 1900;
    }
    if (!ValidDate(year, month, day)) return false;
    rest = Trim(rest);
    if (!rest.empty()) {
        if (rest.front() == 'T') rest.remove_prefix(1);
        if (!ParseTime(rest, h, mi, se)) return false;
    }
    serial = DateToSerial(year, month, day, h, mi, se);
    return true;
}

// Basic rounds to the nearest even integer when converting to an integer type.
double RoundEven(double x) { return std::nearbyint(x); }

std::int64_t ToIntegerInRange(double x, double lo, double hi) {
    double r = RoundEven(x);
    if (!(r >= lo && r <= hi)) Raise(vb::kOverflow);
    return static_cast<std::int64_t>(r);
}

std::string FormatDouble(double x, int significant) {
    if (x == 0) return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*G", significant, x);
    std::string s = buffer;
    std::string mantissa = s, exponent;
    auto e = s.find('E');
    if (e != std::string::npos) {
        mantissa = s.substr(0, e);
        exponent = s.substr(e + 1);
    }
    if (mantissa.find('.') != std::string::npos) {
        while (!mantissa.empty() && mantissa.back() == '0') mantissa.pop_back();
        if (!mantissa.empty() && mantissa.back() == '.') mantissa.pop_back();
    }
    if (exponent.empty()) return mantissa;
    // Basic writes E+16 / E-10: a sign and no leading zeros.
    char sign = exponent[0];
    std::string digits = exponent.substr(1);
    while (digits.size() > 1 && digits[0] == '0') digits.erase(0, 1);
    return mantissa + "E" + sign + digits;
}

std::string FormatCurrency(std::int64_t scaled) {
    bool negative = scaled < 0;
    std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(scaled) : static_cast<std::uint64_t>(scaled);
    std::string s = std::to_string(magnitude / 10000);
    std::uint64_t frac = magnitude % 10000;
    if (frac != 0) {
        char buffer[8];
        std::snprintf(buffer, sizeof buffer, "%04llu", static_cast<unsigned long long>(frac));
        std::string f = buffer;
        while (f.back() == '0') f.pop_back();
        s += "." + f;
    }
    return negative ? "-" + s : s;
}

std::string FormatDate(double serial) {
    int y, mo, d, h, mi, s;
    SerialToDate(serial, y, mo, d, h, mi, s);
    char buffer[40];
    if (h == 0 && mi == 0 && s == 0)
        std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d", d, mo, y);
    else
        std::snprintf(buffer, sizeof buffer, "%02d/%02d/%04d %02d:%02d:%02d", d, mo, y, h, mi, s);
    return buffer;
}

} // namespace

Variant::Variant(const char* text) : type_(VarType::String), value_(std::string(text ? text : "")) {}
Variant::Variant(std::string text) : type_(VarType::String), value_(std::move(text)) {}
Variant::Variant(bool value) : type_(VarType::Boolean), value_(value) {}
Variant::Variant(int value) : type_(VarType::Long), value_(static_cast<std::int64_t>(value)) {}

Variant Variant::Null() {
    Variant v;
    v.type_ = VarType::Null;
    return v;
}

Variant Variant::Byte(std::uint8_t value) {
    Variant v;
    v.type_ = VarType::Byte;
    v.value_ = static_cast<std::int64_t>(value);
    return v;
}

Variant Variant::Integer(std::int16_t value) {
    Variant v;
    v.type_ = VarType::Integer;
    v.value_ = static_cast<std::int64_t>(value);
    return v;
}

Variant Variant::Long(std::int32_t value) {
    Variant v;
    v.type_ = VarType::Long;
    v.value_ = static_cast<std::int64_t>(value);
    return v;
}

Variant Variant::Single(float value) {
    Variant v;
    v.type_ = VarType::Single;
    v.value_ = static_cast<double>(value);
    return v;
}

Variant Variant::Double(double value) {
    Variant v;
    v.type_ = VarType::Double;
    v.value_ = value;
    return v;
}

Variant Variant::CurrencyScaled(std::int64_t tenThousandths) {
    Variant v;
    v.type_ = VarType::Currency;
    v.value_ = tenThousandths;
    return v;
}

Variant Variant::Currency(double value) {
    return CurrencyScaled(ToIntegerInRange(value * 10000.0, -9.223372036854775e18, 9.223372036854775e18));
}

Variant Variant::Date(double serialDays) {
    Variant v;
    v.type_ = VarType::Date;
    v.value_ = serialDays;
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
    return type_ == other.type_ && value_ == other.value_;
}

void SerialToDate(double serial, int& year, int& month, int& day, int& hour, int& minute, int& second) {
    // Basic's serial: the integer part counts days, the fraction is the time of
    // day whatever the sign.
    double whole = std::trunc(serial);
    double fraction = std::fabs(serial - whole);
    long long seconds = std::llround(fraction * 86400.0);
    std::int64_t days = static_cast<std::int64_t>(whole);
    if (seconds >= 86400) {
        seconds -= 86400;
        days += serial < 0 ? -1 : 1;
    }
    CivilFromDays(days + kEpochOffset, year, month, day);
    hour = static_cast<int>(seconds / 3600);
    minute = static_cast<int>(seconds / 60 % 60);
    second = static_cast<int>(seconds % 60);
}

double DateToSerial(int year, int month, int day, int hour, int minute, int second) {
    // Month and day out of range roll over as DateSerial does.
    std::int64_t y = year + (month - 1) / 12;
    int m = (month - 1) % 12;
    if (m < 0) {
        m += 12;
        --y;
    }
    double days = static_cast<double>(DaysFromCivil(y, static_cast<unsigned>(m + 1), 1) - kEpochOffset + (day - 1));
    double time = (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
    return days < 0 ? days - time : days + time;
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
