#include "run/field_list.h"

#include <string>
#include <utility>

#include "winfs/error_descriptions.h"
#include "winfs/error_numbers.h"
#include "winfs/runtime_error.h"

namespace conversione {

std::size_t FindField(const FieldList& list, std::string_view target) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i].target == target) return i;
    throw vb::RuntimeError(dao::kFieldNotFound, vb::Describe(dao::kFieldNotFound),
                           "field list has no field \"" + std::string(target) + "\"");
}

FieldList Copies(std::initializer_list<std::string_view> fields) {
    FieldList list;
    list.reserve(fields.size());
    for (std::string_view field : fields) list.push_back(Copy(std::string(field)));
    return list;
}

FieldList Pick(const FieldList& list, std::initializer_list<std::string_view> targets) {
    FieldList picked;
    picked.reserve(targets.size());
    for (std::string_view target : targets) picked.push_back(list[FindField(list, target)]);
    return picked;
}

FieldList Through(const FieldList& list, std::string_view last) {
    return FieldList(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(FindField(list, last)) + 1);
}

FieldList InsertAfter(FieldList list, std::string_view after, const FieldList& inserted) {
    auto at = list.begin() + static_cast<std::ptrdiff_t>(FindField(list, after)) + 1;
    list.insert(at, inserted.begin(), inserted.end());
    return list;
}

FieldList InsertBefore(FieldList list, std::string_view before, const FieldList& inserted) {
    auto at = list.begin() + static_cast<std::ptrdiff_t>(FindField(list, before));
    list.insert(at, inserted.begin(), inserted.end());
    return list;
}

FieldList Without(FieldList list, std::initializer_list<std::string_view> targets) {
    for (std::string_view target : targets) list.erase(list.begin() + static_cast<std::ptrdiff_t>(FindField(list, target)));
    return list;
}

FieldList Replace(FieldList list, std::string_view target, const FieldAssignment& replacement) {
    list[FindField(list, target)] = replacement;
    return list;
}

FieldList Swap(FieldList list, std::string_view first, std::string_view second) {
    std::swap(list[FindField(list, first)], list[FindField(list, second)]);
    return list;
}

} // namespace conversione
