#pragma once
// Internal to Variant: the date range, date texts and blanks. SerialToDate and
// DateToSerial (date_serials.h) live in variant_dates.cpp too.
#include <string>
#include <string_view>

#include "dbengine/values/date_serials.h"

namespace dao {

// Dates Basic accepts: 1 January 100 .. 31 December 9999.
inline constexpr double kMinDate = -657434.0;
inline constexpr double kMaxDate = 2958465.99999;

// The text without blanks (space, tab, CR, LF) at either end.
std::string_view Trim(std::string_view s);

// Date text: dd/mm/yyyy (also "-" or "." between), yyyy-mm-dd, each with an
// optional time hh:mm[:ss]; or a time alone. False when the text is no date.
bool ParseDate(std::string_view text, double& serial);

// dd/mm/yyyy, with " hh:mm:ss" unless the time is midnight.
std::string FormatDate(double serial);

} // namespace dao
