#include "run/table_converter.h"

#include <utility>

namespace conversione {

FieldAssignment Copy(std::string field) {
    FieldAssignment a;
    a.kind = AssignmentKind::Copy;
    a.source = field;
    a.target = std::move(field);
    return a;
}

FieldAssignment Copy(std::string target, std::string source) {
    FieldAssignment a;
    a.kind = AssignmentKind::Copy;
    a.target = std::move(target);
    a.source = std::move(source);
    return a;
}

FieldAssignment Constant(std::string target, dao::Variant value) {
    FieldAssignment a;
    a.kind = AssignmentKind::Constant;
    a.target = std::move(target);
    a.constant = std::move(value);
    return a;
}

FieldAssignment RowCode(std::string target, std::string prefix) {
    FieldAssignment a;
    a.kind = AssignmentKind::RowCode;
    a.target = std::move(target);
    a.source = std::move(prefix);
    return a;
}

FieldAssignment MonthOf(std::string target, std::string sourceDateField) {
    FieldAssignment a;
    a.kind = AssignmentKind::MonthOf;
    a.target = std::move(target);
    a.source = std::move(sourceDateField);
    return a;
}

FieldList Concat(std::initializer_list<FieldList> parts) {
    FieldList all;
    for (const FieldList& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

} // namespace conversione
