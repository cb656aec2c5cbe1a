#include "documents/document_fields.h"

#include "run/field_list.h"

namespace conversione {

namespace header_groups {

const FieldList& Party() {
    static const FieldList list = Copies({
        "id fattura", "fattura_n", "anno_fattura", "id_paziente", "nominativo",
        "data_fattura", "seconda_riga", "indirizzo", "citta", "pr", "cap", "nazione",
        "destina2", "seconda2", "indirizzo2", "citta2", "pr2", "cap2", "nazione2",
        "piva", "pivacee", "codfis",
    });
    return list;
}

const FieldList& Terms() {
    static const FieldList list = Copies({
        "listino", "%listino", "desclistino", "esenteiva", "tipobolla", "aspetto",
        "cautra", "trame", "porto", "vettore", "vetindi", "vetcit", "vettore2",
        "vetindi2", "vetcit2", "scontosino", "sconto1", "sconto2", "camponote",
        "agente", "codeagente", "provvagente", "tipopag", "modpag", "valuta",
        "conversionrate",
    });
    return list;
}

// Kind by kind, not bracket by bracket.
const FieldList& VatBrackets() {
    static const FieldList list = Copies({
        "A1", "A2", "A3", "A4", "A5",
        "IMPO1", "IMPO2", "IMPO3", "IMPO4", "IMPO5",
        "Scontato1", "Scontato2", "Scontato3", "Scontato4", "Scontato5",
        "IVA1", "IVA2", "IVA3", "IVA4", "IVA5",
    });
    return list;
}

const FieldList& Totals() {
    static const FieldList list = Copies({"tlordo", "timponibile", "timposta", "tfattura", "scaricato"});
    return list;
}

// Twelve instalments, each as its "c" field then its "d" field.
const FieldList& Instalments() {
    static const FieldList list = Copies({
        "rata1c", "rata1d", "rata2c", "rata2d", "rata3c", "rata3d",
        "rata4c", "rata4d", "rata5c", "rata5d", "rata6c", "rata6d",
        "rata7c", "rata7d", "rata8c", "rata8d", "rata9c", "rata9d",
        "rata10c", "rata10d", "rata11c", "rata11d", "rata12c", "rata12d",
    });
    return list;
}

} // namespace header_groups

const FieldList& DocumentHeaderFields() {
    static const FieldList list = Concat({
        header_groups::Party(), header_groups::Terms(), header_groups::VatBrackets(),
        header_groups::Totals(), header_groups::Instalments(),
    });
    return list;
}

const FieldList& DocumentLineFields() {
    static const FieldList list = Copies({
        "id voce", "id fattura", "codice", "articolo", "unità", "qtà",
        "prezzo", "iva", "sconto", "importo", "rifarticolo",
    });
    return list;
}

} // namespace conversione
