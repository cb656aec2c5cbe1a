#include "run/log_lines.h"

namespace conversione {

void WriteFinalLine(ConversionState& state, const std::string& line) {
    state.view.AppendLog(line);
    state.view.SelectLastLogLine();
}

void WriteTableErrorLine(ConversionState& state, const std::string& errorPrefix, int errorNumber) {
    ++state.tableErrorLines;
    WriteFinalLine(state, errorPrefix + std::to_string(errorNumber));
}

} // namespace conversione
