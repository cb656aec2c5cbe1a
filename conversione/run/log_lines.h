#pragma once
// The log lines that end a table or a run: appended, then the last line is
// selected so that it scrolls into view.
#include <string>

#include "run/conversion_state.h"

namespace conversione {

void WriteFinalLine(ConversionState& state, const std::string& line);

// TableErrorLine: the converter's prefix and the error number; counted so
// that the run can end with its error summary.
void WriteTableErrorLine(ConversionState& state, const std::string& errorPrefix, int errorNumber);

} // namespace conversione
