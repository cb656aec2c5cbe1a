#pragma once
// The layout a new layout file starts from: every variable in a block at the
// top of the page, every field as a column of the line table.
#include <vector>

#include "report/model/definitions.h"
#include "report/model/layout.h"

namespace report {

Layout DefaultLayout(const DefinitionList& variables, const DefinitionList& fields);

// Column widths within usable: numbers keep what they need (they do not
// wrap); the texts share the rest, the narrower ones (codes) getting all they
// need first, and the room left over widens the texts that wanted more.
std::vector<double> ColumnWidths(const std::vector<Definition>& fields, double fontSize, double usable);

// Where a new item or column puts a declared value (its format stays Auto,
// which follows the value's column type): right for numbers and amounts,
// left for the rest.
Align SuggestedAlign(const Definition& value);

// What real documents hold in a column of this type, printed at full size
// in a new layout: money to 12.345.678,90 (prices to 1.234,5678 are
// narrower), quantities to 1.234.567,5, dates without time; "" for text.
const char* CommonOfType(const Definition& value);

// The widest value a column of this type holds in practice, as printed (a
// new layout's column holds it at the smallest size):
// money to 999.999.999,99 (prices with four decimals are narrower),
// quantities to 9.999.999,99999, dates with their time; "" for text.
const char* WidestOfType(const Definition& value);

} // namespace report
