// Supplier orders keep a field order of their own: the party, a few terms,
// the VAT brackets without the discounted amounts, three totals with
// "tordine" for "tfattura", the delivery date, carrier and VAT exemption out
// of their group's order, then the instalments.
#include "documents/document_fields.h"
#include "orders/order_converter_list.h"
#include "run/field_list.h"

namespace conversione::orders {

TableConverter SupplierOrders() {
    using namespace header_groups;
    return {
        .name = "ConvertSupplierOrders",
        .sourceTable = "ordifor",
        .targetTable = "ordifor",
        .fields = Concat({Party(),
                          Pick(Terms(), {"tipobolla", "tipopag", "modpag", "valuta", "conversionrate"}),
                          Without(VatBrackets(), {"Scontato1", "Scontato2", "Scontato3", "Scontato4", "Scontato5"}),
                          Pick(Replace(Totals(), "tfattura", Copy("tordine")), {"timponibile", "timposta", "tordine"}),
                          Copies({"dataconsegna"}),
                          Pick(Terms(), {"vettore", "esenteiva"}),
                          Instalments()}),
        .emptyLine = "TABELLA ORDINI FORNITORI nessuna voce presente",
        .countPrefix = "TABELLA ORDINE FORNITORI convertite ",
        .errorPrefix = "TABELLA ORDINE FORNITORI Errore nr. ",
    };
}

TableConverter SupplierOrderLines() {
    return {
        .name = "ConvertSupplierOrderLines",
        .sourceTable = "ordifor_voci",
        .targetTable = "Ordifor_voci",
        .fields = DocumentLineFields(),
        .emptyLine = "TABELLA Voci ORDINI FORNITORE  nessuna voce presente",
        .countPrefix = "TABELLA Voci ORDINI FORNITORE  convertite ",
        .errorPrefix = "TABELLA Voci ORDINE FORNITORE Errore nr. ",
    };
}

} // namespace conversione::orders
