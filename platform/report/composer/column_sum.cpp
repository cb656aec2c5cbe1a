#include "report/composer/column_sum.h"

#include <cmath>
#include <charconv>
#include <optional>

namespace report {

namespace {

// As many digits as a double holds, the engine's own text form of one.
constexpr int kDoubleDigits = 15;

} // namespace

void ColumnSum::Add(const std::string& contents) {
    if (const std::optional<Decimal> value = ParseDecimal(contents)) Add(*value);
}

void ColumnSum::Add(const Decimal& value) {
    if (exact_) {
        const std::optional<std::int64_t> scaled = ToTenThousandths(value);
        exact_ = scaled && !__builtin_add_overflow(tenThousandths_, *scaled, &tenThousandths_);
    }
    // Not strtod: the program's locale may want a decimal comma.
    const std::string plain = PlainText(value);
    double x = 0;
    std::from_chars(plain.data(), plain.data() + plain.size(), x);
    const double t = sum_ + x;
    lost_ += std::fabs(sum_) >= std::fabs(x) ? (sum_ - t) + x : (x - t) + sum_;
    sum_ = t;
}

FieldValue ColumnSum::Total() const {
    FieldValue total;
    if (exact_) {
        total.kind = FieldValue::Kind::Currency;
        total.integer = tenThousandths_;
    } else {
        total.kind = FieldValue::Kind::Number;
        total.number = sum_ + lost_;
        total.digits = kDoubleDigits;
    }
    return total;
}

std::string ColumnSum::Text() const {
    if (exact_) return PlainText(FromTenThousandths(tenThousandths_));
    char text[64];
    const auto written =
        std::to_chars(text, text + sizeof text, sum_ + lost_, std::chars_format::general, kDoubleDigits);
    const std::optional<Decimal> total = ParseDecimal(std::string(text, written.ptr));
    return total ? PlainText(*total) : "0";
}

} // namespace report
