#pragma once
// The converters of the purchases group (delivery notes, purchase invoices,
// payments, stock movements, returns), one function each;
// PurchaseConverters() gathers them for the run.
#include <vector>

#include "run/table_converter.h"

namespace conversione::purchases {

TableConverter DeliveryNotes();
TableConverter DeliveryNoteLines();
TableConverter PurchaseInvoices();
TableConverter PurchaseInvoiceLines();
TableConverter CustomerPayments();
TableConverter SupplierPayments();
TableConverter StockMovements();
TableConverter Returns();
TableConverter ReturnLines();

} // namespace conversione::purchases

namespace conversione {

std::vector<TableConverter> PurchaseConverters();

} // namespace conversione
