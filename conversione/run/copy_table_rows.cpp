#include "run/copy_table_rows.h"

#include <charconv>
#include <string>
#include <vector>

#include "dbengine/recordset.h"
#include "run/log_lines.h"
#include "winfs/runtime_error.h"

namespace conversione {
namespace {

bool ReadsSource(AssignmentKind kind) { return kind == AssignmentKind::Copy || kind == AssignmentKind::MonthOf; }

// An assignment with its fields looked up once per binding. A missing name
// stays null and is looked up again at its turn in the row, so that the same
// error rises at the same step as before (the target before the source).
struct BoundAssignment {
    const FieldAssignment* assignment;
    dao::Field* target;
    dao::Field* source;
    dao::Variant value;   // the value on its way, its text buffer kept from row to row
    std::string code;     // RowCode: the prefix, then the row index
};

std::vector<BoundAssignment> BindAssignments(DataBindings& bindings, const TableConverter& converter) {
    std::vector<BoundAssignment> bound;
    bound.reserve(converter.fields.size());
    for (const FieldAssignment& assignment : converter.fields) {
        dao::Field* source =
            ReadsSource(assignment.kind) ? bindings.SourceRows().Fields().Find(assignment.source) : nullptr;
        bound.push_back({&assignment, bindings.TargetRows().Fields().Find(assignment.target), source, {}, {}});
    }
    return bound;
}

dao::Field& TargetOf(DataBindings& bindings, const BoundAssignment& bound) {
    return bound.target ? *bound.target : bindings.TargetRows().Fields(bound.assignment->target);
}

dao::Variant& SourceValue(DataBindings& bindings, BoundAssignment& bound) {
    dao::Field& source = bound.source ? *bound.source : bindings.SourceRows().Fields(bound.assignment->source);
    source.ValueInto(bound.value);
    return bound.value;
}

// Apart, so that a copy's assignment stays short.
[[gnu::noinline]] dao::Variant& RowCodeValue(BoundAssignment& bound, std::int32_t rowIndex) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, rowIndex).ptr;
    bound.code.assign(bound.assignment->source).append(digits, end);
    bound.value.AssignString(bound.code);
    return bound.value;
}

// One assignment into the pending target row; a missing field or a refused
// value rises.
void Assign(DataBindings& bindings, std::int32_t rowIndex, BoundAssignment& bound) {
    dao::Field& target = TargetOf(bindings, bound);
    switch (bound.assignment->kind) {
    case AssignmentKind::Copy: target.SetValue(SourceValue(bindings, bound)); break;
    case AssignmentKind::Constant: target.SetValue(bound.assignment->constant); break;
    case AssignmentKind::RowCode: target.SetValue(RowCodeValue(bound, rowIndex)); break;
    case AssignmentKind::MonthOf: target.SetValue(dao::FormatMonth(SourceValue(bindings, bound))); break;
    }
}

void AssignAll(ConversionSession& session, std::vector<BoundAssignment>& assignments) {
    for (BoundAssignment& bound : assignments) Assign(session.bindings, session.counts.rowIndex, bound);
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

    std::vector<BoundAssignment> assignments = BindAssignments(bindings, converter);
    const std::int32_t rowCount = counts.rowCount;   // the bound is read once
    for (counts.rowIndex = 1; counts.rowIndex <= rowCount; ++counts.rowIndex) {
        bindings.TargetRows().AddNew();
        AssignAll(session, assignments);
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
    std::vector<BoundAssignment> assignments = BindAssignments(session.bindings, converter);
    session.bindings.TargetRows().Edit();
    AssignAll(session, assignments);
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
