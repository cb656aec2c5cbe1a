#include "run/log_lines.h"

namespace conversione {

void WriteFinalLine(ConversionView& view, const std::string& line) {
    view.AppendLog(line);
    view.SelectLastLogLine();
}

void WriteTableErrorLine(ConversionView& view, RunCounts& counts, const std::string& errorPrefix, int errorNumber) {
    ++counts.tableErrorLines;
    WriteFinalLine(view, errorPrefix + std::to_string(errorNumber));
}

} // namespace conversione
