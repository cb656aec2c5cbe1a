#pragma once
// The one routine behind every table converter.
#include "run/conversion_session.h"
#include "run/table_converter.h"

namespace conversione {

// Copies every source row into a new target row (ConverterShape::CopyRows) or
// edits the first target row from the first source row (EditFirstRow), and
// writes the converter's empty, count or error line. A refused save ends the
// table with its error line and returns normally; any other failure
// (vb::RuntimeError) rises to the caller.
void CopyTableRows(ConversionSession& session, const TableConverter& converter);

} // namespace conversione
