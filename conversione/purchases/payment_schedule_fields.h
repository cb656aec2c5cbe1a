#pragma once
// The payment schedule shared by the customer and supplier payment tables:
// "scade1".."scade12", then "cifra1".."cifra12", then "incas1".."incas12"
// (grouped by name, not by instalment), the same names on both sides.
#include "run/table_converter.h"

namespace conversione {

const FieldList& PaymentScheduleFields();   // 36

} // namespace conversione
