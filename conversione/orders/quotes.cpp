// Quotes: the common header list without the instalments, "tpreventivo" for
// "tfattura". Their lines take the common line list whole.
#include "documents/document_fields.h"
#include "orders/order_converter_list.h"
#include "run/field_list.h"

namespace conversione::orders {

TableConverter Quotes() {
    using namespace header_groups;
    return {
        .name = "ConvertQuotes",
        .sourceTable = "preventivo",
        .targetTable = "preventivo",
        .fields = Concat({Party(), Terms(), VatBrackets(),
                          Replace(Totals(), "tfattura", Copy("tpreventivo"))}),
        .emptyLine = "TABELLA PREVENTIVO nessuna voce presente",
        .countPrefix = "TABELLA PREVENTIVO convertite ",
        .errorPrefix = "TABELLA PREVENTIVO Errore nr. ",
    };
}

TableConverter QuoteLines() {
    return {
        .name = "ConvertQuoteLines",
        .sourceTable = "Preventivo_voci",
        .targetTable = "Preventivo_voci",
        .fields = DocumentLineFields(),
        .emptyLine = "TABELLA Voci PREVENTIVI  nessuna voce presente",
        .countPrefix = "TABELLA Voci PREVENTIVI  convertite ",
        .errorPrefix = "TABELLA Voci PREVENTIVI Errore nr. ",
    };
}

} // namespace conversione::orders
