#include "run/copy_table_rows.h"

#include <string>

#include "dbengine/recordset.h"
#include "run/log_lines.h"
#include "winfs/runtime_error.h"

namespace conversione {
namespace {

// One assignment into the pending target row. The target field is looked up
// before the source field; a missing field or a refused value rises.
void Assign(DataBindings& bindings, std::int32_t rowIndex, const FieldAssignment& assignment) {
    dao::Field& target = bindings.TargetRows().Fields(assignment.target);
    switch (assignment.kind) {
    case AssignmentKind::Copy:
        target.SetValue(bindings.SourceRows().Fields(assignment.source).Value());
        break;
    case AssignmentKind::Constant:
        target.SetValue(assignment.constant);
        break;
    case AssignmentKind::RowCode:
        target.SetValue(dao::Variant(assignment.source + std::to_string(rowIndex)));
        break;
    case AssignmentKind::MonthOf:
        target.SetValue(dao::FormatMonth(bindings.SourceRows().Fields(assignment.source).Value()));
        break;
    }
}

void AssignAll(ConversionSession& session, const TableConverter& converter) {
    for (const FieldAssignment& assignment : converter.fields)
        Assign(session.bindings, session.counts.rowIndex, assignment);
}

// The save of one row is the only step whose failure a converter handles.
bool GuardedUpdate(ConversionSession& session, const TableConverter& converter) {
    try {
        session.bindings.TargetRows().Update();
        return true;
    } catch (const vb::RuntimeError& error) {
        WriteTableErrorLine(session.view, session.counts, converter.errorPrefix, error.Number());
        return false;
    }
}

void CopyRows(ConversionSession& session, const TableConverter& converter) {
    DataBindings& bindings = session.bindings;
    RunCounts& counts = session.counts;
    counts.rowCount = 0;
    bindings.BindSource(session.view.SourceFileName(), converter.sourceTable);
    if (bindings.SourceRows().RecordCount() == 0) {
        WriteFinalLine(session.view, converter.emptyLine);
        return;
    }
    bindings.SourceRows().MoveLast();
    bindings.BindTarget(session.view.TargetFileName(), converter.targetTable);
    counts.rowCount = bindings.SourceRows().RecordCount();
    bindings.RebindSource();

    const std::int32_t rowCount = counts.rowCount;   // the bound is read once
    for (counts.rowIndex = 1; counts.rowIndex <= rowCount; ++counts.rowIndex) {
        bindings.TargetRows().AddNew();
        AssignAll(session, converter);
        if (!GuardedUpdate(session, converter)) return;
        bindings.SourceRows().MoveNext();
    }
    WriteFinalLine(session.view, converter.countPrefix + std::to_string(counts.rowCount) + " voci");
}

// The configuration: the first target row takes the values of the first
// source row; no count, no empty line.
void EditFirstRow(ConversionSession& session, const TableConverter& converter) {
    session.bindings.BindSource(session.view.SourceFileName(), converter.sourceTable);
    session.bindings.BindTarget(session.view.TargetFileName(), converter.targetTable);
    session.bindings.TargetRows().Edit();
    AssignAll(session, converter);
    GuardedUpdate(session, converter);
}

} // namespace

void CopyTableRows(ConversionSession& session, const TableConverter& converter) {
    switch (converter.shape) {
    case ConverterShape::CopyRows: CopyRows(session, converter); break;
    case ConverterShape::EditFirstRow: EditFirstRow(session, converter); break;
    }
}

} // namespace conversione
