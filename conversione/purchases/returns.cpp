// Returns: the head of the party group and the printed flag. Their lines keep
// code, article, quantity, reference and their own depot.
#include "documents/document_fields.h"
#include "purchases/purchase_converter_list.h"
#include "run/field_list.h"

namespace conversione::purchases {

TableConverter Returns() {
    return {
        .name = "ConvertReturns",
        .sourceTable = "resi",
        .targetTable = "resi",
        .fields = Concat({Through(header_groups::Party(), "nazione"), Copies({"stampata"})}),
        // Two blanks after the label, but one before "Errore".
        .emptyLine = "TABELLA  RESI  nessuna voce presente",
        .countPrefix = "TABELLA  RESI  convertite ",
        .errorPrefix = "TABELLA  RESI Errore nr. ",
    };
}

TableConverter ReturnLines() {
    return {
        .name = "ConvertReturnLines",
        .sourceTable = "resi_voci",
        .targetTable = "resi_voci",
        .fields = Concat({Without(DocumentLineFields(), {"unità", "prezzo", "iva", "sconto", "importo"}),
                          Copies({"codicedeposito"})}),
        .emptyLine = "TABELLA Voci RESI  nessuna voce presente",
        .countPrefix = "TABELLA Voci RESI  convertite ",
        .errorPrefix = "TABELLA Voci RESI Errore nr. ",
    };
}

} // namespace conversione::purchases
