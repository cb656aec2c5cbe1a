#include "sales/invoice_converters.h"

namespace conversione {

std::vector<TableConverter> SalesConverters() {
    return {
        ProformaInvoicesConverter(),
        ProformaInvoiceLinesConverter(),
        SalesInvoicesConverter(),
        SalesInvoiceLinesConverter(),
    };
}

} // namespace conversione
