// Delivery notes: most of the party group with the document month, part of the
// terms group with the transport fields, and fixed price-list and stock flags.
// Their lines take the common line list and the depot "DEP".
#include <utility>

#include "documents/document_fields.h"
#include "purchases/purchase_converter_list.h"
#include "run/field_list.h"

namespace conversione::purchases {
namespace {

// The month of the document date as "01".."12"; a Null date gives a Null month,
// a text that is no date rises to the run as error 13.
FieldList DeliveryNoteParty() {
    FieldList l = Without(header_groups::Party(), {"pivacee"});
    return InsertAfter(std::move(l), "anno_fattura", {MonthOf("mese_fattura", "data_fattura")});
}

FieldList DeliveryNoteTerms() {
    FieldList l = Without(header_groups::Terms(),
                          {"vettore2", "vetindi2", "vetcit2", "scontosino", "sconto1", "sconto2", "agente",
                           "codeagente", "provvagente", "tipopag", "modpag", "valuta", "conversionrate"});
    // Fixed texts, whatever version 6 holds.
    l = Replace(std::move(l), "%listino", Constant("%listino", dao::Variant("0")));
    l = Replace(std::move(l), "desclistino", Constant("Desclistino", dao::Variant("A")));
    l = InsertAfter(std::move(l), "tipobolla", Copies({"colli", "peso"}));
    l = InsertAfter(std::move(l), "porto", Copies({"data", "ora"}));
    return InsertAfter(std::move(l), "vetcit", Copies({"stampata"}));
}

} // namespace

TableConverter DeliveryNotes() {
    return {
        .name = "ConvertDeliveryNotes",
        .sourceTable = "ddt",
        .targetTable = "ddt",
        // Of the totals only the stock flag, always False.
        .fields = Concat({DeliveryNoteParty(), DeliveryNoteTerms(),
                          {Constant("scaricato", dao::Variant(false))}}),
        .emptyLine = "TABELLA DDT nessuna voce presente",
        .countPrefix = "TABELLA DDT convertite ",
        .errorPrefix = "TABELLA DDT Errore nr. ",
    };
}

TableConverter DeliveryNoteLines() {
    return {
        .name = "ConvertDeliveryNoteLines",
        .sourceTable = "ddt_voci",
        .targetTable = "ddt_voci",
        .fields = Concat({DocumentLineFields(), {Constant("codicedeposito", dao::Variant("DEP"))}}),
        .emptyLine = "TABELLA Voci DDT nessuna voce presente",
        .countPrefix = "TABELLA Voci DDT convertite ",
        .errorPrefix = "TABELLA Voci DDT Errore nr. ",
    };
}

} // namespace conversione::purchases
