#include "print_layouts/definitions.h"

#include <charconv>

#include "dbengine/recordset.h"
#include "report/control/report_control.h"
#include "report/model/report_codes.h"
#include "winfs/runtime_error.h"

namespace utilita::print {

namespace {

bool IsNumber(dao::VarType type) {
    // Variant types 2 to 5; a byte (17) and currency (6) are not among them.
    return type == dao::VarType::Integer || type == dao::VarType::Long || type == dao::VarType::Single ||
           type == dao::VarType::Double;
}

std::string TextOf(const dao::Variant& value) {
    return value.IsNull() ? std::string() : value.ToString();
}

bool HasCurrentRecord(dao::Recordset& records) {
    return !records.AtEOF() && !records.AtBOF();
}

// The value as stored, for paper: numbers, money and dates are never read
// back from their text.
report::FieldValue PrintedValue(const dao::Variant& value) {
    using Kind = report::FieldValue::Kind;
    report::FieldValue printed;
    switch (value.Type()) {
    case dao::VarType::Empty:
    case dao::VarType::Null: printed.kind = Kind::Null; break;
    case dao::VarType::Boolean: printed.kind = Kind::Boolean; printed.integer = value.RawBool() ? 1 : 0; break;
    case dao::VarType::Byte:
    case dao::VarType::Integer:
    case dao::VarType::Long: printed.kind = Kind::Integer; printed.integer = value.RawInt(); break;
    case dao::VarType::Single: printed.digits = 7; [[fallthrough]];
    case dao::VarType::Double: printed.kind = Kind::Number; printed.number = value.RawDouble(); break;
    case dao::VarType::Currency: printed.kind = Kind::Currency; printed.integer = value.RawInt(); break;
    case dao::VarType::Date: printed.kind = Kind::Date; printed.number = value.RawDouble(); break;
    case dao::VarType::String: printed.kind = Kind::Text; printed.text = value.RawString(); break;
    }
    return printed;
}

template <class Declare>
void DefineColumns(dao::Recordset& records, Declare declare) {
    const bool current = HasCurrentRecord(records);
    dao::Fields& fields = records.Fields();
    const auto count = static_cast<std::int16_t>(fields.Count());
    for (std::int16_t fieldIndex = 0; fieldIndex < count; ++fieldIndex) {
        dao::Field& field = fields[fieldIndex];
        declare(field.Name(), current ? field.Value() : dao::Variant::Null(), ColumnTypeOf(field.Type()));
    }
}

} // namespace

std::string DateSerialText(double serial) {
    // The shortest text that reads back to the same double: the whole date
    // and time as stored, a date without time as a whole number of days.
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, serial);
    return std::string(text, written.ptr);
}

report::ColumnType ColumnTypeOf(dao::VarType declared) {
    switch (declared) {
    case dao::VarType::Byte:
    case dao::VarType::Integer:
    case dao::VarType::Long: return report::ColumnType::Integer;
    case dao::VarType::Single:
    case dao::VarType::Double: return report::ColumnType::Number;
    case dao::VarType::Currency: return report::ColumnType::Currency;
    case dao::VarType::Date: return report::ColumnType::Date;
    case dao::VarType::Boolean: return report::ColumnType::Boolean;
    case dao::VarType::String: return report::ColumnType::Text;
    default: return report::ColumnType::Unknown;
    }
}

Declared HeaderVariableFor(const dao::Variant& value) {
    const dao::VarType type = value.Type();
    if (IsNumber(type)) return {value.ToString(), report::kFieldTypeNumeric};
    if (type == dao::VarType::Date) return {DateSerialText(value.ToDate()), report::kFieldTypeDate};
    if (type == dao::VarType::Boolean) return {value.ToString(), report::kFieldTypeBoolean};
    return {TextOf(value), report::kFieldTypeText};
}

Declared LineFieldFor(const dao::Variant& value) {
    if (IsNumber(value.Type())) return {value.ToString(), report::kFieldTypeNumeric};
    return {TextOf(value), report::kFieldTypeText};
}

void DefineHeaderVariables(dao::Recordset& header, report::ReportControl& engine) {
    DefineColumns(header, [&engine](const std::string& name, const dao::Variant& value, report::ColumnType column) {
        Declared declared = HeaderVariableFor(value);
        engine.AddHeaderVariable(name, declared.contents, declared.type, column, PrintedValue(value));
    });
}

void DefineLineFields(dao::Recordset& lines, report::ReportControl& engine) {
    DefineColumns(lines, [&engine](const std::string& name, const dao::Variant& value, report::ColumnType column) {
        Declared declared = LineFieldFor(value);
        engine.AddLineField(name, declared.contents, declared.type, column, PrintedValue(value));
    });
}

bool BelongsToDocument(const dao::Variant& lineOwner, const dao::Variant& documentId) {
    if (lineOwner.IsNull() || documentId.IsNull() || lineOwner.IsEmpty() || documentId.IsEmpty()) return false;
    const bool ownerText = lineOwner.Type() == dao::VarType::String;
    const bool idText = documentId.Type() == dao::VarType::String;
    if (ownerText && idText) return lineOwner.RawString() == documentId.RawString();
    // A number against a number, or against a text that reads as one.
    try {
        return lineOwner.ToDouble() == documentId.ToDouble();
    } catch (const vb::RuntimeError&) {
        return false;
    }
}

} // namespace utilita::print
