#include "registries/registry_fields.h"

#include <string>

namespace conversione {

namespace registries {
FieldList SameNameCopies(std::initializer_list<std::string_view> fields) {
    FieldList list;
    list.reserve(fields.size());
    for (std::string_view field : fields) list.push_back(Copy(std::string(field)));
    return list;
}
} // namespace registries

namespace registry_groups {

const FieldList& Address() {
    static const FieldList list = registries::SameNameCopies(
        {"id tabella", "nominativo", "seconda_riga", "indirizzo", "citta", "pr", "cap"});
    return list;
}

const FieldList& SecondAddress() {
    static const FieldList list =
        registries::SameNameCopies({"ragione2", "seconda2", "magazzino", "citta2", "pr2", "cap2"});
    return list;
}

const FieldList& TaxCode() {
    static const FieldList list = registries::SameNameCopies({"codfis", "piva", "pivacee"});
    return list;
}

const FieldList& Contact() {
    static const FieldList list =
        registries::SameNameCopies({"tel", "tel2", "fax", "fax2", "telcont", "contatto"});
    return list;
}

const FieldList& Bank() {
    static const FieldList list = registries::SameNameCopies(
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
