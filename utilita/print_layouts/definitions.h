#pragma once
// How the columns of a print-database record become the report engine's
// variables (header record) and fields (line record): the column's own name,
// its current value as text, a type code by the value's variant type, and
// the value itself with its type, which is what prints.
#include <cstdint>
#include <string>

#include "dbengine/variant.h"
#include "report/model/definitions.h"

namespace dao { class Recordset; }
namespace report { class ReportControl; }

namespace utilita::print {

struct Declared {
    std::string contents;
    std::int32_t type;
};

// Integers, singles and doubles are numbers; dates go as their serial number
// (whole: a date and time printed a minute or a day off is a wrong document);
// Booleans as Booleans; everything else (text, currency, bytes, Null) as
// text, Null as the empty text.
Declared HeaderVariableFor(const dao::Variant& value);
// As above, but dates and Booleans go as text.
Declared LineFieldFor(const dao::Variant& value);

// A date serial number as text that reads back to the same double.
std::string DateSerialText(double serial);

// The column's declared type, passed beside the type code so that the
// engine formats money as money whatever text the value has.
report::ColumnType ColumnTypeOf(dao::VarType declared);

// One engine variable per column of the recordset's current record. Without
// a current record (an empty table) each column is declared by name alone,
// as empty text, so that a layout can still be designed.
void DefineHeaderVariables(dao::Recordset& header, report::ReportControl& engine);
void DefineLineFields(dao::Recordset& lines, report::ReportControl& engine);

// Whether a line whose owner column holds lineOwner belongs to the document
// whose first column holds documentId: numbers as numbers, texts exactly;
// Null never matches.
bool BelongsToDocument(const dao::Variant& lineOwner, const dao::Variant& documentId);

} // namespace utilita::print
