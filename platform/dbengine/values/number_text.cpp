// Numbers as Basic reads and writes them as text, and Currency's exact
// ten-thousandths.
#include "dbengine/values/number_text.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "dbengine/values/errors.h"
#include "dbengine/values/variant_dates.h"   // Trim

namespace dao {

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

// A number as a count of ten-thousandths, through its decimal digits: the
// shortest text that reads back as the same double (what was stored), then
// rounded to four decimals a half to the even neighbour. Multiplying the
// double by 10000 instead loses digits above about 9E11, and a product past
// 64 bits wraps its sign.
std::int64_t ExactTenThousandths(double value) {
    constexpr double kBeyondCurrency = 1e15;
    if (!(std::fabs(value) < kBeyondCurrency)) Raise(vb::kOverflow);
    // Below 2^35 a double is finer than 1E-4, so at most one number of four
    // decimals reads as it: when one does (every amount the engine stores),
    // that number is also the shortest text, and the digits need not be
    // written out.
    constexpr double kOneReading = 34359738368.0;   // 2^35
    if (std::fabs(value) < kOneReading) {
        const double nearest = std::nearbyint(value * 10000.0);
        if (nearest / 10000.0 == value) return static_cast<std::int64_t>(nearest);
    }
    char text[64];
    const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed);
    std::string_view digits(text, static_cast<std::size_t>(written.ptr - text));
    const bool negative = !digits.empty() && digits[0] == '-';
    if (negative) digits.remove_prefix(1);
    const std::size_t point = std::min(digits.find('.'), digits.size());
    std::string_view fraction = point < digits.size() ? digits.substr(point + 1) : std::string_view();
    std::uint64_t magnitude = 0;
    for (char c : digits.substr(0, point)) magnitude = magnitude * 10 + static_cast<std::uint64_t>(c - '0');
    for (std::size_t i = 0; i < 4; ++i)
        magnitude = magnitude * 10 + (i < fraction.size() ? static_cast<std::uint64_t>(fraction[i] - '0') : 0);
    if (fraction.size() > 4) {
        const std::string_view rest = fraction.substr(4);
        const bool aboveHalf = rest[0] > '5' || (rest[0] == '5' && rest.find_first_not_of('0', 1) != std::string_view::npos);
        if (aboveHalf || (rest[0] == '5' && magnitude % 2 == 1)) ++magnitude;
    }
    const std::uint64_t largest = static_cast<std::uint64_t>(INT64_MAX);
    if (magnitude > largest) Raise(vb::kOverflow);
    const auto signedMagnitude = static_cast<std::int64_t>(magnitude);
    return negative ? -signedMagnitude : signedMagnitude;
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

} // namespace dao
