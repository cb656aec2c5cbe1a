#pragma once
// The sum of a field over a document's lines, as exact as its values: values
// of at most four decimals (money, whole numbers, most quantities) add up as
// whole ten-thousandths without any loss; others in a compensated binary sum.
#include <cstdint>
#include <string>

#include "report/composer/decimal_text.h"
#include "report/model/definitions.h"

namespace report {

class ColumnSum {
public:
    // A number's exact digits; a value that is no number adds nothing.
    void Add(const Decimal& value);
    // A value's contents as text (read as a number when it is one).
    void Add(const std::string& contents);
    // The total as the engine writes numbers ("." before the decimals).
    std::string Text() const;
    // The total as a typed value: exact ten-thousandths (a Currency, also
    // when nothing was added) or a double.
    FieldValue Total() const;

private:
    std::int64_t tenThousandths_ = 0;
    bool exact_ = true;
    // Neumaier's summation: the low-order bits that the running sum lost.
    double sum_ = 0;
    double lost_ = 0;
};

} // namespace report
