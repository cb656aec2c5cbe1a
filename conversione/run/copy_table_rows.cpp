#include "run/copy_table_rows.h"

#include <string>

#include "dbengine/recordset.h"
#include "run/binding.h"
#include "run/log_lines.h"
#include "winfs/runtime_error.h"

namespace conversione {
namespace {

// One assignment into the pending target row. The target field is looked up
// before the source field; a missing field or a refused value rises.
void Assign(ConversionState& state, const FieldAssignment& assignment) {
    dao::Field& target = state.Data2.GetRecordset().Fields(assignment.target);
    switch (assignment.kind) {
    case AssignmentKind::Copy:
        target.SetValue(state.Data1.GetRecordset().Fields(assignment.source).Value());
        break;
    case AssignmentKind::Constant:
        target.SetValue(assignment.constant);
        break;
    case AssignmentKind::RowCode:
        target.SetValue(dao::Variant(assignment.source + std::to_string(state.rowIndex)));
        break;
    case AssignmentKind::MonthOf:
        target.SetValue(dao::FormatMonth(state.Data1.GetRecordset().Fields(assignment.source).Value()));
        break;
    }
}

void AssignAll(ConversionState& state, const TableConverter& converter) {
    for (const FieldAssignment& assignment : converter.fields) Assign(state, assignment);
}

// The save of one row is the only step whose failure a converter handles.
bool GuardedUpdate(ConversionState& state, const TableConverter& converter) {
    try {
        state.Data2.GetRecordset().Update();
        return true;
    } catch (const vb::RuntimeError& error) {
        WriteTableErrorLine(state, converter.errorPrefix, error.Number());
        return false;
    }
}

void CopyRows(ConversionState& state, const TableConverter& converter) {
    state.RowCount = 0;
    BindSource(state, converter.sourceTable);
    if (state.Data1.GetRecordset().RecordCount() == 0) {
        WriteFinalLine(state, converter.emptyLine);
        return;
    }
    state.Data1.GetRecordset().MoveLast();
    BindTarget(state, converter.targetTable);
    state.RowCount = state.Data1.GetRecordset().RecordCount();
    RebindSource(state);

    const std::int32_t rowCount = state.RowCount;   // the bound is read once
    for (state.rowIndex = 1; state.rowIndex <= rowCount; ++state.rowIndex) {
        state.Data2.GetRecordset().AddNew();
        AssignAll(state, converter);
        if (!GuardedUpdate(state, converter)) return;
        state.Data1.GetRecordset().MoveNext();
    }
    WriteFinalLine(state, converter.countPrefix + std::to_string(state.RowCount) + " voci");
}

// The configuration: the first target row takes the values of the first
// source row; no count, no empty line.
void EditFirstRow(ConversionState& state, const TableConverter& converter) {
    BindSource(state, converter.sourceTable);
    BindTarget(state, converter.targetTable);
    state.Data2.GetRecordset().Edit();
    AssignAll(state, converter);
    GuardedUpdate(state, converter);
}

} // namespace

void CopyTableRows(ConversionState& state, const TableConverter& converter) {
    switch (converter.shape) {
    case ConverterShape::CopyRows: CopyRows(state, converter); break;
    case ConverterShape::EditFirstRow: EditFirstRow(state, converter); break;
    }
}

} // namespace conversione
