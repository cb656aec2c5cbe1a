#pragma once
// The leading part of a shared field list, up to a named field.
#include <string_view>

#include "run/table_converter.h"

namespace conversione::purchases {

// The entries of list from the first through the one whose target is last;
// throws std::logic_error when last is not in the list.
FieldList Through(const FieldList& list, std::string_view last);

} // namespace conversione::purchases
