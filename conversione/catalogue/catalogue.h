#pragma once
// Every converter of the system, gathered from the groups that list them (in
// any order), and the run order that the run driver is given. Above the
// groups, which build on the run driver and know nothing of each other.
#include <string>
#include <vector>

#include "run/table_converter.h"

namespace conversione {

// The 46 converter names in the order the run calls them.
const std::vector<std::string>& RunOrder();

// The converters in run order; a name no group provides is left out.
const std::vector<TableConverter>& ConvertersInRunOrder();

} // namespace conversione
