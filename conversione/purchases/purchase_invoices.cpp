// Purchase invoices: the head of the party group with the supplier's own
// number and date, part of the terms group, the totals without the stock flag
// and the whole instalment group. Their lines drop unit and VAT code and carry
// the supplier's article code and the depot.
#include <utility>

#include "documents/document_fields.h"
#include "purchases/purchase_converter_list.h"
#include "run/field_list.h"

namespace conversione::purchases {
namespace {

FieldList PurchaseInvoiceParty() {
    FieldList l = Through(header_groups::Party(), "seconda_riga");
    l = InsertAfter(std::move(l), "fattura_n", Copies({"n_fornitore"}));
    return InsertAfter(std::move(l), "data_fattura", Copies({"data_fornitore"}));
}

} // namespace

TableConverter PurchaseInvoices() {
    using namespace header_groups;
    return {
        .name = "ConvertPurchaseInvoices",
        .sourceTable = "fatturaA",
        .targetTable = "fatturaA",
        .fields = Concat({PurchaseInvoiceParty(),
                          Pick(Terms(), {"esenteiva", "tipobolla", "scontosino", "sconto1", "sconto2", "camponote",
                                         "tipopag", "modpag", "valuta", "conversionrate"}),
                          Without(Totals(), {"scaricato"}), Copies({"stampata"}), Instalments(),
                          Copies({"bolli", "interessi", "cauzione", "reso"})}),
        .emptyLine = "TABELLA FATTURA ACQUISTO nessuna voce presente",
        .countPrefix = "TABELLA FATTURA ACQUISTO convertite ",
        .errorPrefix = "TABELLA FATTURA ACQUISTO Errore nr. ",
    };
}

TableConverter PurchaseInvoiceLines() {
    return {
        .name = "ConvertPurchaseInvoiceLines",
        .sourceTable = "fatturaA_voci",
        .targetTable = "fatturaa_voci",   // the same table; names match without regard to case
        .fields = Concat({Without(DocumentLineFields(), {"unità", "iva"}), Copies({"codicefornitore", "codicedep"})}),
        .emptyLine = "TABELLA Voci FATTURA ACQUISTO nessuna voce presente",
        .countPrefix = "TABELLA Voci FATTURA ACQUISTO convertite ",
        .errorPrefix = "TABELLA Voci FATTURA ACQUISTO Errore nr. ",
    };
}

} // namespace conversione::purchases
