#pragma once
// The layout a new layout file starts from: every variable in a block at the
// top of the page, every field as a column of the line table.
#include "report/definitions.h"
#include "report/layout.h"

namespace report {

Layout DefaultLayout(const DefinitionList& variables, const DefinitionList& fields);

// The format a new item or column gets for a declared value: amounts for
// texts that hold a decimal number (money is declared as text), else Auto.
ValueFormat SuggestedFormat(const Definition& value);

// Right for numbers and amounts, left for the rest.
Align SuggestedAlign(const Definition& value);

} // namespace report
