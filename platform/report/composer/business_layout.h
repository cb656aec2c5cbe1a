#pragma once
// The layout a new layout file starts from, laid out as an Italian business
// document: the company's block and a place for its logo, the document's
// title, number and date, the customer's block in a frame, the other
// variables, the line table with its totals footer, and page numbers.
#include <filesystem>
#include <string>

#include "report/model/definitions.h"
#include "report/model/layout.h"

namespace report {

// The document's title by its layout file (Fattura.LST: "FATTURA").
std::string DocumentTitle(const std::filesystem::path& layoutFile);

Layout BusinessLayout(const std::string& title, const DefinitionList& variables, const DefinitionList& fields);

} // namespace report
