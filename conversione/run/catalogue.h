#pragma once
// Every converter of the system, by group, and the run order that the run
// driver follows.
#include <string>
#include <vector>

#include "run/table_converter.h"

namespace conversione {

// Each group lists its converters (any order); the run order places them.
std::vector<TableConverter> LookupConverters();     // run/: lookup tables and configuration
std::vector<TableConverter> RegistryConverters();   // registries/
std::vector<TableConverter> SalesConverters();      // sales/
std::vector<TableConverter> OrderConverters();      // orders/
std::vector<TableConverter> PurchaseConverters();   // purchases/

// The 46 converter names in the order the run calls them.
const std::vector<std::string>& RunOrder();

// The converters in run order; a name no group provides is left out.
const std::vector<TableConverter>& ConvertersInRunOrder();

} // namespace conversione
