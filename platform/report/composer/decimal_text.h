#pragma once
// Numbers kept as their decimal digits, never through binary floating point,
// so that what is printed is exactly what the database holds.
#include <cstdint>
#include <optional>
#include <string>

namespace report {

struct Decimal {
    bool negative = false;
    std::string digits = "0";   // at least one digit before the decimal point
    int scale = 0;              // how many of the digits are decimals
};

// "-1234.5", "0,005", "+7", "1E+16", "1.5E-10"; nullopt for any other text.
std::optional<Decimal> ParseDecimal(const std::string& text);

// To at most places decimals, a half away from zero.
Decimal Rounded(Decimal value, int places);

// A count of ten-thousandths as a decimal.
Decimal FromTenThousandths(std::int64_t tenThousandths);

// The value in whole ten-thousandths; nullopt when it has more than four
// decimals or does not fit 64 bits.
std::optional<std::int64_t> ToTenThousandths(const Decimal& value);

// As the engine writes numbers: "." before the decimals, no trailing zeros.
std::string PlainText(const Decimal& value);

// On paper: thousands points and a decimal comma, with at least minPlaces
// decimals and at most maxPlaces (rounded a half away from zero beyond).
std::string ItalianText(const Decimal& value, int minPlaces, int maxPlaces);

} // namespace report
