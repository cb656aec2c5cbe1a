#pragma once
// The run driver: checks, confirmation, emptying, every converter in run order.
#include <string>
#include <vector>

#include "run/conversion_state.h"

namespace conversione {

void RunConversion(ConversionState& state);

// Deletes the rows of the target tables before the converters run.
void EmptyTargetTables(ConversionState& state);

// The tables EmptyTargetTables empties, in its order (names as written in its
// statements): headers, registries and lookups, then the document line tables.
const std::vector<std::string>& EmptiedTables();

} // namespace conversione
