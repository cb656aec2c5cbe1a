#pragma once
// The layout a new layout file starts from: every variable in a block at the
// top of the page, every field as a column of the line table.
#include "report/model/definitions.h"
#include "report/model/layout.h"

namespace report {

Layout DefaultLayout(const DefinitionList& variables, const DefinitionList& fields);

// Where a new item or column puts a declared value (its format stays Auto,
// which follows the value's column type): right for numbers and amounts,
// left for the rest.
Align SuggestedAlign(const Definition& value);

// The widest value a column of this type holds in practice, as printed:
// money to 999.999.999,99 (prices with four decimals are narrower),
// quantities to 9.999.999,99999, dates with their time; "" for text.
const char* WidestOfType(const Definition& value);

} // namespace report
