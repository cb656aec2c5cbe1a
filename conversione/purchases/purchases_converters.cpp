#include "purchases/purchase_converter_list.h"

namespace conversione {

std::vector<TableConverter> PurchaseConverters() {
    using namespace purchases;
    return {DeliveryNotes(),    DeliveryNoteLines(), PurchaseInvoices(), PurchaseInvoiceLines(), StockMovements(),
            CustomerPayments(), SupplierPayments(),  Returns(),          ReturnLines()};
}

} // namespace conversione
