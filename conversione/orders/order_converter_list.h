#pragma once
// The converters of the orders group, one function each; OrderConverters()
// gathers them for the run.
#include <vector>

#include "run/table_converter.h"

namespace conversione::orders {

TableConverter CustomerOrders();
TableConverter CustomerOrderLines();
TableConverter SupplierOrders();
TableConverter SupplierOrderLines();
TableConverter Quotes();
TableConverter QuoteLines();

} // namespace conversione::orders

namespace conversione {

std::vector<TableConverter> OrderConverters();

} // namespace conversione
