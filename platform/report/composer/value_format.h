#pragma once
// How a declared value is written on paper: one formatter for numbers and
// one for dates, chosen by the value's type.
#include <optional>
#include <string>

#include <QString>

#include "report/composer/decimal_text.h"
#include "report/model/definitions.h"
#include "report/model/layout.h"

namespace report {

// The value of a variable or field in the given format; an undeclared one
// (nullptr) or a Null prints as nothing.
QString FormatValue(const Definition* value, ValueFormat format);

// The declared value with its type: as the caller typed it, or else read
// once from the contents the caller gave as text (by the column's type,
// then by the type code).
FieldValue TypedValue(const Definition& value);

// A number's exact decimal digits: a Double with the 15 significant digits
// it holds (a Single 7), money to its ten-thousandths; nullopt for a value
// that is no number.
std::optional<Decimal> DecimalOf(const FieldValue& value);

// What Auto means for a value: by its column's type when the caller gave
// it (Currency an amount, Yes/No as Sì/No, dates as dates, numbers as
// numbers), else by the value's type, else by the type code.
ValueFormat ResolvedFormat(const Definition& value);

// A box's format as it shows the value: Auto as the value's type shows it;
// an undeclared value as text.
ValueFormat ShownFormat(const Definition* value, ValueFormat format);

// Amounts and numbers stand right, the rest left.
Align AlignFor(ValueFormat resolved);

// A number written with "." or "," as decimal separator; nullopt when the
// text is not one.
std::optional<double> ParseNumber(const std::string& text);

// A date serial number (days since 30 December 1899, time as the fraction)
// as dd/mm/yyyy, with hh:mm when it holds a time of day; a time alone (day
// 0) as hh:mm. Only the stored number's binary noise is undone, then the
// time is cut to the minute: never the next minute or day. A serial outside
// the years 100 to 9999 prints as the number it is.
QString DateText(double serial);

} // namespace report
