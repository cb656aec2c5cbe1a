#include "sales/field_list_edits.h"

#include <algorithm>
#include <cstddef>
#include <stdexcept>
#include <string>

namespace conversione {
namespace {

// Entries are found by their target name, spelt exactly: the lists are written
// in code, so a difference of case is a typing slip, not another field.
std::ptrdiff_t IndexOf(const FieldList& list, std::string_view target) {
    auto it = std::find_if(list.begin(), list.end(),
                           [target](const FieldAssignment& a) { return a.target == target; });
    if (it == list.end())
        throw std::logic_error("field list has no field \"" + std::string(target) + "\"");
    return it - list.begin();
}

} // namespace

FieldList InsertAfter(FieldList list, std::string_view after, const FieldList& inserted) {
    auto at = list.begin() + IndexOf(list, after) + 1;
    list.insert(at, inserted.begin(), inserted.end());
    return list;
}

FieldList InsertBefore(FieldList list, std::string_view before, const FieldList& inserted) {
    auto at = list.begin() + IndexOf(list, before);
    list.insert(at, inserted.begin(), inserted.end());
    return list;
}

FieldList Without(FieldList list, std::initializer_list<std::string_view> targets) {
    for (std::string_view target : targets)
        list.erase(list.begin() + IndexOf(list, target));
    return list;
}

FieldList Replace(FieldList list, std::string_view target, const FieldAssignment& replacement) {
    list[static_cast<std::size_t>(IndexOf(list, target))] = replacement;
    return list;
}

FieldList Pick(const FieldList& list, std::initializer_list<std::string_view> targets) {
    FieldList picked;
    picked.reserve(targets.size());
    for (std::string_view target : targets)
        picked.push_back(list[static_cast<std::size_t>(IndexOf(list, target))]);
    return picked;
}

FieldList Copies(std::initializer_list<std::string_view> fields) {
    FieldList list;
    list.reserve(fields.size());
    for (std::string_view field : fields)
        list.push_back(Copy(std::string(field)));
    return list;
}

} // namespace conversione
