#pragma once
// The emptying of the version-7 tables that a confirmed run converts into.
#include <string>
#include <vector>

#include "run/conversion_session.h"

namespace conversione {

// Deletes the rows of the target tables before the converters run.
void EmptyTargetTables(ConversionSession& session);

// The tables EmptyTargetTables empties, in its order (names as written in its
// statements): headers, registries and lookups, then the document line tables.
const std::vector<std::string>& EmptiedTables();

} // namespace conversione
