#include "registries/registry_fields.h"

#include "run/field_list.h"

namespace conversione {

namespace registry_groups {

const FieldList& Address() {
    static const FieldList list = Copies(
        {"id tabella", "nominativo", "seconda_riga", "indirizzo", "citta", "pr", "cap"});
    return list;
}

const FieldList& SecondAddress() {
    static const FieldList list =
        Copies({"ragione2", "seconda2", "magazzino", "citta2", "pr2", "cap2"});
    return list;
}

const FieldList& TaxCode() {
    static const FieldList list = Copies({"codfis", "piva", "pivacee"});
    return list;
}

const FieldList& Contact() {
    static const FieldList list =
        Copies({"tel", "tel2", "fax", "fax2", "telcont", "contatto"});
    return list;
}

const FieldList& Bank() {
    static const FieldList list = Copies(
        {"banca", "baabi", "bacab", "baconto", "banca2", "baabi2", "bacab2", "baconto2"});
    return list;
}

} // namespace registry_groups

const FieldList& RegistryFields() {
    using namespace registry_groups;
    static const FieldList list = Concat({Address(), SecondAddress(), TaxCode(), Contact(), Bank()});
    return list;
}

} // namespace conversione
