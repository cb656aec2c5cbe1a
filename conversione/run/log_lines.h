#pragma once
// The log lines that end a table or a run: appended, then the last line is
// selected so that it scrolls into view.
#include <string>

#include "run/conversion_view.h"
#include "run/run_counts.h"

namespace conversione {

void WriteFinalLine(ConversionView& view, const std::string& line);

// TableErrorLine: the converter's prefix and the error number; counted so
// that the run can end with its error summary.
void WriteTableErrorLine(ConversionView& view, RunCounts& counts, const std::string& errorPrefix, int errorNumber);

} // namespace conversione
