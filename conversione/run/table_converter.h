#pragma once
// A table converter as data: the source and target tables, the ordered field
// assignments and the three log literals. One routine (CopyTableRows) runs
// every converter of the system from this data.
#include <initializer_list>
#include <string>
#include <vector>

#include "dbengine/variant.h"

namespace conversione {

enum class AssignmentKind {
    Copy,      // target := source field of the current row, unchanged
    Constant,  // target := a fixed value
    RowCode,   // target := prefix followed by the copy loop's row index ("A1", "A2", ...)
    MonthOf,   // target := month of the source date field, two digits ("01".."12"); Null stays Null
};

struct FieldAssignment {
    AssignmentKind kind = AssignmentKind::Copy;
    std::string target;
    std::string source;      // Copy, MonthOf: the source field; RowCode: the prefix
    dao::Variant constant;   // Constant
};

using FieldList = std::vector<FieldAssignment>;

// target := source field of the same name
FieldAssignment Copy(std::string field);
// target := source field named otherwise (letter case, as the two databases spell it)
FieldAssignment Copy(std::string target, std::string source);
FieldAssignment Constant(std::string target, dao::Variant value);
FieldAssignment RowCode(std::string target, std::string prefix);
FieldAssignment MonthOf(std::string target, std::string sourceDateField);

// Joins lists in order (a shared list plus a converter's own fields).
FieldList Concat(std::initializer_list<FieldList> parts);

enum class ConverterShape {
    CopyRows,      // every source row becomes a new target row (CopyTableRows)
    EditFirstRow,  // the first target row is edited in place from the first source row
};

struct TableConverter {
    std::string name;          // "ConvertUnits"
    std::string sourceTable;   // bound as the source, as written
    std::string targetTable;   // bound as the target, as written
    FieldList fields;          // in write order
    std::string emptyLine;     // TableEmptyLine, whole
    std::string countPrefix;   // TableCountLine before the count; ends in a blank
    std::string errorPrefix;   // TableErrorLine before the error number; ends in a blank
    ConverterShape shape = ConverterShape::CopyRows;
};

} // namespace conversione
