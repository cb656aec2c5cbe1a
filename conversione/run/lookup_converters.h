#pragma once
// The lookup tables and the configuration, as converter data.
#include <vector>

#include "run/table_converter.h"

namespace conversione {

std::vector<TableConverter> LookupConverters();

} // namespace conversione
