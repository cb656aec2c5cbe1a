#pragma once
// Binding the two data controls to the files named in the window, noting the
// side being bound so that a missing file or table can be told apart.
#include <string>

#include "run/conversion_state.h"

namespace conversione {

// Data1 := the source file and the table, Refresh.
void BindSource(ConversionState& state, const std::string& table);
// Data1.Refresh again (back on the first row).
void RebindSource(ConversionState& state);
// Data2 := the target file and the table, Refresh.
void BindTarget(ConversionState& state, const std::string& table);

} // namespace conversione
