#include "sales/invoice_converters.h"

#include <utility>

#include "documents/document_fields.h"
#include "run/field_list.h"

namespace conversione {

const FieldList& SalesInvoiceFields() {
    static const FieldList list = [] {
        FieldList l = DocumentHeaderFields();
        l = InsertAfter(std::move(l), "anno_fattura", Copies({"mese_fattura"}));
        // The two databases spell this field with different case; the engine
        // matches names without regard to case, so both literals are kept.
        l = InsertAfter(std::move(l), "provvagente", {Copy("Imponibileagente", "imponibileagente")});
        l = InsertAfter(std::move(l), "tipopag", Copies({"ratenr"}));
        l = InsertAfter(std::move(l), "scaricato", Copies({"stampata"}));
        l = InsertAfter(std::move(l), "rata12d",
                        Copies({"data", "ora", "colli", "peso", "bolli", "interessi", "cauzione",
                                "reso", "banca", "abi", "cab", "swift", "riferimento",
                                "agenteeuro", "ccnumero", "iban"}));
        return l;
    }();
    return list;
}

TableConverter ProformaInvoicesConverter() {
    return {
        .name = "ConvertProformaInvoices",
        .sourceTable = "fatturaPF",
        .targetTable = "fatturaPF",
        .fields = DocumentHeaderFields(),
        .emptyLine = "TABELLA FATTURA PROFORMA nessuna voce presente",
        .countPrefix = "TABELLA FATTURA PROFORMA convertite ",
        .errorPrefix = "TABELLA FATTURA PROFORMA Errore nr. ",
    };
}

// The label is followed by two blanks in all three literals.
TableConverter SalesInvoicesConverter() {
    return {
        .name = "ConvertSalesInvoices",
        .sourceTable = "fatturaV",
        .targetTable = "fatturaV",
        .fields = SalesInvoiceFields(),
        .emptyLine = "TABELLA FATTURA  nessuna voce presente",
        .countPrefix = "TABELLA FATTURA  convertite ",
        .errorPrefix = "TABELLA FATTURA  Errore nr. ",
    };
}

} // namespace conversione
