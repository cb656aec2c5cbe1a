#pragma once
// Edits that turn a shared field list into a converter's own list. Each
// function throws std::logic_error when a named field is not in the list, so a
// misspelt name fails when the converters are built, never halfway in a run.
#include <initializer_list>
#include <string_view>

#include "run/table_converter.h"

namespace conversione {

FieldList InsertAfter(FieldList list, std::string_view after, const FieldList& inserted);
FieldList InsertBefore(FieldList list, std::string_view before, const FieldList& inserted);
FieldList Without(FieldList list, std::initializer_list<std::string_view> targets);
FieldList Replace(FieldList list, std::string_view target, const FieldAssignment& replacement);
// The named entries of list, in the order given here.
FieldList Pick(const FieldList& list, std::initializer_list<std::string_view> targets);
// Copies of fields with the same name on both sides, in the order given.
FieldList Copies(std::initializer_list<std::string_view> fields);

} // namespace conversione
