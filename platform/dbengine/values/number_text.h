#pragma once
// Internal to Variant: numbers as Basic reads and writes them as text, and
// Currency's exact ten-thousandths.
#include <cstdint>
#include <string>
#include <string_view>

namespace dao {

// Text to number: optional sign, digits, one decimal separator "." or ",",
// optional exponent. False when the text is no number.
bool ParseNumber(std::string_view text, double& out);

// The number with at most that many significant digits, trailing zeros
// dropped, "." as decimal separator, an exponent written as Basic does (E+16).
std::string FormatDouble(double x, int significant);

// The number as a count of ten-thousandths, rounded a half to the even
// neighbour through its decimal digits; past Currency's range 6 (overflow).
std::int64_t ExactTenThousandths(double value);

// A count of ten-thousandths as Basic writes a Currency value.
std::string FormatCurrency(std::int64_t scaled);

} // namespace dao
