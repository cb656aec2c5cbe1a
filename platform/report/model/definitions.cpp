#include "report/model/definitions.h"

#include "winfs/paths.h"

namespace report {

void DefinitionList::Set(const std::string& name, const std::string& contents, std::int32_t type,
                         ColumnType column, const FieldValue& value) {
    for (Definition& d : items_) {
        if (d.name == name) {
            const std::string widest = contents.size() > d.widest.size() ? contents : d.widest;
            d = {name, contents, type, column, widest, value};
            return;
        }
    }
    items_.push_back({name, contents, type, column, contents, value});
}

const Definition* DefinitionList::Find(const std::string& name) const {
    for (const Definition& d : items_)
        if (d.name == name) return &d;
    const std::string folded = winfs::FoldCase(name);
    for (const Definition& d : items_)
        if (winfs::FoldCase(d.name) == folded) return &d;
    return nullptr;
}

} // namespace report
