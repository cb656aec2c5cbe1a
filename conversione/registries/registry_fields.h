#pragma once
// The thirty fields that open the customer, supplier and agent registries, in
// five contiguous groups. Carriers take three of the groups; agents take all
// thirty with "cap" before "pr".
#include "run/table_converter.h"

namespace conversione {

namespace registry_groups {
const FieldList& Address();         // "id tabella" .. "cap"     (7)
const FieldList& SecondAddress();   // "ragione2" .. "cap2"      (6)
const FieldList& TaxCode();         // "codfis" .. "pivacee"     (3)
const FieldList& Contact();         // "tel" .. "contatto"       (6)
const FieldList& Bank();            // "banca" .. "baconto2"     (8)
} // namespace registry_groups

// The five groups in order (30).
const FieldList& RegistryFields();

} // namespace conversione
