#include "purchases/payment_schedule_fields.h"

#include <string>

namespace conversione {

const FieldList& PaymentScheduleFields() {
    static const FieldList list = [] {
        FieldList l;
        for (const char* word : {"scade", "cifra", "incas"})
            for (int n = 1; n <= 12; ++n) l.push_back(Copy(word + std::to_string(n)));
        return l;
    }();
    return list;
}

} // namespace conversione
