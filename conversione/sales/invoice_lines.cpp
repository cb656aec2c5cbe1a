#include "documents/document_fields.h"
#include "run/field_list.h"
#include "sales/invoice_converters.h"

namespace conversione {

// "id voce" is left to the target table's own value for a new row.
const FieldList& SalesInvoiceLineFields() {
    static const FieldList list =
        Concat({Without(DocumentLineFields(), {"id voce"}), Copies({"codicedeposito"})});
    return list;
}

TableConverter ProformaInvoiceLinesConverter() {
    return {
        .name = "ConvertProformaInvoiceLines",
        .sourceTable = "fatturaPF_voci",
        .targetTable = "fatturaPF_voci",
        .fields = DocumentLineFields(),
        .emptyLine = "TABELLA Voci FATTURA PROFORMA nessuna voce presente",
        .countPrefix = "TABELLA Voci FATTURA PROFORMA convertite ",
        .errorPrefix = "TABELLA Voci FATTURA PROFORMA Errore nr. ",
    };
}

// The label is followed by two blanks in all three literals.
TableConverter SalesInvoiceLinesConverter() {
    return {
        .name = "ConvertSalesInvoiceLines",
        .sourceTable = "fatturaV_voci",
        .targetTable = "fatturaV_voci",
        .fields = SalesInvoiceLineFields(),
        .emptyLine = "TABELLA Voci FATTURA  nessuna voce presente",
        .countPrefix = "TABELLA Voci FATTURA  convertite ",
        .errorPrefix = "TABELLA Voci FATTURA  Errore nr. ",
    };
}

} // namespace conversione
