#pragma once
// How a declared value is written on paper.
#include <optional>
#include <string>

#include <QString>

#include "report/model/definitions.h"
#include "report/model/layout.h"

namespace report {

// The value of a variable or field in the given format; an undeclared one
// (nullptr) prints as nothing.
QString FormatValue(const Definition* value, ValueFormat format);

// What Auto means for a value: by its column's type when the caller gave
// it (Currency an amount, Yes/No as Sì/No, dates as dates, numbers as
// numbers), else by the type code.
ValueFormat ResolvedFormat(const Definition& value);

// Amounts and numbers stand right, the rest left.
Align AlignFor(ValueFormat resolved);

// A number written with "." or "," as decimal separator; nullopt when the
// text is not one.
std::optional<double> ParseNumber(const std::string& text);

// A date serial number (days since 30 December 1899, time as the fraction)
// as dd/mm/yyyy, with hh:mm when it holds a time of day (seconds dropped);
// a time alone (day 0) as hh:mm.
QString DateText(double serial);

} // namespace report
