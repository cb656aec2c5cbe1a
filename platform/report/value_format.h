#pragma once
// How a declared value is written on paper.
#include <optional>
#include <string>

#include <QString>

#include "report/definitions.h"
#include "report/layout.h"

namespace report {

// The value of a variable or field in the given format; an undeclared one
// (nullptr) prints as nothing.
QString FormatValue(const Definition* value, ValueFormat format);

// A number written with "." or "," as decimal separator; nullopt when the
// text is not one.
std::optional<double> ParseNumber(const std::string& text);

// A date serial number (days since 30 December 1899, time as the fraction)
// as dd/mm/yyyy, with hh:mm when it holds a time of day.
QString DateText(double serial);

} // namespace report
