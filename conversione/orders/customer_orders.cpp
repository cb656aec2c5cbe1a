// Customer orders: the common header list up to the totals, with "tordine"
// for "tfattura" and the delivery date last; no instalments. Their lines take
// the common line list whole.
#include "documents/document_fields.h"
#include "orders/order_converter_list.h"
#include "run/field_list.h"

namespace conversione::orders {

TableConverter CustomerOrders() {
    using namespace header_groups;
    return {
        .name = "ConvertCustomerOrders",
        .sourceTable = "ordicli",
        .targetTable = "ordicli",
        .fields = Concat({Party(), Terms(), VatBrackets(),
                          Replace(Totals(), "tfattura", Copy("tordine")),
                          Copies({"dataconsegna"})}),
        .emptyLine = "TABELLA ORDINE CLIENTE nessuna voce presente",
        .countPrefix = "TABELLA ORDINE CLIENTE convertite ",
        .errorPrefix = "TABELLA ORDINE CLIENTE Errore nr. ",
    };
}

// The error literal reads "ORDINE CLIENTI" where the other two read
// "ORDINI CLIENTE  " (two blanks): the log shows them as they always were.
TableConverter CustomerOrderLines() {
    return {
        .name = "ConvertCustomerOrderLines",
        .sourceTable = "ordicli_voci",
        .targetTable = "Ordicli_voci",
        .fields = DocumentLineFields(),
        .emptyLine = "TABELLA Voci ORDINI CLIENTE  nessuna voce presente",
        .countPrefix = "TABELLA Voci ORDINI CLIENTE  convertite ",
        .errorPrefix = "TABELLA Voci ORDINE CLIENTI Errore nr. ",
    };
}

} // namespace conversione::orders
