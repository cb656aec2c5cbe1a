#pragma once
// The field lists shared by the document converters: the header list (five
// named groups, 97 fields) and the line list (11 fields). Each document
// converter states its own list from these plus its differences.
#include "run/table_converter.h"

namespace conversione {

namespace header_groups {
const FieldList& Party();         // "id fattura" .. "codfis"          (22)
const FieldList& Terms();         // "listino" .. "conversionrate"     (26)
const FieldList& VatBrackets();   // "A1" .. "IVA5"                    (20)
const FieldList& Totals();        // "tlordo" .. "scaricato"           (5)
const FieldList& Instalments();   // "rata1c" .. "rata12d"             (24)
} // namespace header_groups

const FieldList& DocumentHeaderFields();   // the five groups in order (97)
const FieldList& DocumentLineFields();     // "id voce" .. "rifarticolo" (11)

} // namespace conversione
