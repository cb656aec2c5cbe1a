#pragma once
// Building a converter's field list from shared ones: same-name copies, picks,
// insertions, removals, replacements and swaps. Every function that names a
// field raises vb::RuntimeError 3265 (the name in its detail) when it is not
// in the list, so a misspelt name fails when the converters are built, before
// the run empties anything, and the run driver logs it as any other error.
#include <cstddef>
#include <initializer_list>
#include <string_view>

#include "run/table_converter.h"

namespace conversione {

// The position of the entry whose target is spelt exactly so (the lists are
// written in code: a difference of case is a typing slip, not another field).
std::size_t FindField(const FieldList& list, std::string_view target);

// Copies of fields with the same name on both sides, in the order given.
FieldList Copies(std::initializer_list<std::string_view> fields);
// The named entries of list, in the order given here.
FieldList Pick(const FieldList& list, std::initializer_list<std::string_view> targets);
// The entries of list from the first through the one named last.
FieldList Through(const FieldList& list, std::string_view last);

FieldList InsertAfter(FieldList list, std::string_view after, const FieldList& inserted);
FieldList InsertBefore(FieldList list, std::string_view before, const FieldList& inserted);
FieldList Without(FieldList list, std::initializer_list<std::string_view> targets);
FieldList Replace(FieldList list, std::string_view target, const FieldAssignment& replacement);
// The two named entries change places.
FieldList Swap(FieldList list, std::string_view first, std::string_view second);

} // namespace conversione
