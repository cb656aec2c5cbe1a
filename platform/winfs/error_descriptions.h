#pragma once
// The operator's words for every error number of the programs: the Basic and
// file-layer numbers, the zip component's, the restore's and the database
// engine's, all in one table. Messages show them on the line after a number.
#include <string>

#include "winfs/runtime_error.h"

namespace vb {

// The Italian description of `number`, "" for a number nothing here gives.
std::string Describe(int number);

// The table's description of the error's number; the error's own where the
// table has none.
std::string DescriptionOf(const RuntimeError& error);

} // namespace vb
