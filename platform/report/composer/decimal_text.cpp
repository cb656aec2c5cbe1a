#include "report/composer/decimal_text.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace report {

namespace {

// No value the engine writes has an exponent near this; a larger one is no
// amount anybody prints.
constexpr int kLargestExponent = 400;
constexpr int kCurrencyPlaces = 4;

bool IsDigit(char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }

// Leading zeros off, but one digit kept before the decimal point; zero has no sign.
Decimal Normalised(Decimal value) {
    if (value.scale < 0) {
        value.digits.append(static_cast<std::size_t>(-value.scale), '0');
        value.scale = 0;
    }
    const auto needed = static_cast<std::size_t>(value.scale) + 1;
    if (value.digits.size() < needed) value.digits.insert(0, needed - value.digits.size(), '0');
    std::size_t zeros = 0;
    while (value.digits.size() - zeros > needed && value.digits[zeros] == '0') ++zeros;
    value.digits.erase(0, zeros);
    if (value.digits.find_first_not_of('0') == std::string::npos) value.negative = false;
    return value;
}

std::optional<int> ParseExponent(const std::string& text, std::size_t at) {
    if (at >= text.size()) return 0;
    if (text[at] != 'E' && text[at] != 'e') return std::nullopt;
    ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-')) negative = text[at++] == '-';
    if (at >= text.size()) return std::nullopt;
    int exponent = 0;
    for (; at < text.size(); ++at) {
        if (!IsDigit(text[at]) || exponent > kLargestExponent) return std::nullopt;
        exponent = exponent * 10 + (text[at] - '0');
    }
    return negative ? -exponent : exponent;
}

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

} // namespace

std::optional<Decimal> ParseDecimal(const std::string& raw) {
    const std::string text = Trimmed(raw);
    Decimal value;
    value.digits.clear();
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) value.negative = text[at++] == '-';
    bool point = false;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (IsDigit(c)) {
            value.digits += c;
            if (point) ++value.scale;
        } else if ((c == '.' || c == ',') && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (value.digits.empty()) return std::nullopt;
    const std::optional<int> exponent = ParseExponent(text, at);
    if (!exponent) return std::nullopt;
    value.scale -= *exponent;
    return Normalised(std::move(value));
}

Decimal Rounded(Decimal value, int places) {
    if (value.scale <= places) return value;
    const std::size_t cut = value.digits.size() - static_cast<std::size_t>(value.scale - places);
    const bool up = value.digits[cut] >= '5';
    value.digits.resize(cut);
    value.scale = places;
    for (std::size_t i = cut; up && i-- > 0;) {
        if (value.digits[i] != '9') {
            ++value.digits[i];
            return Normalised(std::move(value));
        }
        value.digits[i] = '0';
    }
    if (up) value.digits.insert(0, 1, '1');
    return Normalised(std::move(value));
}

Decimal FromTenThousandths(std::int64_t tenThousandths) {
    Decimal value;
    value.negative = tenThousandths < 0;
    const std::uint64_t magnitude = value.negative ? 0 - static_cast<std::uint64_t>(tenThousandths)
                                                   : static_cast<std::uint64_t>(tenThousandths);
    value.digits = std::to_string(magnitude);
    value.scale = kCurrencyPlaces;
    return Normalised(std::move(value));
}

std::optional<std::int64_t> ToTenThousandths(const Decimal& value) {
    if (value.scale > kCurrencyPlaces) return std::nullopt;
    const std::string digits = value.digits + std::string(static_cast<std::size_t>(kCurrencyPlaces - value.scale), '0');
    std::uint64_t magnitude = 0;
    const std::uint64_t limit = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    for (const char c : digits) {
        const auto digit = static_cast<std::uint64_t>(c - '0');
        if (magnitude > (limit - digit) / 10) return std::nullopt;
        magnitude = magnitude * 10 + digit;
    }
    const auto signedMagnitude = static_cast<std::int64_t>(magnitude);
    return value.negative ? -signedMagnitude : signedMagnitude;
}

std::string PlainText(const Decimal& value) {
    const std::size_t whole = value.digits.size() - static_cast<std::size_t>(value.scale);
    std::string fraction = value.digits.substr(whole);
    while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
    std::string text = value.negative ? "-" : "";
    text += value.digits.substr(0, whole);
    if (!fraction.empty()) text += "." + fraction;
    return text;
}

std::string ItalianText(const Decimal& exact, int minPlaces, int maxPlaces) {
    const Decimal value = Rounded(exact, maxPlaces);
    const std::size_t whole = value.digits.size() - static_cast<std::size_t>(value.scale);
    std::string fraction = value.digits.substr(whole);
    while (static_cast<int>(fraction.size()) > minPlaces && fraction.back() == '0') fraction.pop_back();
    fraction.append(static_cast<std::size_t>(std::max(0, minPlaces - static_cast<int>(fraction.size()))), '0');
    std::string text = value.negative ? "-" : "";
    for (std::size_t i = 0; i < whole; ++i) {
        if (i > 0 && (whole - i) % 3 == 0) text += '.';
        text += value.digits[i];
    }
    if (!fraction.empty()) text += "," + fraction;
    return text;
}

} // namespace report
