#include "purchases/field_list_head.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace conversione::purchases {

FieldList Through(const FieldList& list, std::string_view last) {
    auto it = std::find_if(list.begin(), list.end(),
                           [last](const FieldAssignment& a) { return a.target == last; });
    if (it == list.end())
        throw std::logic_error("field list has no field \"" + std::string(last) + "\"");
    return FieldList(list.begin(), it + 1);
}

} // namespace conversione::purchases
